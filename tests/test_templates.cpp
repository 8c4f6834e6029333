// Drawings and templates read back with readers of their own: the DXF with
// ezdxf, the SVG with Python's XML parser, the PDF with poppler's pdfinfo,
// pdftotext and pdftoppm.
#include "support/program_run.h"

#include <QtTest>

#include <cmath>

namespace {

QJsonObject Facts(const QString& format, const QString& path)
{
    const ProgramRun read = RunProgram(SYSTEM_PYTHON, {READERS "/template_facts.py", format, path});
    return QJsonDocument::fromJson(read.output.toUtf8()).object();
}

// "FACES:1000,994 CUT_LINE:997": the radii of the arcs on each layer.
QMultiMap<QString, double> Radii(const QString& faces)
{
    QMultiMap<QString, double> radii;
    for (const QString& layer : faces.split(' ', Qt::SkipEmptyParts)) {
        for (const QString& radius : layer.section(':', 1).split(','))
            radii.insert(layer.section(':', 0, 0), radius.toDouble());
    }
    return radii;
}

// The dark pixels of a rendered page, 0 to 255 grey.
bool Dark(const QImage& page, int x, int y)
{
    return qGray(page.pixel(x, y)) < 128;
}

QImage Rendered(const QString& pdf, int page, const QString& folder)
{
    const QString stem = folder + "/page";
    RunProgram("pdftoppm", {"-r", "300", "-gray", "-f", QString::number(page), "-l", QString::number(page), pdf, stem});
    return QImage(QDir(folder).filePath(QDir(folder).entryList({"page*.pgm"}).value(0)));
}

constexpr double kDotsPerMm = 300 / 25.4;

} // namespace

class TestTemplates : public QObject {
    Q_OBJECT

private slots:
    void faces_data();
    void faces();
    void pages_data();
    void pages();
    void refused_data();
    void refused();
    void wholeList();
};

void TestTemplates::faces_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("pane");
    QTest::addColumn<QString>("faces");    // layer:radius,radius of the faces' arcs
    QTest::addColumn<double>("degrees");   // the central angle
    QTest::addColumn<double>("chord");
    QTest::addColumn<QString>("text");     // a text the window shows, on the drawing

    struct Case {
        const char* name;
        QStringList pane;
        const char* faces;
        double degrees;
        double chord;
        const char* text;
    };
    const Case cases[] = {
        {"worked example", {"--radius", "1000", "--degrees", "30", "--glass", "6"}, "FACES:1000,994 CUT_LINE:997",
         30, 517.638, "弦长 517.638"},
        {"shallow bend", {"--arc", "1000", "--chord", "990", "--glass", "5"}, "FACES:2038.172,2033.172 CUT_LINE:2035.672",
         28.111, 990, "拱高 61.022"},
        {"240 degrees", {"--rise", "1500", "--radius", "1000", "--glass", "10"}, "FACES:1000,990 CUT_LINE:995", 240,
         1732.051, "弧长 4188.790"},
        {"two-pane unit", {"--radius", "1000", "--degrees", "30", "--glass", "6", "--inner", "--spacer", "12",
                           "--piece-glass", "5"},
         "FACES:1000,994 CUT_LINE:997 SECOND_PANE:982,977", 30, 517.638, "内片下料量 512.865"},
        {"outer pane of a unit, decimal commas", {"--radius", "1000", "--degrees", "30", "--glass", "6", "--outer",
                                                  "--spacer", "12", "--piece-glass", "5", "--decimal-separator", ","},
         "FACES:1000,994 CUT_LINE:997 SECOND_PANE:1018,1013", 30, 517.638, "外片下料量 531,715"},
    };
    for (const char* format : {"dxf", "svg"}) {
        for (const Case& pane : cases)
            QTest::addRow("%s, %s", pane.name, format) << format << pane.pane << pane.faces << pane.degrees << pane.chord
                                                      << pane.text;
    }
}

// Every face an arc about one centre with the pane's radii, from one end of
// the pane to the other, to a thousandth of a millimetre.
void TestTemplates::faces()
{
    QFETCH(QString, format);
    QFETCH(QStringList, pane);
    QFETCH(QString, faces);
    QFETCH(double, degrees);
    QFETCH(double, chord);
    QFETCH(QString, text);

    QTemporaryDir folder;
    const QString path = folder.filePath("pane." + format);
    QCOMPARE(RunProgram(BENDCALC_PROGRAM, QStringList{"template", "-o", path} + pane).exitCode, 0);
    const QJsonObject facts = Facts(format, path);
    const QMultiMap<QString, double> expected = Radii(faces);

    const bool dxf = format == "dxf";
    if (dxf) {
        QCOMPARE(facts["units"].toInt(), 4);
        for (const char* layer : {"FACES", "CUT_LINE", "CHORD", "SECOND_PANE", "TEXTS"})
            QVERIFY(facts["layers"].toArray().contains(QString(layer)));
    } else {
        const QStringList box = facts["viewBox"].toString().split(' ');
        QCOMPARE(facts["width"].toString(), box.value(2) + "mm");
        QCOMPARE(facts["height"].toString(), box.value(3) + "mm");
    }
    QMultiMap<QString, double> found;
    QPointF centre;
    bool first = true;
    for (const QJsonValue& value : facts["arcs"].toArray()) {
        const QJsonObject arc = value.toObject();
        const QString layer = arc["layer"].toString().toUpper();
        if (!expected.contains(layer))
            continue;
        const double radius = arc["radius"].toDouble();
        found.insert(layer, radius);
        const QPointF at(arc["x"].toDouble(), arc["y"].toDouble());
        if (first)
            centre = at;
        first = false;
        QVERIFY2(QLineF(at, dxf ? QPointF(0, 0) : centre).length() < 0.001, qPrintable(layer));
        // The span of the face: its angles, or the chord between its ends.
        if (dxf) {
            QVERIFY(std::abs(arc["start"].toDouble() - (90 - degrees / 2)) * M_PI / 180 * radius < 0.001 + radius * 9e-6);
            QVERIFY(std::abs(arc["end"].toDouble() - (90 + degrees / 2)) * M_PI / 180 * radius < 0.001 + radius * 9e-6);
        } else {
            const double span = QLineF(arc["x1"].toDouble(), arc["y1"].toDouble(), arc["x2"].toDouble(),
                                       arc["y2"].toDouble()).length();
            QVERIFY(std::abs(span - 2 * radius * std::sin(degrees * M_PI / 360)) < 0.001 + radius * 9e-6);
            QCOMPARE(arc["large"].toInt(), degrees > 180 ? 1 : 0);
        }
    }
    for (const QString& layer : expected.uniqueKeys()) {
        QList<double> want = expected.values(layer);
        QList<double> got = found.values(layer);
        std::sort(want.begin(), want.end());
        std::sort(got.begin(), got.end());
        QCOMPARE(got.size(), want.size());
        for (qsizetype at = 0; at < want.size(); ++at)
            QVERIFY2(std::abs(got[at] - want[at]) < 0.001, qPrintable(QString::number(got[at], 'f', 6)));
    }
    bool chordFound = false;
    for (const QJsonValue& value : facts["lines"].toArray()) {
        const QJsonObject line = value.toObject();
        if (line["layer"].toString().toUpper() == "CHORD")
            chordFound = std::abs(QLineF(line["x1"].toDouble(), line["y1"].toDouble(), line["x2"].toDouble(),
                                         line["y2"].toDouble()).length() - chord) < 0.001;
    }
    QVERIFY(chordFound);
    QVERIFY2(QJsonDocument(facts["texts"].toArray()).toJson().contains(text.toUtf8()), qPrintable(text));
}

void TestTemplates::pages_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("pages");      // the drawing page and the template's
    QTest::addColumn<QString>("size");   // of a template page, pdfinfo's words
    QTest::addColumn<QString>("text");   // on the drawing page
    QTest::addColumn<double>("width");   // of a template page, mm

    QTest::newRow("worked example") << QStringList{"--radius", "1000", "--degrees", "30", "--glass", "6"} << 3
                                    << "842 x 595 pts (A4)" << "拱高 34.074" << 297.0;
    QTest::newRow("several pages of A3") << QStringList{"--radius", "1500", "--degrees", "90", "--glass", "8", "--paper", "A3"}
                                         << 13 << "1191 x 842 pts (A3)" << "弦长 2121.320" << 420.0;
    QTest::newRow("Letter") << QStringList{"--chord", "1000", "--rise", "100", "--paper", "Letter"} << 6
                            << "792 x 612 pts (letter)" << "半径 R1300.000" << 279.4;
}

// The page count and sizes; the check bar measures 100 mm; where two pages
// overlap both show the template in the same place, to a tenth of a
// millimetre.
void TestTemplates::pages()
{
    QFETCH(QStringList, options);
    QFETCH(int, pages);
    QFETCH(QString, size);
    QFETCH(QString, text);
    QFETCH(double, width);

    QTemporaryDir folder;
    const QString pdf = folder.filePath("template.pdf");
    QCOMPARE(RunProgram(BENDCALC_PROGRAM, QStringList{"template", "-o", pdf} + options).exitCode, 0);
    const QString info = RunProgram("pdfinfo", {"-f", "1", "-l", "2", pdf}).output;
    QVERIFY2(info.contains(QRegularExpression("Pages: +" + QString::number(pages) + "\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Page +2 size: +" + QRegularExpression::escape(size))), qPrintable(info));
    QVERIFY(RunProgram("pdftotext", {"-f", "1", "-l", "1", pdf, "-"}).output.contains(text));

    QTemporaryDir left;
    QTemporaryDir right;
    const QImage page = Rendered(pdf, 2, left.path());
    const QImage next = Rendered(pdf, 3, right.path());
    QVERIFY(!page.isNull() && !next.isNull());

    // The check bar's end ticks, 2 mm above its line, 100 mm apart.
    const int barRow = int((page.height() / kDotsPerMm - 10 - 18 + 13 - 2) * kDotsPerMm);
    QList<int> ticks;
    for (int x = int(5 * kDotsPerMm); x < int(112 * kDotsPerMm); ++x) {
        if (Dark(page, x, barRow) && !Dark(page, x - 1, barRow))
            ticks << x;
    }
    QCOMPARE(ticks.size(), 3);
    QVERIFY2(std::abs((ticks.last() - ticks.first()) / kDotsPerMm - 100) < 0.1, qPrintable(QString::number(ticks.last())));

    // Pages 2 and 3 are neighbours in a row: the strip both show must agree,
    // the template's arcs and marks in the same places.
    const int overlap = int(10 * kDotsPerMm);
    const int tileWidth = int((width - 20) * kDotsPerMm);
    const QRect strip(int(10 * kDotsPerMm) + tileWidth - overlap + 6, int(12 * kDotsPerMm), overlap - 12,
                      page.height() - int(50 * kDotsPerMm));
    int best = 99;
    int bestMismatch = INT_MAX;
    int ink = 0;
    for (int shift = -4; shift <= 4; ++shift) {
        int mismatch = 0;
        for (int y = strip.top(); y < strip.bottom(); y += 2) {
            for (int x = strip.left(); x < strip.right(); ++x) {
                const bool here = Dark(page, x, y);
                ink += shift == 0 && here;
                mismatch += here != Dark(next, x - (strip.left() - int(10 * kDotsPerMm) - 6) + shift, y);
            }
        }
        if (mismatch < bestMismatch) {
            bestMismatch = mismatch;
            best = shift;
        }
    }
    QVERIFY2(ink > 100, "nothing of the template in the overlap");
    QVERIFY2(std::abs(best) <= 1, qPrintable(QString::number(best)));
}

void TestTemplates::refused_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("error");

    QTest::newRow("a negative radius") << QStringList{"--arc", "500", "--radius", "-1000"}
                                       << "bendcalc: a template needs a positive radius, not -1000.000\n";
    QTest::newRow("an angle of 360 degrees or more") << QStringList{"--radius", "1000", "--degrees", "400"}
                                                     << "bendcalc: a template needs a central angle above 0 and below "
                                                        "360 degrees, not 400.000\n";
    QTest::newRow("glass as thick as the radius") << QStringList{"--radius", "10", "--degrees", "30", "--glass", "12"}
                                                  << "bendcalc: the glass thickness 12.000 must be smaller than the "
                                                     "radius 10.000\n";
    QTest::newRow("too few") << QStringList{"--radius", "1000"} << "bendcalc: 已知项不够，请重输！\n";
    QTest::newRow("no room for the inner pane")
        << QStringList{"--radius", "20", "--degrees", "30", "--glass", "6", "--inner", "--spacer", "12", "--piece-glass", "5"}
        << "bendcalc: the second pane's radius 2.000 leaves no room for its glass thickness 5.000\n";
    QTest::newRow("more pages than allowed") << QStringList{"--radius", "3000", "--degrees", "120", "--max-pages", "20"}
                                             << "bendcalc: the 1:1 template would take 200 pages of A4, more than 20 "
                                                "(--max-pages raises the limit)\n";
}

// A pane that cannot be drawn leaves no file at all.
void TestTemplates::refused()
{
    QFETCH(QStringList, options);
    QFETCH(QString, error);

    QTemporaryDir folder;
    const ProgramRun run = RunProgram(BENDCALC_PROGRAM, QStringList{"template", "-o", folder.filePath("pane.pdf")} + options);
    QCOMPARE(run.error, error);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(QDir(folder.path()).isEmpty());
}

// One file a row, named from the mark; a row that fails is said and the
// others are still made.
void TestTemplates::wholeList()
{
    QTemporaryDir folder;
    QFile list(folder.filePath("order.csv"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("mark,radius,degrees,glass\nW/01,1000,30,6\n,1200,45,6\nW-03,1200\n");
    list.close();
    const ProgramRun run = RunProgram(BENDCALC_PROGRAM, {"template", "--batch", list.fileName(), "--output-dir",
                                             folder.filePath("out"), "--format", "dxf"});
    QCOMPARE(run.error, QString("bendcalc: row 3 (W-03): 已知项不够，请重输！\n"));
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QDir(folder.filePath("out")).entryList(QDir::Files), QStringList({"row-2.dxf", "W_01.dxf"}));
}

QTEST_MAIN(TestTemplates)
#include "test_templates.moc"
