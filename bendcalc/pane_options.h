#pragma once

#include "calculation/pane_calculation.h"
#include "calculation/pane_fields.h"

#include <QCommandLineParser>

#include <optional>

// One pane on the command line, given as the window's fields are typed: any
// two of --arc, --chord, --radius, --rise, --degrees and --radians, with
// --glass, and for a unit --inner or --outer with --spacer and --piece-glass.
struct PaneOptions {
    PaneTexts texts;
    std::optional<PieceKind> piece;
};

// How numbers are read and written: --decimal-separator and --decimals.
struct NumberOptions {
    char decimalSeparator = '.';
    int decimals = 3;
};

void AddPaneOptions(QCommandLineParser& parser);
PaneOptions ReadPaneOptions(const QCommandLineParser& parser);

void AddNumberOptions(QCommandLineParser& parser);
NumberOptions ReadNumberOptions(const QCommandLineParser& parser);
