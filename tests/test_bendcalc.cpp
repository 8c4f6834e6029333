// bendcalc as a shop uses it: its commands, what they print, their exit
// codes, and the completed list that appears only once it is whole.
#include "support/program_run.h"

#include <QtTest>

namespace {

ProgramRun Bendcalc(const QStringList& arguments, const QByteArray& input = {})
{
    return RunProgram(BENDCALC_PROGRAM, arguments, input);
}

} // namespace

class TestBendcalc : public QObject {
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void outputFile_data();
    void outputFile();
};

void TestBendcalc::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // what standard output holds
    QTest::addColumn<QString>("error");   // standard error, whole

    const QByteArray list = "mark,radius,degrees\nA,1000,30\nB,1000\n";
    QTest::newRow("solve: the worked example")
        << QStringList{"solve", "--radius", "1000", "--degrees", "30", "--glass", "6"} << QByteArray() << 0
        << "单片计算\n  弧长         523.599 mm\n  弦长         517.638 mm\n  半径        1000.000 mm\n"
           "  拱高          34.074 mm\n  圆心角角度    30.000 °\n  圆心角弧度    0.5236 rad\n"
           "  玻璃厚度           6 mm\n  下料量       522.028 mm\n"
        << "";
    QTest::newRow("solve: an outer piece")
        << QStringList{"solve", "--radius", "1000", "--degrees", "30", "--glass", "6", "--outer", "--spacer", "12",
                       "--piece-glass", "5"}
        << QByteArray() << 0 << "外片\n  弧长           533.024 mm\n  弦长           526.956 mm\n  半径          1018.000 mm\n"
        << "";
    QTest::newRow("solve: as a row of a list")
        << QStringList{"solve", "--arc", "1000", "--chord", "900", "--format", "csv"} << QByteArray() << 0
        << "1000.000,900.000,635.580,186.735,90.147,1.5734,,0.000,,,,,,,,,ok,\n" << "";
    QTest::newRow("solve: decimals and decimal commas")
        << QStringList{"solve", "--radius", "1000,5", "--degrees", "30", "--decimals", "1", "--decimal-separator", ","}
        << QByteArray() << 0 << "  弧长         523,9 mm\n" << "";
    QTest::newRow("solve: too few") << QStringList{"solve", "--radius", "1000"} << QByteArray() << 1 << ""
                                    << "bendcalc: 已知项不够，请重输！\n";
    QTest::newRow("solve: more than two")
        << QStringList{"solve", "--arc", "1", "--chord", "1", "--rise", "1"} << QByteArray() << 1 << ""
        << "bendcalc: more than two of arc, chord, radius, rise, degrees and radians are given\n";
    QTest::newRow("solve: a spacer without a unit") << QStringList{"solve", "--radius", "1", "--spacer", "12"}
                                                    << QByteArray() << 2 << ""
                                                    << "bendcalc: --spacer and --piece-glass belong to a unit: give "
                                                       "--inner or --outer\n";
    QTest::newRow("ordinates: the worked example as CSV")
        << QStringList{"ordinates", "--radius", "1000", "--degrees", "30", "--glass", "6", "--format", "csv"}
        << QByteArray() << 0
        << "station,convex,middle,concave\n0.000,34.074,31.074,28.074\n100.000,29.062,26.046,23.031\n"
           "200.000,13.870,10.808,7.746\n258.819,0.000,,\n"
        << "";
    QTest::newRow("ordinates: a step of nothing") << QStringList{"ordinates", "--radius", "1", "--degrees", "30",
                                                                 "--step", "0"}
                                                  << QByteArray() << 2 << ""
                                                  << "bendcalc: --step takes a length in millimetres above 0, not '0'\n";
    QTest::newRow("ordinates: a table") << QStringList{"ordinates", "--rise", "100", "--chord", "1000", "--step", "250"}
                                        << QByteArray() << 0 << "±250.000               75.735\n±500.000" << "";
    QTest::newRow("template: an output that is no template")
        << QStringList{"template", "--radius", "1", "--degrees", "1", "-o", "pane.png"} << QByteArray() << 2 << ""
        << "bendcalc: the output's name must end in .pdf, .svg or .dxf, not 'pane.png'\n";
    QTest::newRow("an unknown option") << QStringList{"solve", "--diameter", "1"} << QByteArray() << 2 << ""
                                       << "bendcalc: Unknown option 'diameter' (see bendcalc --help)\n";
    QTest::newRow("an unknown command") << QStringList{"draw"} << QByteArray() << 2 << ""
                                        << "bendcalc: unknown command 'draw' (see bendcalc --help)\n";
    QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << "Usage: bendcalc solve" << "";
    QTest::newRow("a command's help") << QStringList{"batch", "--help"} << QByteArray() << 0 << "Exit codes: 0" << "";
    QTest::newRow("batch: standard input, every row ok")
        << QStringList{"batch", "-"} << QByteArray("radius,degrees\n1000,30\n") << 0
        << "1000.000,30.000,523.599,517.638,34.074,0.5236,0.000,,,,,,ok,\n" << "";
    QTest::newRow("batch: four decimals") << QStringList{"batch", "-", "--decimals", "4"}
                                          << QByteArray("radius,degrees\n1000,30\n") << 0
                                          << "1000.0000,30.0000,523.5988,517.6381,34.0742,0.52360,0.0000," << "";
    QTest::newRow("batch: a row that fails") << QStringList{"batch", "-", "--quiet"} << list << 1
                                             << "B,1000,,,,,,,,,,,,error,已知项不够，请重输！\n" << "";
    QTest::newRow("batch: no such file") << QStringList{"batch", "/no/such/list.csv"} << QByteArray() << 2 << ""
                                         << "bendcalc: cannot open '/no/such/list.csv': No such file or directory\n";
    QTest::newRow("batch: an encoding it does not know") << QStringList{"batch", "-", "--encoding", "latin1"} << list
                                                         << 2 << ""
                                                         << "bendcalc: --encoding takes utf-8 or gbk, not 'latin1'\n";
    QTest::newRow("batch: too many decimals") << QStringList{"batch", "-", "--decimals", "12"} << list << 2 << ""
                                              << "bendcalc: --decimals takes a whole number from 1 to 9, not '12'\n";
    QTest::newRow("batch: not a list") << QStringList{"batch", "-"} << QByteArray("width\n1\n") << 2 << ""
                                       << "bendcalc: no known column: the header names none of arc, chord, radius, "
                                          "rise, degrees, radians (弧长, 弦长, 半径, 拱高, 圆心角角度, 圆心角弧度)\n";
}

void TestBendcalc::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);

    const ProgramRun run = Bendcalc(arguments, input);
    QCOMPARE(run.error, error);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.output.contains(output), qPrintable(run.output));
}

void TestBendcalc::outputFile_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("written");  // the output file afterwards

    QTest::newRow("a list completed") << QByteArray("radius,degrees\n1000,30\n") << 0
                                      << QByteArray("radius,degrees,arc,chord,rise,radians,cut_length,piece_arc,"
                                                    "piece_chord,piece_radius,piece_rise,piece_cut_length,status,"
                                                    "message\n1000.000,30.000,523.599,517.638,34.074,0.5236,0.000,,,,,,"
                                                    "ok,\n");
    QTest::newRow("a list that cannot be read leaves the file as it was") << QByteArray("arc,arc\n") << 2
                                                                          << QByteArray("earlier list\n");
}

void TestBendcalc::outputFile()
{
    QFETCH(QByteArray, list);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, written);

    QTemporaryDir folder;
    const QString path = folder.filePath("completed.csv");
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier list\n");
    earlier.close();

    QCOMPARE(Bendcalc({"batch", "-", "-o", path}, list).exitCode, exitCode);
    QFile completed(path);
    QVERIFY(completed.open(QIODevice::ReadOnly));
    QCOMPARE(completed.readAll(), written);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"completed.csv"});
}

QTEST_MAIN(TestBendcalc)
#include "test_bendcalc.moc"
