#pragma once

// The application's title: the caption of its own message boxes and error
// reports. A banner of the maker's production suite and its modules; it is a
// different text from the calculator window's caption.
inline constexpr char kApplicationTitle[] =
    "弯钢计算-《维特力斯玻璃生产管理系统》订单管理\\优化切割\\钢化排产\\中空合片\\夹胶工艺\\库存发货\\财务成本核算。";
