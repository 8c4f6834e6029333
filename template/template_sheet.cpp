#include "template/template_sheet.h"

#include "template/pane_sheet.h"

Sheet FullSizeSheet(const PaneGeometry& geometry, const std::string& title)
{
    Sheet sheet = BuildPaneSheet(geometry, kFullSizeText, true, title);
    sheet.bounds.left -= kSheetRoom;
    sheet.bounds.bottom -= kSheetRoom;
    sheet.bounds.right += kSheetRoom;
    sheet.bounds.top += kSheetRoom;
    return sheet;
}
