#include "template/dxf_template.h"

#include "template/template_error.h"
#include "template/template_sheet.h"

#include <dl_dxf.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int kMillimetres = 4;  // $INSUNITS

struct DxfLayer {
    SheetLayer layer;
    int colour;  // the ACI colour number
};

constexpr DxfLayer kLayers[] = {
    {SheetLayer::Faces, 7},      {SheetLayer::CutLine, 5},    {SheetLayer::Chord, 8},
    {SheetLayer::SecondPane, 3}, {SheetLayer::Dimensions, 1}, {SheetLayer::Texts, 7},
};

DL_Attributes On(SheetLayer layer)
{
    return DL_Attributes(LayerName(layer), 256, -1, "BYLAYER", 1.0);
}

// Characters beyond ASCII as \U+XXXX, which every reader of DXF R2000 takes
// whatever its code page.
std::string DxfText(const std::string& utf8)
{
    std::string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (lead < 0x80) {
            text += utf8[at++];
            continue;
        }
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        unsigned code = lead & (0xFF >> (length + 1));
        for (int more = 1; more < length && at + more < utf8.size(); ++more)
            code = (code << 6) | (static_cast<unsigned char>(utf8[at + more]) & 0x3F);
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\U+%04X", code);
        text += escape;
        at += length;
    }
    return text;
}

} // namespace

void WriteDxfTemplate(const std::string& path, const PaneGeometry& geometry, const std::string& title)
{
    const Sheet sheet = FullSizeSheet(geometry, title);
    DL_Dxf dxf;
    const std::unique_ptr<DL_WriterA> out(dxf.out(path.c_str(), DL_Codes::AC1015));
    if (!out)
        throw ETemplateError("cannot write '" + path + "'");
    DL_WriterA& dw = *out;

    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, kMillimetres);
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);
    dw.dxfString(9, "$EXTMIN");
    dw.dxfReal(10, sheet.bounds.left);
    dw.dxfReal(20, sheet.bounds.bottom);
    dw.dxfString(9, "$EXTMAX");
    dw.dxfReal(10, sheet.bounds.right);
    dw.dxfReal(20, sheet.bounds.top);
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(static_cast<int>(std::size(kLayers)) + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, 100, "CONTINUOUS", 1.0));
    for (const DxfLayer& layer : kLayers)
        dxf.writeLayer(dw, DL_LayerData(LayerName(layer.layer), 0),
                       DL_Attributes("", layer.colour, 100, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();

    dw.sectionEntities();
    for (const SheetArc& arc : sheet.arcs)
        dxf.writeArc(dw, DL_ArcData(arc.centre.x, arc.centre.y, 0, arc.radius, arc.startDegrees, arc.endDegrees),
                     On(arc.layer));
    for (const SheetLine& line : sheet.lines)
        dxf.writeLine(dw, DL_LineData(line.from.x, line.from.y, 0, line.to.x, line.to.y, 0), On(line.layer));
    for (const SheetText& text : sheet.texts) {
        const int justification = text.anchor == TextAnchor::Left ? 0 : text.anchor == TextAnchor::Centre ? 1 : 2;
        dxf.writeText(dw,
                      DL_TextData(text.at.x, text.at.y, 0, text.at.x, text.at.y, 0, text.height, 1.0, 0,
                                  justification, 0, DxfText(text.text), "standard", 0),
                      On(text.layer));
    }
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    dw.close();
}
