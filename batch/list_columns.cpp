#include "batch/list_columns.h"

#include "batch/list_error.h"

#include <algorithm>
#include <cctype>

namespace {

struct ColumnNames {
    ListColumn column;
    const char* english;
    const char* chinese;
};

// The Chinese names are the window's captions.
constexpr ColumnNames kNames[kListColumnCount] = {
    {ListColumn::Mark, "mark", "编号"},
    {ListColumn::Quantity, "quantity", "数量"},
    {ListColumn::Arc, "arc", "弧长"},
    {ListColumn::Chord, "chord", "弦长"},
    {ListColumn::Radius, "radius", "半径"},
    {ListColumn::Rise, "rise", "拱高"},
    {ListColumn::Degrees, "degrees", "圆心角角度"},
    {ListColumn::Radians, "radians", "圆心角弧度"},
    {ListColumn::Glass, "glass", "玻璃厚度"},
    {ListColumn::CutLength, "cut_length", "下料量"},
    {ListColumn::Piece, "piece", "内外片"},
    {ListColumn::Spacer, "spacer", "铝条厚度"},
    {ListColumn::PieceGlass, "piece_glass", "片玻璃厚度"},
    {ListColumn::PieceArc, "piece_arc", "片弧长"},
    {ListColumn::PieceChord, "piece_chord", "片弦长"},
    {ListColumn::PieceRadius, "piece_radius", "片半径"},
    {ListColumn::PieceRise, "piece_rise", "片拱高"},
    {ListColumn::PieceCutLength, "piece_cut_length", "片下料量"},
    {ListColumn::Status, "status", "状态"},
    {ListColumn::Message, "message", "说明"},
};

// Result columns a completed list always has, in the order they are added.
constexpr ListColumn kResults[] = {
    ListColumn::Arc,         ListColumn::Chord,      ListColumn::Radius,         ListColumn::Rise,
    ListColumn::Degrees,     ListColumn::Radians,    ListColumn::CutLength,      ListColumn::PieceArc,
    ListColumn::PieceChord,  ListColumn::PieceRadius, ListColumn::PieceRise,     ListColumn::PieceCutLength,
    ListColumn::Status,      ListColumn::Message,
};

std::string Normalized(const std::string& name)
{
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = name.find_last_not_of(" \t");
    std::string trimmed = name.substr(first, last - first + 1);
    std::transform(trimmed.begin(), trimmed.end(), trimmed.begin(),
                   [](unsigned char c) { return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c); });
    return trimmed;
}

} // namespace

const char* EnglishName(ListColumn column)
{
    return kNames[static_cast<std::size_t>(column)].english;
}

const char* ChineseName(ListColumn column)
{
    return kNames[static_cast<std::size_t>(column)].chinese;
}

ListLayout ListLayout::FromHeader(const std::vector<std::string>& names)
{
    ListLayout layout;
    layout.inputWidth_ = names.size();
    int english = 0;
    int chinese = 0;
    for (std::size_t at = 0; at < names.size(); ++at) {
        const std::string name = Normalized(names[at]);
        for (const ColumnNames& known : kNames) {
            const bool isEnglish = name == known.english;
            if (!isEnglish && name != known.chinese)
                continue;
            std::optional<std::size_t>& index = layout.input_[Index(known.column)];
            if (index)
                throw EOrderListError(std::string("the column ") + known.english + " (" + known.chinese +
                                      ") is named twice");
            index = at;
            layout.output_[Index(known.column)] = at;
            ++(isEnglish ? english : chinese);
        }
    }
    const bool anyArcQuantity = std::any_of(
        std::begin(kResults), std::begin(kResults) + 6, [&](ListColumn column) { return layout.InputIndex(column); });
    if (!anyArcQuantity)
        throw EOrderListError("no known column: the header names none of arc, chord, radius, rise, degrees, radians "
                              "(弧长, 弦长, 半径, 拱高, 圆心角角度, 圆心角弧度)");

    layout.chinese_ = chinese > english;
    layout.outputWidth_ = names.size();
    for (const ListColumn column : kResults) {
        if (layout.InputIndex(column))
            continue;
        layout.output_[Index(column)] = layout.outputWidth_++;
        layout.added_.push_back(column);
    }
    return layout;
}
