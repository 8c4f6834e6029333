#include "template/page_tiling.h"

#include <cmath>

namespace {

const Paper kPapers[] = {{"A4", 210, 297}, {"A3", 297, 420}, {"Letter", 215.9, 279.4}};

int TilesAcross(double length, double tile)
{
    if (length <= tile)
        return 1;
    return static_cast<int>(std::ceil((length - kPageOverlap) / (tile - kPageOverlap) - 1e-9));
}

PageTiling Tiling(double pageWidth, double pageHeight, bool landscape, double width, double height)
{
    PageTiling tiling;
    tiling.landscape = landscape;
    tiling.pageWidth = pageWidth;
    tiling.pageHeight = pageHeight;
    tiling.tileWidth = pageWidth - 2 * kPageMargin;
    tiling.tileHeight = pageHeight - 2 * kPageMargin - kPageFoot;
    tiling.columns = TilesAcross(width, tiling.tileWidth);
    tiling.rows = TilesAcross(height, tiling.tileHeight);
    return tiling;
}

} // namespace

const Paper* PaperNamed(const std::string& name)
{
    for (const Paper& paper : kPapers) {
        if (paper.name == name)
            return &paper;
    }
    return nullptr;
}

double PageTiling::OffsetX(int column) const
{
    return column * (tileWidth - kPageOverlap);
}

double PageTiling::OffsetY(int row) const
{
    return row * (tileHeight - kPageOverlap);
}

PageTiling TileTemplate(const Paper& paper, double width, double height)
{
    const PageTiling upright = Tiling(paper.width, paper.height, false, width, height);
    const PageTiling across = Tiling(paper.height, paper.width, true, width, height);
    return across.Pages() < upright.Pages() ? across : upright;
}
