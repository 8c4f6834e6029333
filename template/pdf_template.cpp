#include "template/pdf_template.h"

#include "app/number_text.h"
#include "template/pane_sheet.h"
#include "template/sheet_painter.h"
#include "template/template_error.h"
#include "template/template_sheet.h"

#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kResolution = 1200;
constexpr double kDotsPerMm = kResolution / 25.4;
constexpr double kDrawingText = 2.6;  // on the drawing page, mm
constexpr double kCheckBar = 100;

const Paper& PaperOf(const TemplateOptions& options)
{
    return options.paper != nullptr ? *options.paper : *PaperNamed("A4");
}

QPageLayout Layout(double width, double height)
{
    return QPageLayout(QPageSize(QSizeF(std::min(width, height), std::max(width, height)), QPageSize::Millimeter),
                       width > height ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// The foot of every page: its label, the 100 mm check bar and the instruction
// to print at actual size.
void PaintFoot(PagePainter& page, double pageWidth, double pageHeight, const std::string& label)
{
    const double y = pageHeight - kPageMargin - kPageFoot + 5;
    page.Text(kPageMargin, y, label, 3, 0, true);
    page.Text(pageWidth - kPageMargin, y, "按实际大小打印 (100%)，不要缩放 · Print at actual size (100%)", 2.2, 2);
    const double barY = y + 8;
    page.Line(kPageMargin, barY, kPageMargin + kCheckBar, barY, 0.4);
    for (int tick = 0; tick <= 10; ++tick) {
        const double x = kPageMargin + tick * kCheckBar / 10;
        page.Line(x, barY, x, barY - (tick % 5 == 0 ? 3 : 1.5), 0.25);
    }
    page.Text(kPageMargin + kCheckBar + 3, barY, "校验尺 100 mm：量一量，应正好 100 mm", 2.2);
}

void PaintOrdinates(PagePainter& page, const PaneGeometry& geometry, const Ordinates& ordinates, double x, double y,
                    double width, double height)
{
    const std::size_t columns = ordinates.faces.size() + 1;
    const double cell = width / static_cast<double>(columns);
    const double row = std::min(4.0, height / static_cast<double>(ordinates.rows.size() + 2));
    const double text = std::min(2.2, row * 0.6);
    page.Text(x, y + row * 0.8, "纵坐标 (高出弦线, mm)", text, 0, true);
    y += row;
    page.Text(x + cell * 0.5, y + row * 0.8, "距中", text * 0.9, 1);
    // A face's name above its radius.
    for (std::size_t face = 0; face < ordinates.faces.size(); ++face) {
        const std::string name = FaceName(geometry, ordinates.faces[face]);
        const std::size_t space = name.rfind(' ');
        page.Text(x + cell * (face + 1.5), y + row * 0.8, name.substr(0, space), text * 0.85, 1);
        page.Text(x + cell * (face + 1.5), y + row * 1.7, name.substr(space + 1), text * 0.75, 1);
    }
    y += row * 0.9;
    for (const OrdinateRow& line : ordinates.rows) {
        y += row;
        page.Line(x, y, x + width, y, 0.1);
        page.Text(x + cell * 0.5, y + row * 0.8, "±" + FormatFloat("0.0", line.station), text, 1);
        for (std::size_t face = 0; face < line.heights.size(); ++face) {
            if (line.heights[face])
                page.Text(x + cell * (face + 1.5), y + row * 0.8, FormatFloat("0.000", *line.heights[face]), text, 1);
        }
    }
}

// The drawing page: the pane scaled to fit beside a panel with the map of the
// template's pages, the ordinates and the title block.
void PaintDrawing(PagePainter& page, const PaneGeometry& geometry, const TemplateOptions& options,
                  const PageTiling& tiling, const Sheet& fullSize, double width, double height)
{
    const double panel = 105;
    const double areaWidth = width - 2 * kPageMargin - panel - 5;
    const double areaHeight = height - 2 * kPageMargin - kPageFoot;

    // The dimensions take about the same room on paper at any scale.
    const Sheet bare = BuildPaneSheet(geometry, 1, false, options.title);
    const double room = 14 * kDrawingText;
    double scale = std::min((areaWidth - room) / std::max(bare.bounds.Width(), 1e-9),
                            (areaHeight - room) / std::max(bare.bounds.Height(), 1e-9));
    Sheet drawing = BuildPaneSheet(geometry, kDrawingText / scale, false, options.title);
    scale = std::min(scale, std::min(areaWidth / drawing.bounds.Width(), areaHeight / drawing.bounds.Height()));
    const SheetPlacement placement{scale,
                                   {(drawing.bounds.left + drawing.bounds.right) / 2, drawing.bounds.top},
                                   kPageMargin + areaWidth / 2,
                                   kPageMargin + (areaHeight - drawing.bounds.Height() * scale) / 2};
    page.Sheet(drawing, placement);

    // The map of the template's pages, the pane's outline in it.
    const double panelX = width - kPageMargin - panel;
    double y = kPageMargin;
    page.Text(panelX, y + 3, "模板分页 (" + std::to_string(tiling.Pages()) + " 页, 第 2 页起)", 2.4, 0, true);
    y += 5;
    const double mapWidth = panel;
    const double mapHeight = 40;
    const double templateWidth = tiling.OffsetX(tiling.columns - 1) + tiling.tileWidth;
    const double templateHeight = tiling.OffsetY(tiling.rows - 1) + tiling.tileHeight;
    const double mapScale = std::min(mapWidth / templateWidth, mapHeight / templateHeight);
    for (int row = 0; row < tiling.rows; ++row) {
        for (int column = 0; column < tiling.columns; ++column) {
            const double cellX = panelX + tiling.OffsetX(column) * mapScale;
            const double cellY = y + tiling.OffsetY(row) * mapScale;
            page.Rectangle(cellX, cellY, tiling.tileWidth * mapScale, tiling.tileHeight * mapScale, 0.15);
            if (tiling.Pages() <= 60)
                page.Text(cellX + tiling.tileWidth * mapScale / 2, cellY + tiling.tileHeight * mapScale / 2 + 1,
                          std::to_string(2 + row * tiling.columns + column), 2, 1);
        }
    }
    page.Sheet(fullSize, {mapScale, {fullSize.bounds.left, fullSize.bounds.top}, panelX, y});
    y += templateHeight * mapScale + 6;

    // The title block at the foot of the panel; the ordinates above it.
    const double blockHeight = 40;
    const double blockY = height - kPageMargin - kPageFoot - blockHeight;
    PaintOrdinates(page, geometry, OrdinatesOf(geometry, options.step), panelX, y, panel, blockY - y - 3);
    page.Rectangle(panelX, blockY, panel, blockHeight, 0.35);
    const PaneTexts& shown = geometry.figures;
    const std::vector<std::string> lines = {
        options.title,
        PaneCaption(geometry) + "  弧长 " + shown[PaneField::Arc] + "  弦长 " + shown[PaneField::Chord],
        "半径 " + shown[PaneField::Radius] + "  拱高 " + shown[PaneField::Rise] + "  圆心角 " +
            shown[PaneField::Degrees] + "°",
        "玻璃厚度 " + shown[PaneField::Glass] + "  下料量 " + shown[PaneField::CutLength],
        geometry.piece ? PieceCaption(geometry) + "  半径 " + shown[PaneField::PieceRadius] + "  弧长 " +
                             shown[PaneField::PieceArc] + "  下料量 " + shown[PaneField::PieceCutLength]
                       : std::string("单片"),
        "图 1:" + FormatFloat("0.0", 1 / scale) + "  模板 1:1, " + PaperOf(options).name + ", " +
            std::to_string(tiling.Pages()) + " 页",
        "bendcalc " BEND_VERSION "  " + QDate::currentDate().toString(Qt::ISODate).toStdString(),
    };
    double lineY = blockY + 5.5;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        page.Text(panelX + 3, lineY, lines[line], line == 0 ? 3.2 : 2.4, 0, line == 0);
        lineY += line == 0 ? 5.6 : 4.8;
    }
}

// One page of the 1:1 template: its tile of the sheet, alignment marks where
// it overlaps its neighbours, and its foot.
void PaintTile(PagePainter& page, const Sheet& sheet, const PageTiling& tiling, int row, int column,
               const std::string& title)
{
    const double originX = sheet.bounds.left;
    const double originY = sheet.bounds.top;
    page.Clip(kPageMargin, kPageMargin, tiling.tileWidth, tiling.tileHeight);
    page.Sheet(sheet, {1, {originX + tiling.OffsetX(column), originY - tiling.OffsetY(row)}, kPageMargin, kPageMargin});

    // Crosses at the same places of the template on both pages of an overlap.
    const auto cross = [&](double templateX, double templateY) {
        const double x = kPageMargin + templateX - tiling.OffsetX(column);
        const double y = kPageMargin + templateY - tiling.OffsetY(row);
        page.Line(x - 4, y, x + 4, y, 0.2);
        page.Line(x, y - 4, x, y + 4, 0.2);
        page.Rectangle(x - 1.5, y - 1.5, 3, 3, 0.15);
    };
    const double overlapMiddle = kPageOverlap / 2;
    for (int seam = 1; seam < tiling.columns; ++seam) {
        for (int r = 0; r < tiling.rows; ++r) {
            for (const double part : {0.25, 0.75})
                cross(tiling.OffsetX(seam) + overlapMiddle, tiling.OffsetY(r) + part * tiling.tileHeight);
        }
    }
    for (int seam = 1; seam < tiling.rows; ++seam) {
        for (int c = 0; c < tiling.columns; ++c) {
            for (const double part : {0.25, 0.75})
                cross(tiling.OffsetX(c) + part * tiling.tileWidth, tiling.OffsetY(seam) + overlapMiddle);
        }
    }
    page.Unclip();

    // The tile's edge, and where the neighbours' tiles begin.
    page.Rectangle(kPageMargin, kPageMargin, tiling.tileWidth, tiling.tileHeight, 0.1);
    if (column + 1 < tiling.columns)
        page.Line(kPageMargin + tiling.tileWidth - kPageOverlap, kPageMargin,
                  kPageMargin + tiling.tileWidth - kPageOverlap, kPageMargin + tiling.tileHeight, 0.1);
    if (row + 1 < tiling.rows)
        page.Line(kPageMargin, kPageMargin + tiling.tileHeight - kPageOverlap, kPageMargin + tiling.tileWidth,
                  kPageMargin + tiling.tileHeight - kPageOverlap, 0.1);

    const int number = 2 + row * tiling.columns + column;
    PaintFoot(page, tiling.pageWidth, tiling.pageHeight,
              title + "  第 " + std::to_string(row + 1) + " 行 第 " + std::to_string(column + 1) + " 列  第 " +
                  std::to_string(number) + " 页 / 共 " + std::to_string(tiling.Pages() + 1) + " 页");
}

} // namespace

void WritePdfTemplate(const std::string& path, const PaneGeometry& geometry, const TemplateOptions& options)
{
    const Paper& paper = PaperOf(options);
    const Sheet sheet = FullSizeSheet(geometry, options.title);
    const PageTiling tiling = TileTemplate(paper, sheet.bounds.Width(), sheet.bounds.Height());
    if (tiling.Pages() > options.maxPages)
        throw ETemplateError("the 1:1 template would take " + std::to_string(tiling.Pages()) + " pages of " +
                             paper.name + ", more than " + std::to_string(options.maxPages) +
                             " (--max-pages raises the limit)");

    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(kResolution);
    writer.setTitle(QString::fromStdString("弯钢模板 " + options.title));
    writer.setCreator(QStringLiteral("bendcalc " BEND_VERSION));
    writer.setPageLayout(Layout(paper.height, paper.width));
    QPainter painter(&writer);
    PagePainter page(painter, kDotsPerMm);
    PaintDrawing(page, geometry, options, tiling, sheet, paper.height, paper.width);
    PaintFoot(page, paper.height, paper.width,
              options.title + "  图纸  第 1 页 / 共 " + std::to_string(tiling.Pages() + 1) + " 页");

    writer.setPageLayout(Layout(tiling.pageWidth, tiling.pageHeight));
    for (int row = 0; row < tiling.rows; ++row) {
        for (int column = 0; column < tiling.columns; ++column) {
            writer.newPage();
            PaintTile(page, sheet, tiling, row, column, options.title);
        }
    }
    if (!painter.end())
        throw ETemplateError("cannot write '" + path + "'");
}
