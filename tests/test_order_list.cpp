// Order lists: every row computed as the window computes a pane, whole files
// as people have them, and the window itself giving the same texts.
#include "batch/csv_reader.h"
#include "batch/list_error.h"
#include "batch/order_list.h"
#include "batch/string_sink.h"
#include "support/calculator_fixture.h"

#include <QtTest>

namespace {

const QStringList kInputColumns = {"mark", "arc", "chord", "radius", "rise", "degrees", "radians", "glass",
                                   "cut_length", "piece", "spacer", "piece_glass"};
const QStringList kSingleResults = {"arc", "chord", "radius", "rise", "degrees", "radians", "cut_length"};
const QStringList kPieceResults = {"piece_arc", "piece_chord", "piece_radius", "piece_rise", "piece_cut_length"};
// The window's field for each column, and the box that asks for each piece.
const QHash<QString, QString> kWindowFields = {
    {"arc", "hcedit"},       {"chord", "xcedit"},        {"radius", "bjedit"},      {"rise", "ggedit"},
    {"degrees", "jdedit"},   {"radians", "hdedit"},      {"glass", "blhdedit"},     {"cut_length", "xlledit"},
    {"spacer", "ltEdit"},    {"piece_glass", "blhdedit2"}, {"piece_arc", "hcedit2"}, {"piece_chord", "xcedit2"},
    {"piece_radius", "bjedit2"}, {"piece_rise", "ggedit2"}, {"piece_cut_length", "xlledit2"}};

// The completed list, or the message of the error that stopped it.
QByteArray Completed(const QByteArray& list, const ListOptions& options = {})
{
    StringSink completed;
    try {
        OrderList orders(options, completed);
        orders.Feed(list.toStdString());
        orders.Finish();
    } catch (const EOrderListError& error) {
        return "error: " + QByteArray::fromStdString(error.Message());
    }
    return QByteArray::fromStdString(completed.Bytes());
}

// One row of a list with every input column, "name=text ..." (%20 a space),
// completed; the cells by column name.
QHash<QString, QString> CompletedRow(const QString& entered)
{
    QHash<QString, QString> given;
    for (const QString& entry : entered.split(' ', Qt::SkipEmptyParts))
        given[entry.section('=', 0, 0)] = entry.section('=', 1).replace("%20", " ");
    QStringList cells;
    for (const QString& column : kInputColumns)
        cells << given.value(column);
    std::vector<std::vector<std::string>> records;
    CsvReader reader(',', [&](std::span<const std::string> fields) { records.emplace_back(fields.begin(), fields.end()); });
    reader.Feed(Completed((kInputColumns.join(',') + "\n" + cells.join(',') + "\n").toUtf8()).toStdString());
    reader.Finish();
    QHash<QString, QString> row;
    for (std::size_t at = 0; records.size() == 2 && at < records[0].size(); ++at)
        row[QString::fromStdString(records[0][at])] = QString::fromStdString(records[1][at]);
    return row;
}

QString Joined(const QHash<QString, QString>& row, const QStringList& names)
{
    QStringList texts;
    for (const QString& name : names)
        texts << row.value(name);
    return texts.join(' ');
}

} // namespace

class TestOrderList : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void sameAsTheWindow_data() { rows_data(); }
    void sameAsTheWindow();
    void files_data();
    void files();
};

void TestOrderList::rows_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("single");   // arc chord radius rise degrees radians cut_length afterwards
    QTest::addColumn<QString>("piece");    // the piece's five results
    QTest::addColumn<QString>("message");  // none: status ok

    QTest::newRow("1 arc and radius") << "arc=500 radius=1000 glass=6"
                                      << "500.000 494.808 1000.000 31.088 28.648 0.5000 498.500" << "    " << "";
    QTest::newRow("2 chord and rise, more than a semicircle")
        << "chord=1000 rise=800" << "2252.138 1000.000 556.250 800.000 231.978 4.0488 0.000" << "    " << "";
    QTest::newRow("3 chord and radius") << "chord=1000 radius=1000"
                                        << "1047.198 1000.000 1000.000 133.975 60.000 1.0472 0.000" << "    " << "";
    QTest::newRow("4 rise and radius") << "rise=100 radius=1000"
                                       << "902.054 871.780 1000.000 100.000 51.684 0.9021 0.000" << "    " << "";
    QTest::newRow("5 arc and degrees") << "arc=1000 degrees=60"
                                       << "1000.000 954.930 954.930 127.936 60.000 1.0472 0.000" << "    " << "";
    QTest::newRow("6 chord and degrees past a half circle")
        << "chord=1000 degrees=200" << "1772.254 1000.000 507.713 595.877 200.000 3.4907 0.000" << "    " << "";
    QTest::newRow("7 radius and degrees") << "radius=1000 degrees=30 glass=6"
                                          << "523.599 517.638 1000.000 34.074 30.000 0.5236 522.028" << "    " << "";
    QTest::newRow("8 arc and radians") << "arc=1000 radians=1 glass=10"
                                       << "1000.000 958.851 1000.000 122.417 57.296 1.0000 995.000" << "    " << "";
    QTest::newRow("9 chord and radians") << "chord=1000 radians=1"
                                         << "1042.915 1000.000 1042.915 127.671 57.296 1.0000 0.000" << "    " << "";
    QTest::newRow("10 radius and radians") << "radius=1000 radians=1"
                                           << "1000.000 958.851 1000.000 122.417 57.296 1.0000 0.000" << "    " << "";
    QTest::newRow("11 rise and degrees") << "rise=100 degrees=60"
                                         << "781.639 746.410 746.410 100.000 60.000 1.0472 0.000" << "    " << "";
    QTest::newRow("12 rise and radians") << "rise=100 radians=1"
                                         << "816.877 783.263 816.877 100.000 57.296 1.0000 0.000" << "    " << "";
    QTest::newRow("13 arc and chord") << "arc=1000 chord=900"
                                      << "1000.000 900.000 635.580 186.735 90.147 1.5734 0.000" << "    " << "";
    QTest::newRow("13 shallow, the search's first angle")
        << "arc=1000 chord=990" << "1000.000 990.000 2038.172 61.022 28.111 0.4906 0.000" << "    " << "";
    QTest::newRow("13 190 degrees, stepped over")
        << "arc=3316.126 chord=1992.389" << "3316.126 1992.389 1000.000 1087.156 190.000 3.3161 0.000" << "    " << "";
    QTest::newRow("14 arc and rise") << "arc=1000 rise=200"
                                     << "1000.000 883.872 588.270 200.000 97.397 1.6999 0.000" << "    " << "";
    QTest::newRow("a negative radius is given") << "arc=500 radius=-1000"
                                                << "500.000 494.808 -1000.000 -31.088 -28.648 -0.5000 0.000" << "    "
                                                << "";
    QTest::newRow("spaces around a number") << "arc=%20500%20 radius=1000"
                                            << "500.000 494.808 1000.000 31.088 28.648 0.5000 0.000" << "    " << "";
    QTest::newRow("without glass the cut length stays") << "radius=1000 degrees=30 cut_length=12.3456"
                                                        << "523.599 517.638 1000.000 34.074 30.000 0.5236 12.346"
                                                        << "    " << "";
    QTest::newRow("inner piece") << "radius=1000 degrees=30 glass=6 piece=inner spacer=12 piece_glass=5"
                                 << "523.599 517.638 1000.000 34.074 30.000 0.5236 522.028"
                                 << "514.174 508.321 982.000 33.461 512.865" << "";
    QTest::newRow("outer piece, in Chinese") << "radius=1000 degrees=30 glass=6 piece=外片 spacer=12 piece_glass=5"
                                             << "523.599 517.638 1000.000 34.074 30.000 0.5236 522.028"
                                             << "533.024 526.956 1018.000 34.688 531.715" << "";
    QTest::newRow("piece thicknesses empty") << "radius=1000 degrees=30 piece=Inner"
                                             << "523.599 517.638 1000.000 34.074 30.000 0.5236 0.000"
                                             << "523.599 517.638 1000.000 34.074 0.000" << "";

    QTest::newRow("too few") << "radius=1000" << "  1000    " << "    " << "已知项不够，请重输！";
    QTest::newRow("degrees and radians alone") << "degrees=60 radians=1" << "    60 1 " << "    "
                                               << "已知项不够，请重输！";
    QTest::newRow("more than two") << "arc=500 chord=400 radius=1000" << "500 400 1000    " << "    "
                                   << "more than two of arc, chord, radius, rise, degrees and radians are given";
    QTest::newRow("chord longer than the arc") << "arc=1000 chord=1100" << "1000 1100     " << "    "
                                               << "计算错误，请重输！";
    QTest::newRow("chord longer than the diameter") << "chord=2500 radius=1000" << " 2500 1000    " << "    "
                                                    << "Invalid floating point operation.";
    QTest::newRow("rise with 720 degrees") << "rise=100 degrees=720" << "   100 720  " << "    "
                                           << "Floating point division by zero.";
    QTest::newRow("beyond the double range") << "arc=1e500 radius=1000" << "1e500  1000    " << "    "
                                             << "Floating point overflow.";
    QTest::newRow("two decimal points") << "radius=1000 degrees=30 glass=6..5" << "  1000  30  " << "    "
                                        << "'6..5' is not a valid floating point value.";
    QTest::newRow("a bad cut length, which never counts") << "radius=1000 degrees=30 cut_length=x"
                                                          << "  1000  30  x" << "    "
                                                          << "'x' is not a valid floating point value.";
    QTest::newRow("a bad spacer") << "radius=1000 degrees=30 piece=outer spacer=1.2.3" << "  1000  30  " << "    "
                                  << "'1.2.3' is not a valid floating point value.";
    QTest::newRow("spacer and glass use up the radius") << "radius=18 degrees=30 glass=6 piece=inner spacer=12"
                                                        << "  18  30  " << "    " << "已知项不够，请重输！";
    QTest::newRow("a piece that is neither") << "radius=1000 degrees=30 piece=middle" << "  1000  30  " << "    "
                                             << "'middle' is no piece: inner or outer";
}

void TestOrderList::rows()
{
    QFETCH(QString, entered);
    QFETCH(QString, single);
    QFETCH(QString, piece);
    QFETCH(QString, message);

    const QHash<QString, QString> row = CompletedRow(entered);
    QCOMPARE(Joined(row, kSingleResults), single);
    QCOMPARE(Joined(row, kPieceResults), piece);
    QCOMPARE(row.value("status"), message.isEmpty() ? "ok" : "error");
    QCOMPARE(row.value("message"), message);
}

// The window, typed into and clicked as a person does, shows the very texts
// the list holds.
void TestOrderList::sameAsTheWindow()
{
    QFETCH(QString, entered);
    QFETCH(QString, message);
    if (!message.isEmpty())
        QSKIP("the window shows boxes instead");

    const QHash<QString, QString> row = CompletedRow(entered);
    CalculatorFixture window;
    QStringList fields;
    for (const QString& entry : entered.split(' ', Qt::SkipEmptyParts)) {
        const QString column = entry.section('=', 0, 0);
        if (column == "piece")
            window.Click(entry.section('=', 1).compare("inner", Qt::CaseInsensitive) == 0 ? "CheckBox1" : "CheckBox2");
        else
            fields << kWindowFields[column] + "=" + entry.section('=', 1);
    }
    window.Enter(fields.join(' '));
    window.Click("Button1");

    const bool piece = row.value("piece").size() > 0;
    for (const QString& column : kSingleResults + (piece ? kPieceResults : QStringList()))
        QCOMPARE(window.Field(kWindowFields[column])->text(), row.value(column));
}

void TestOrderList::files_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("completed");  // or "error: " and the message
    QTest::addColumn<char>("separator");

    const QByteArray added = ",piece_arc,piece_chord,piece_radius,piece_rise,piece_cut_length,status,message";
    const QByteArray chineseAdded = "片弧长;片弦长;片半径;片拱高;片下料量;状态;说明";
    QTest::newRow("unknown columns pass through, missing results are added")
        << QByteArray("note,radius,degrees,glass\nfirst,1000,30,6\n")
        << "note,radius,degrees,glass,arc,chord,rise,radians,cut_length" + added +
               "\nfirst,1000.000,30.000,6,523.599,517.638,34.074,0.5236,522.028,,,,,,ok,\n"
        << '.';
    QTest::newRow("CR LF line ends kept, a last line without one")
        << QByteArray("radius,degrees\r\n1000,30") << "radius,degrees,arc,chord,rise,radians,cut_length" + added +
                                                           "\r\n1000.000,30.000,523.599,517.638,34.074,0.5236,0.000,,,,,,ok,\r\n"
        << '.';
    QTest::newRow("quoted fields, doubled quotes and line breaks inside quotes")
        << QByteArray("mark,arc,radius\n\"A \"\"1\"\",\nsecond line\",\"500\",1000\n")
        << "mark,arc,radius,chord,rise,degrees,radians,cut_length" + added +
               "\n\"A \"\"1\"\",\nsecond line\",500.000,1000.000,494.808,31.088,28.648,0.5000,0.000,,,,,,ok,\n"
        << '.';
    QTest::newRow("short and long rows") << QByteArray("radius,degrees,glass\n1000\n1000,30,6,extra,more\n")
                                         << "radius,degrees,glass,arc,chord,rise,radians,cut_length" + added +
                                                "\n1000,,,,,,,,,,,,,error,已知项不够，请重输！\n"
                                                "1000.000,30.000,6,523.599,517.638,34.074,0.5236,522.028,,,,,,ok,,extra,"
                                                "more\n"
                                         << '.';
    QTest::newRow("tab delimiter, case and spaces in the names")
        << QByteArray(" Radius \tDEGREES\n1000\t30\n")
        << QByteArray(" Radius \tDEGREES\tarc\tchord\trise\tradians\tcut_length\tpiece_arc\tpiece_chord\tpiece_radius\tpiece_rise"
           "\tpiece_cut_length\tstatus\tmessage\n1000.000\t30.000\t523.599\t517.638\t34.074\t0.5236\t0.000\t\t\t\t\t\tok\t\n")
        << '.';
    QTest::newRow("Chinese header, semicolons, decimal commas, byte-order mark")
        << QByteArray("\xEF\xBB\xBF半径;圆心角角度;玻璃厚度\n1000;30,5;5,5\n")
        << "\xEF\xBB\xBF半径;圆心角角度;玻璃厚度;弧长;弦长;拱高;圆心角弧度;下料量;" + chineseAdded +
               "\n1000,000;30,500;5,5;532,325;526,062;35,213;0,5323;530,862;;;;;;ok;\n"
        << ',';
    QTest::newRow("Chinese header in UTF-8 without a mark")
        << QByteArray("弧长,半径\n500,1000\n")
        << QByteArray("弧长,半径,弦长,拱高,圆心角角度,圆心角弧度,下料量,片弧长,片弦长,片半径,片拱高,片下料量,状态,说明\n"
                      "500.000,1000.000,494.808,31.088,28.648,0.5000,0.000,,,,,,ok,\n")
        << '.';
    QTest::newRow("Chinese header in GBK, written back in GBK")
        << QByteArray("\xB0\xEB\xBE\xB6;\xD4\xB2\xD0\xC4\xBD\xC7\xBD\xC7\xB6\xC8\n1000;\n")  // 半径;圆心角角度
        << QByteArray("\xB0\xEB\xBE\xB6;\xD4\xB2\xD0\xC4\xBD\xC7\xBD\xC7\xB6\xC8;\xBB\xA1\xB3\xA4;\xCF\xD2\xB3\xA4;\xB9\xB0\xB8\xDF;"
           "\xD4\xB2\xD0\xC4\xBD\xC7\xBB\xA1\xB6\xC8;\xCF\xC2\xC1\xCF\xC1\xBF;\xC6\xAC\xBB\xA1\xB3\xA4;\xC6\xAC\xCF\xD2"
           "\xB3\xA4;\xC6\xAC\xB0\xEB\xBE\xB6;\xC6\xAC\xB9\xB0\xB8\xDF;\xC6\xAC\xCF\xC2\xC1\xCF\xC1\xBF;\xD7\xB4\xCC\xAC;"
           "\xCB\xB5\xC3\xF7\n1000;;;;;;;;;;;;error;\xD2\xD1\xD6\xAA\xCF\xEE\xB2\xBB\xB9\xBB\xA3\xAC\xC7\xEB\xD6\xD8\xCA"
           "\xE4\xA3\xA1\n")
        << '.';
    QTest::newRow("our own columns filled in place") << QByteArray("radius,degrees,status,message\n1000,30,old,old\n")
                                                     << QByteArray("radius,degrees,status,message,arc,chord,rise,radians,cut_length"
                                                        ",piece_arc,piece_chord,piece_radius,piece_rise,piece_cut_length\n"
                                                        "1000.000,30.000,ok,,523.599,517.638,34.074,0.5236,0.000,,,,,\n")
                                                     << '.';
    QTest::newRow("a quote inside a name, and semicolons in one")
        << QByteArray("size \"A\",\"x;y\",radius,degrees\n,,1000,30\n")
        << "\"size \"\"A\"\"\",\"x;y\",radius,degrees,arc,chord,rise,radians,cut_length" + added +
               "\n,,1000.000,30.000,523.599,517.638,34.074,0.5236,0.000,,,,,,ok,\n"
        << '.';
    QTest::newRow("a blank line is no record") << QByteArray("radius,degrees\n\n1000,30\n\n")
                                               << "radius,degrees,arc,chord,rise,radians,cut_length" + added +
                                                      "\n1000.000,30.000,523.599,517.638,34.074,0.5236,0.000,,,,,,ok,\n"
                                               << '.';

    QTest::newRow("an empty file") << QByteArray() << QByteArray("error: not a CSV: the list is empty") << '.';
    QTest::newRow("binary data") << QByteArray("\x7F" "ELF\0\0\1", 7)
                                 << QByteArray("error: not a CSV: the list holds binary data") << '.';
    QTest::newRow("no known column") << QByteArray("width;height\n1;2\n")
                                     << QByteArray("error: no known column: the header names none of arc, chord, "
                                                   "radius, rise, degrees, radians (弧长, 弦长, 半径, 拱高, 圆心角角度, "
                                                   "圆心角弧度)")
                                     << '.';
    QTest::newRow("a column named twice") << QByteArray("arc,弧长\n1,2\n")
                                          << QByteArray("error: the column arc (弧长) is named twice") << '.';
    QTest::newRow("decimal commas in a comma list")
        << QByteArray("radius,degrees\n1000,30\n")
        << QByteArray("error: the decimal separator \",\" cannot be read in a list whose delimiter is \",\"") << ',';
}

void TestOrderList::files()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, completed);
    QFETCH(char, separator);

    ListOptions options;
    options.decimalSeparator = separator;
    QCOMPARE(Completed(list, options), completed);
}

QTEST_MAIN(TestOrderList)
#include "test_order_list.moc"
