#include "bendcalc/batch_command.h"

#include "bendcalc/command_line.h"
#include "bendcalc/list_files.h"
#include "bendcalc/pane_options.h"
#include "bendcalc/progress_line.h"

#include <cstdio>

int RunBatch(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(
        "Completes an order list: every row is computed as the calculator window computes a pane from the same "
        "field texts. Columns are found by their names, in English or Chinese: mark 编号, quantity 数量, arc 弧长, "
        "chord 弦长, radius 半径, rise 拱高, degrees 圆心角角度, radians 圆心角弧度, glass 玻璃厚度, cut_length 下料量, "
        "piece 内外片 (inner/outer, 内片/外片), spacer 铝条厚度, piece_glass 片玻璃厚度; other columns pass through. "
        "The completed list adds piece_arc, piece_chord, piece_radius, piece_rise, piece_cut_length, status and "
        "message.\n\n"
        "Exit codes: 0 every row ok; 1 some rows failed (every row is written all the same); 2 a command line or a "
        "file that cannot be used."));
    parser.addPositionalArgument("batch", "Complete an order list.", "batch");
    parser.addPositionalArgument("FILE", "The list, a CSV file; - for standard input.");
    parser.addOption({{"o", "output"}, "Write the completed list to FILE instead of standard output.", "FILE"});
    parser.addOption({"encoding", "The list's encoding, utf-8 or gbk, where it is not to be told from the list.",
                      "name"});
    parser.addOption({{"q", "quiet"}, "No progress line on standard error."});
    AddNumberOptions(parser);
    if (!ParseCommandLine(parser, arguments))
        return ExitCode::Ok;
    if (parser.positionalArguments().size() != 2)
        throw EUsageError("batch takes one list: bendcalc batch FILE (- for standard input)");

    ListOptions options;
    const NumberOptions numbers = ReadNumberOptions(parser);
    options.decimalSeparator = numbers.decimalSeparator;
    options.decimals = numbers.decimals;
    if (parser.isSet("encoding"))
        options.encoding = OneOf(parser, "encoding", {"utf-8", "gbk"}) == "gbk" ? TextEncoding::Gbk : TextEncoding::Utf8;

    ListInput input(parser.positionalArguments().at(1).toStdString());
    ListOutput output(parser.value("output").toStdString());
    ProgressLine progress(!parser.isSet("quiet"));
    OrderList orders(options, output);
    for (std::string_view piece = input.Read(); !piece.empty(); piece = input.Read()) {
        orders.Feed(piece);
        progress.Show(orders.Rows());
    }
    orders.Finish();
    output.Commit();
    progress.Finish(orders.Rows());
    return orders.FailedRows() == 0 ? ExitCode::Ok : ExitCode::PaneFailed;
}
