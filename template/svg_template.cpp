#include "template/svg_template.h"

#include "template/template_error.h"
#include "template/template_sheet.h"

#include <QFile>
#include <QXmlStreamWriter>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct SvgLayer {
    SheetLayer layer;
    const char* stroke;
    const char* width;
    const char* dashes;
};

constexpr SvgLayer kLayers[] = {
    {SheetLayer::Faces, "#000000", "0.35", nullptr},     {SheetLayer::CutLine, "#0046c8", "0.25", "4 2"},
    {SheetLayer::Chord, "#6e6e6e", "0.18", nullptr},     {SheetLayer::SecondPane, "#00783c", "0.35", nullptr},
    {SheetLayer::Dimensions, "#aa1e1e", "0.18", nullptr}, {SheetLayer::Texts, "#000000", "0", nullptr},
};

// A number as the file holds it: to a ten-thousandth, which QSvgGenerator's
// six significant digits would not keep on a sheet a metre wide.
QString Number(double value)
{
    QString text = QString::number(value, 'f', 4);
    if (text == "-0.0000")
        text = "0.0000";
    return text;
}

} // namespace

void WriteSvgTemplate(const std::string& path, const PaneGeometry& geometry, const std::string& title)
{
    const Sheet sheet = FullSizeSheet(geometry, title);
    const SheetBounds& bounds = sheet.bounds;
    // The sheet's y runs up, the file's down.
    const auto x = [&](double sheetX) { return Number(sheetX - bounds.left); };
    const auto y = [&](double sheetY) { return Number(bounds.top - sheetY); };

    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ETemplateError("cannot write '" + path + "'");
    QXmlStreamWriter svg(&file);
    svg.setAutoFormatting(true);
    svg.writeStartDocument();
    svg.writeStartElement("svg");
    svg.writeDefaultNamespace("http://www.w3.org/2000/svg");
    svg.writeAttribute("version", "1.1");
    svg.writeAttribute("width", Number(bounds.Width()) + "mm");
    svg.writeAttribute("height", Number(bounds.Height()) + "mm");
    svg.writeAttribute("viewBox", "0 0 " + Number(bounds.Width()) + " " + Number(bounds.Height()));
    svg.writeTextElement("title", QString::fromStdString("弯钢模板 " + title));

    for (const SvgLayer& layer : kLayers) {
        svg.writeStartElement("g");
        svg.writeAttribute("id", QString::fromLatin1(LayerName(layer.layer)).toLower());
        if (layer.layer == SheetLayer::Texts) {
            svg.writeAttribute("fill", layer.stroke);
            svg.writeAttribute("font-family", "WenQuanYi Micro Hei, Noto Sans CJK SC, sans-serif");
        } else {
            svg.writeAttribute("fill", "none");
            svg.writeAttribute("stroke", layer.stroke);
            svg.writeAttribute("stroke-width", layer.width);
            if (layer.dashes != nullptr)
                svg.writeAttribute("stroke-dasharray", layer.dashes);
        }
        for (const SheetArc& arc : sheet.arcs) {
            if (arc.layer != layer.layer)
                continue;
            const double start = arc.startDegrees * kPi / 180;
            const double end = arc.endDegrees * kPi / 180;
            const double sweep = arc.endDegrees - arc.startDegrees;
            // Counterclockwise on the sheet stays counterclockwise to the eye
            // in the file, whose y runs down: the arc command's sweep flag 0.
            svg.writeEmptyElement("path");
            svg.writeAttribute("d", "M " + x(arc.centre.x + arc.radius * std::cos(start)) + " " +
                                        y(arc.centre.y + arc.radius * std::sin(start)) + " A " + Number(arc.radius) +
                                        " " + Number(arc.radius) + " 0 " + (sweep > 180 ? "1" : "0") + " 0 " +
                                        x(arc.centre.x + arc.radius * std::cos(end)) + " " +
                                        y(arc.centre.y + arc.radius * std::sin(end)));
        }
        for (const SheetLine& line : sheet.lines) {
            if (line.layer != layer.layer)
                continue;
            svg.writeEmptyElement("line");
            svg.writeAttribute("x1", x(line.from.x));
            svg.writeAttribute("y1", y(line.from.y));
            svg.writeAttribute("x2", x(line.to.x));
            svg.writeAttribute("y2", y(line.to.y));
        }
        for (const SheetText& text : sheet.texts) {
            if (text.layer != layer.layer)
                continue;
            svg.writeStartElement("text");
            svg.writeAttribute("x", x(text.at.x));
            svg.writeAttribute("y", y(text.at.y));
            svg.writeAttribute("font-size", Number(text.height / 0.7));
            svg.writeAttribute("text-anchor", text.anchor == TextAnchor::Left     ? "start"
                                              : text.anchor == TextAnchor::Centre ? "middle"
                                                                                  : "end");
            svg.writeCharacters(QString::fromStdString(text.text));
            svg.writeEndElement();
        }
        svg.writeEndElement();
    }
    svg.writeEndElement();
    svg.writeEndDocument();
    if (svg.hasError() || !file.flush())
        throw ETemplateError("cannot write '" + path + "'");
}
