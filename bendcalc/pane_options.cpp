#include "bendcalc/pane_options.h"

#include "bendcalc/command_line.h"

namespace {

struct QuantityOption {
    const char* name;
    PaneField field;
    const char* description;
    const char* value;
};

constexpr QuantityOption kQuantities[] = {
    {"arc", PaneField::Arc, "Arc length (弧长), mm.", "mm"},
    {"chord", PaneField::Chord, "Chord length (弦长), mm.", "mm"},
    {"radius", PaneField::Radius, "Radius (半径), mm.", "mm"},
    {"rise", PaneField::Rise, "Rise (拱高), mm.", "mm"},
    {"degrees", PaneField::Degrees, "Central angle in degrees (圆心角角度).", "degrees"},
    {"radians", PaneField::Radians, "Central angle in radians (圆心角弧度).", "radians"},
    {"glass", PaneField::Glass, "Glass thickness (玻璃厚度), mm: gives the cut length.", "mm"},
    {"spacer", PaneField::Spacer, "Spacer thickness (铝条厚度) of a unit, mm.", "mm"},
    {"piece-glass", PaneField::PieceGlass, "Glass thickness of the unit's second pane (片玻璃厚度), mm.", "mm"},
};

} // namespace

void AddPaneOptions(QCommandLineParser& parser)
{
    for (const QuantityOption& quantity : kQuantities)
        parser.addOption({quantity.name, QString::fromUtf8(quantity.description), quantity.value});
    parser.addOption({"inner", "The pane given is the outer one of a unit: compute the inner pane (内片) too."});
    parser.addOption({"outer", "The pane given is the inner one of a unit: compute the outer pane (外片) too."});
}

PaneOptions ReadPaneOptions(const QCommandLineParser& parser)
{
    PaneOptions pane;
    for (const QuantityOption& quantity : kQuantities)
        pane.texts.SetText(quantity.field, parser.value(quantity.name).toStdString());
    if (parser.isSet("inner") && parser.isSet("outer"))
        throw EUsageError("--inner and --outer exclude each other");
    if (parser.isSet("inner"))
        pane.piece = PieceKind::Inner;
    else if (parser.isSet("outer"))
        pane.piece = PieceKind::Outer;
    else if (parser.isSet("spacer") || parser.isSet("piece-glass"))
        throw EUsageError("--spacer and --piece-glass belong to a unit: give --inner or --outer");
    return pane;
}

void AddNumberOptions(QCommandLineParser& parser)
{
    parser.addOption({"decimal-separator", "The decimal separator of the numbers read and written: . (the default) or ,.",
                      "char", "."});
    parser.addOption({"decimals", "Decimals of lengths and degrees, 1 to 9 (3 by default); radians take one more.",
                      "n"});
}

NumberOptions ReadNumberOptions(const QCommandLineParser& parser)
{
    return {OneOf(parser, "decimal-separator", {".", ","}).front().toLatin1(),
            NumberBetween(parser, "decimals", 1, 9, 3)};
}
