#include "bendcalc/template_command.h"

#include "app/decimal_separator_scope.h"
#include "app/number_text.h"
#include "batch/order_list.h"
#include "bendcalc/command_line.h"
#include "bendcalc/list_files.h"
#include "bendcalc/pane_options.h"
#include "bendcalc/pending_file.h"
#include "template/dxf_template.h"
#include "template/ordinates.h"
#include "template/pdf_template.h"
#include "template/svg_template.h"
#include "template/template_error.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <set>

namespace {

const QStringList kFormats = {"pdf", "svg", "dxf"};

class NoList : public ByteSink {
public:
    void Write(std::string_view) override {}
};

void WriteTemplate(const std::string& path, const QString& format, const PaneGeometry& geometry,
                   const TemplateOptions& options)
{
    PendingFile file(path);
    if (format == "pdf")
        WritePdfTemplate(file.Temporary(), geometry, options);
    else if (format == "svg")
        WriteSvgTemplate(file.Temporary(), geometry, options.title);
    else
        WriteDxfTemplate(file.Temporary(), geometry, options.title);
    file.Commit();
}

// A mark as a file name: letters, digits and Chinese characters kept, any
// other character a "_".
std::string SafeName(const std::string& mark)
{
    std::string name;
    for (const char c : mark) {
        const auto byte = static_cast<unsigned char>(c);
        const bool kept = byte >= 0x80 || std::isalnum(byte) || c == '-' || c == '.';
        name += kept ? c : '_';
    }
    if (name.find_first_not_of("._") == std::string::npos)
        return {};
    return name;
}

void AddTemplateOptions(QCommandLineParser& parser)
{
    parser.addOption({{"o", "output"}, "The file to make: its name ends in .pdf, .svg or .dxf.", "FILE"});
    parser.addOption({"batch", "Make one file for every row of an order list (as bendcalc batch reads it).", "LIST"});
    parser.addOption({"output-dir", "Where --batch puts its files, named from the mark or the row number.", "DIR"});
    parser.addOption({"format", "The files --batch makes: pdf, svg or dxf.", "format", "pdf"});
    parser.addOption({"paper", "The paper of the PDF: A4 (the default), A3 or Letter.", "paper", "A4"});
    parser.addOption({"max-pages", "The most pages a 1:1 PDF template may take (200 by default).", "n"});
    parser.addOption({"mark", "The pane's name on its drawing.", "text"});
    parser.addOption({"step", "Between the stations of the ordinates, mm (100 by default).", "mm", "100"});
}

double StepOf(const QCommandLineParser& parser)
{
    bool number = false;
    const double step = parser.value("step").toDouble(&number);
    if (!number || !(step > 0))
        throw EUsageError("--step takes a length in millimetres above 0, not '" + parser.value("step").toStdString() + "'");
    return step;
}

TemplateOptions OptionsOf(const QCommandLineParser& parser)
{
    TemplateOptions options;
    options.paper = PaperNamed(OneOf(parser, "paper", {"A4", "A3", "Letter"}).toStdString());
    options.maxPages = NumberBetween(parser, "max-pages", 1, 100000, 200);
    options.step = StepOf(parser);
    return options;
}

int RunListTemplates(const QCommandLineParser& parser, const NumberOptions& numbers, TemplateOptions options)
{
    if (!parser.isSet("output-dir"))
        throw EUsageError("--batch needs --output-dir, where its files go");
    const QString format = OneOf(parser, "format", kFormats);
    const QString folder = parser.value("output-dir");
    if (!QDir().mkpath(folder))
        throw EUsageError("cannot make the folder '" + folder.toStdString() + "'");

    ListInput input(parser.value("batch").toStdString());
    NoList none;
    OrderList orders({std::nullopt, numbers.decimalSeparator, numbers.decimals}, none);
    std::set<std::string> names;
    long long failed = 0;
    orders.WatchRows([&](const ListRow& row) {
        const std::string number = std::to_string(row.number);
        const std::string named = SafeName(row.mark);
        std::string name = named.empty() ? "row-" + number : named;
        if (!names.insert(name).second)
            name += "-row-" + number;
        names.insert(name);
        const std::string which = "row " + number + (row.mark.empty() ? "" : " (" + row.mark + ")");
        try {
            if (!row.message.empty())
                throw ETemplateError(row.message);
            options.title = row.mark.empty() ? which : row.mark;
            WriteTemplate(QDir(folder).filePath(QString::fromStdString(name + "." + format.toStdString())).toStdString(),
                          format, GeometryOf(*row.solution, row.piece), options);
        } catch (const ETemplateError& error) {
            ++failed;
            std::fprintf(stderr, "bendcalc: %s: %s\n", which.c_str(), error.Message().c_str());
        }
    });
    for (std::string_view piece = input.Read(); !piece.empty(); piece = input.Read())
        orders.Feed(piece);
    orders.Finish();
    return failed == 0 ? ExitCode::Ok : ExitCode::PaneFailed;
}

} // namespace

int RunTemplate(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(
        "Makes the drawing and the full-size template of a pane: a PDF with a drawing page and the template at 1:1 "
        "tiled over pages to tape together, an SVG sheet at 1:1 for a plotter, or a DXF in millimetres for cutting "
        "the mould.\n\n"
        "Exit codes: 0 made; 1 a pane that cannot be drawn, or a template over the page limit (no file is left "
        "behind; with --batch, the other rows are still made); 2 a command line that cannot be used."));
    parser.addPositionalArgument("template", "Make a drawing and template.", "template");
    AddPaneOptions(parser);
    AddNumberOptions(parser);
    AddTemplateOptions(parser);
    if (!ParseCommandLine(parser, arguments))
        return ExitCode::Ok;
    const NumberOptions numbers = ReadNumberOptions(parser);
    TemplateOptions options = OptionsOf(parser);
    if (parser.isSet("batch"))
        return RunListTemplates(parser, numbers, options);

    if (!parser.isSet("output"))
        throw EUsageError("template needs --output FILE (.pdf, .svg or .dxf) or --batch LIST");
    const QString output = parser.value("output");
    const QString format = QFileInfo(output).suffix().toLower();
    if (!kFormats.contains(format))
        throw EUsageError("the output's name must end in .pdf, .svg or .dxf, not '" + output.toStdString() + "'");
    const PaneOptions pane = ReadPaneOptions(parser);
    options.title = parser.value("mark").toStdString();
    const DecimalSeparatorScope separator(numbers.decimalSeparator);
    try {
        const PaneSolution solution = SolvePane(pane.texts, pane.piece, ResultPatterns::WithDecimals(numbers.decimals));
        WriteTemplate(output.toStdString(), format, GeometryOf(solution, pane.piece), options);
    } catch (const ETemplateError& error) {
        std::fprintf(stderr, "bendcalc: %s\n", error.Message().c_str());
        return ExitCode::PaneFailed;
    }
    return ExitCode::Ok;
}

int RunOrdinates(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(
        "Prints how high each face of a pane stands above its chord, at stations from the middle outwards and at "
        "the ends: the marks for a board when no printer is at hand.\n\n"
        "Exit codes: 0 printed; 1 a pane that cannot be drawn; 2 a command line that cannot be used."));
    parser.addPositionalArgument("ordinates", "Print the ordinates of a pane.", "ordinates");
    AddPaneOptions(parser);
    AddNumberOptions(parser);
    parser.addOption({"step", "Between the stations, mm (100 by default).", "mm", "100"});
    parser.addOption({"format", "table (the default) or csv.", "format", "table"});
    if (!ParseCommandLine(parser, arguments))
        return ExitCode::Ok;
    const PaneOptions pane = ReadPaneOptions(parser);
    const NumberOptions numbers = ReadNumberOptions(parser);
    const bool csv = OneOf(parser, "format", {"table", "csv"}) == "csv";
    const double step = StepOf(parser);
    const DecimalSeparatorScope separator(numbers.decimalSeparator);
    const std::string pattern = ResultPatterns::WithDecimals(numbers.decimals).length;
    try {
        const PaneSolution solution = SolvePane(pane.texts, pane.piece, ResultPatterns::WithDecimals(numbers.decimals));
        const PaneGeometry geometry = GeometryOf(solution, pane.piece);
        const Ordinates ordinates = OrdinatesOf(geometry, step);
        const char delimiter = numbers.decimalSeparator == ',' ? ';' : ',';
        std::vector<std::string> line = {csv ? "station" : "距中"};
        for (const PaneFace& face : ordinates.faces)
            line.push_back(csv ? FaceColumn(face) : FaceName(geometry, face));
        const auto print = [&] {
            for (std::size_t at = 0; at < line.size(); ++at) {
                if (csv)
                    std::printf("%s%s", at > 0 ? std::string(1, delimiter).c_str() : "", line[at].c_str());
                else
                    std::printf(at == 0 ? "%-10s" : "%20s", line[at].c_str());
            }
            std::printf("\n");
        };
        if (!csv)
            std::printf("纵坐标：各面高出弦线多少 (mm)，弦长 %s，左右对称\n", solution.fields[PaneField::Chord].c_str());
        print();
        for (const OrdinateRow& row : ordinates.rows) {
            line = {(csv ? "" : "±") + FormatFloat(pattern, row.station)};
            for (const std::optional<double>& height : row.heights)
                line.push_back(height ? FormatFloat(pattern, *height) : "");
            print();
        }
    } catch (const ETemplateError& error) {
        std::fprintf(stderr, "bendcalc: %s\n", error.Message().c_str());
        return ExitCode::PaneFailed;
    }
    return ExitCode::Ok;
}
