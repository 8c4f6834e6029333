#include "bendcalc/solve_command.h"

#include "app/decimal_separator_scope.h"
#include "batch/csv_reader.h"
#include "batch/list_columns.h"
#include "bendcalc/command_line.h"
#include "bendcalc/pane_options.h"
#include "batch/string_sink.h"
#include "calculation/pane_solution.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct TableLine {
    std::string caption;
    PaneField field;
    const char* unit;
};

// The width a text takes in a terminal: Chinese characters take two columns.
std::size_t ShownWidth(const std::string& text)
{
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            ++width;
        else if (byte >= 0xC0)
            width += 2;
    }
    return width;
}

void PrintGroup(const std::string& title, const std::vector<TableLine>& lines, const PaneFields& fields)
{
    std::size_t captionWidth = 0;
    std::size_t valueWidth = 0;
    for (const TableLine& line : lines) {
        captionWidth = std::max(captionWidth, ShownWidth(line.caption));
        valueWidth = std::max(valueWidth, fields.Text(line.field).size());
    }
    std::printf("%s\n", title.c_str());
    for (const TableLine& line : lines) {
        const std::string value = fields.Text(line.field);
        std::printf("  %s%s  %*s %s\n", line.caption.c_str(), std::string(captionWidth - ShownWidth(line.caption), ' ').c_str(),
                    static_cast<int>(valueWidth), value.c_str(), line.unit);
    }
}

// The pane with the window's captions: the single pane's group, then the
// piece panel, named for the mode as the window names them.
void PrintTable(const PaneSolution& solution, const std::optional<PieceKind>& piece)
{
    const std::string entered = !piece ? "单片计算" : *piece == PieceKind::Inner ? "外片" : "内片";
    const std::string cutLength = !piece ? "下料量" : entered + "下料量";
    PrintGroup(entered,
               {{"弧长", PaneField::Arc, "mm"},
                {"弦长", PaneField::Chord, "mm"},
                {"半径", PaneField::Radius, "mm"},
                {"拱高", PaneField::Rise, "mm"},
                {"圆心角角度", PaneField::Degrees, "°"},
                {"圆心角弧度", PaneField::Radians, "rad"},
                {"玻璃厚度", PaneField::Glass, "mm"},
                {cutLength, PaneField::CutLength, "mm"}},
               solution.fields);
    if (!piece)
        return;
    const std::string second = *piece == PieceKind::Inner ? "内片" : "外片";
    PrintGroup(second,
               {{"弧长", PaneField::PieceArc, "mm"},
                {"弦长", PaneField::PieceChord, "mm"},
                {"半径", PaneField::PieceRadius, "mm"},
                {"拱高", PaneField::PieceRise, "mm"},
                {second + "玻璃厚度", PaneField::PieceGlass, "mm"},
                {"铝条厚度", PaneField::Spacer, "mm"},
                {second + "下料量", PaneField::PieceCutLength, "mm"}},
               solution.fields);
}

// The pane as a one-row order list, completed by the batch itself.
int PrintListRow(const PaneOptions& pane, const NumberOptions& numbers)
{
    std::vector<std::string> header;
    std::vector<std::string> row;
    for (const auto& [column, field] : kListQuantities) {
        header.push_back(EnglishName(column));
        row.push_back(pane.texts.Text(field));
    }
    header.push_back(EnglishName(ListColumn::Piece));
    row.push_back(!pane.piece ? "" : *pane.piece == PieceKind::Inner ? "inner" : "outer");

    // A comma in the numbers takes the semicolon as the delimiter.
    const char delimiter = numbers.decimalSeparator == ',' ? ';' : ',';
    std::string list;
    AppendCsvRecord(list, header, delimiter, "\n", true);
    AppendCsvRecord(list, row, delimiter, "\n");
    StringSink completed;
    OrderList orders({TextEncoding::Utf8, numbers.decimalSeparator, numbers.decimals}, completed);
    orders.Feed(list);
    orders.Finish();
    std::fputs(completed.Bytes().c_str(), stdout);
    return orders.FailedRows() == 0 ? ExitCode::Ok : ExitCode::PaneFailed;
}

} // namespace

int RunSolve(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(
        "Computes one pane from any two of its arc quantities, as the calculator window does, with its cut length "
        "and the second pane of a unit.\n\n"
        "Exit codes: 0 computed; 1 not computed (why, on standard error; with --format csv, in the row); "
        "2 a command line that cannot be used."));
    parser.addPositionalArgument("solve", "Compute one pane.", "solve");
    AddPaneOptions(parser);
    AddNumberOptions(parser);
    parser.addOption({"format", "table (the default) or csv: the order list's header and one row.", "format",
                      "table"});
    if (!ParseCommandLine(parser, arguments))
        return ExitCode::Ok;
    if (parser.positionalArguments().size() > 1)
        throw EUsageError("solve takes no file: give the quantities as options (see bendcalc solve --help)");
    const PaneOptions pane = ReadPaneOptions(parser);
    const NumberOptions numbers = ReadNumberOptions(parser);
    if (OneOf(parser, "format", {"table", "csv"}) == "csv")
        return PrintListRow(pane, numbers);

    const DecimalSeparatorScope separator(numbers.decimalSeparator);
    const PaneSolution solution = SolvePane(pane.texts, pane.piece, ResultPatterns::WithDecimals(numbers.decimals));
    if (solution.outcome != PaneSolution::Outcome::Solved) {
        const std::string why =
            solution.outcome == PaneSolution::Outcome::TooManyGiven ? kTooManyGivenEnglish : solution.message;
        std::fprintf(stderr, "bendcalc: %s\n", why.c_str());
        return ExitCode::PaneFailed;
    }
    PrintTable(solution, pane.piece);
    return ExitCode::Ok;
}
