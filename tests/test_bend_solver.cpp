// SolveBend: the fourteen cases, the searches as the solver uses them, the
// mended arcs, the too-few path and the floating-point faults.
#include "app/errors.h"
#include "core/bend_solver.h"
#include "support/recording_boxes.h"

#include <QtTest>

#include <cfenv>
#include <cmath>

namespace {

BendValues Record(double hc, double xc, double bj, double gg, double jd, double hd, double xll = 0, double blhd = 0)
{
    BendValues v;
    v.hc = hc;
    v.xc = xc;
    v.bj = bj;
    v.gg = gg;
    v.jd = jd;
    v.hd = hd;
    v.xll = xll;
    v.blhd = blhd;
    return v;
}

// The record as the calculator shows it: three decimals, radians four.
QString Shown(const BendValues& v)
{
    const auto f3 = [](double x) { return QString::number(x, 'f', 3); };
    return QStringList{f3(v.hc), f3(v.xc), f3(v.bj), f3(v.gg), f3(v.jd), QString::number(v.hd, 'f', 4), f3(v.xll)}.join(' ');
}

bool SameBits(const BendValues& a, const BendValues& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

Q_DECLARE_METATYPE(BendValues)

class TestBendSolver : public QObject {
    Q_OBJECT

private slots:
    void completesTheArc_data();
    void completesTheArc();
    void tooFewKnown_data();
    void tooFewKnown();
    void noArcForTheSearch_data();
    void noArcForTheSearch();
    void floatingPointFaults_data();
    void floatingPointFaults();
    void givenQuantitiesAgreeWithResult_data();
    void givenQuantitiesAgreeWithResult();
    void unreducibleSineGivesZero();
    void thicknessZeroKeepsCutLength();
    void flagsLeftByTheCallerAreNoError();
    void goodInputAfterAFault();
};

void TestBendSolver::completesTheArc_data()
{
    QTest::addColumn<BendValues>("given");
    QTest::addColumn<QString>("shown");  // hc xc bj gg jd hd xll

    QTest::newRow("1 arc and radius, thickness 6") << Record(500, 0, 1000, 0, 0, 0, 0, 6)
        << "500.000 494.808 1000.000 31.088 28.648 0.5000 498.500";
    QTest::newRow("2 chord and rise") << Record(0, 1000, 0, 100, 0, 0)
        << "1026.457 1000.000 1300.000 100.000 45.240 0.7896 0.000";
    QTest::newRow("2 chord and rise, more than a semicircle") << Record(0, 1000, 0, 800, 0, 0)
        << "2252.138 1000.000 556.250 800.000 231.978 4.0488 0.000";
    QTest::newRow("2 chord and rise, exactly a semicircle") << Record(0, 1000, 0, 500, 0, 0)
        << "1570.796 1000.000 500.000 500.000 180.000 3.1416 0.000";
    QTest::newRow("3 chord and radius") << Record(0, 1000, 1000, 0, 0, 0)
        << "1047.198 1000.000 1000.000 133.975 60.000 1.0472 0.000";
    QTest::newRow("4 rise and radius") << Record(0, 0, 1000, 100, 0, 0)
        << "902.054 871.780 1000.000 100.000 51.684 0.9021 0.000";
    QTest::newRow("4 rise above the radius") << Record(0, 0, 1000, 1500, 0, 0)
        << "4188.790 1732.051 1000.000 1500.000 240.000 4.1888 0.000";
    QTest::newRow("5 arc and degrees") << Record(1000, 0, 0, 0, 60, 0)
        << "1000.000 954.930 954.930 127.936 60.000 1.0472 0.000";
    QTest::newRow("6 chord and degrees") << Record(0, 1000, 0, 0, 60, 0)
        << "1047.198 1000.000 1000.000 133.975 60.000 1.0472 0.000";
    QTest::newRow("6 chord and degrees past a half circle") << Record(0, 1000, 0, 0, 200, 0)
        << "1772.254 1000.000 507.713 595.877 200.000 3.4907 0.000";
    QTest::newRow("7 radius and degrees") << Record(0, 0, 1000, 0, 90, 0)
        << "1570.796 1414.214 1000.000 292.893 90.000 1.5708 0.000";
    QTest::newRow("7 angle above 360") << Record(0, 0, 1000, 0, 400, 0)
        << "6981.317 -684.040 1000.000 1939.693 400.000 6.9813 0.000";
    QTest::newRow("8 arc and radians, thickness 10") << Record(1000, 0, 0, 0, 0, 1, 0, 10)
        << "1000.000 958.851 1000.000 122.417 57.296 1.0000 995.000";
    QTest::newRow("9 chord and radians") << Record(0, 1000, 0, 0, 0, 1)
        << "1042.915 1000.000 1042.915 127.671 57.296 1.0000 0.000";
    QTest::newRow("9 chord and radians past a half circle") << Record(0, 1000, 0, 0, 0, 3.490658503988659)
        << "1772.254 1000.000 507.713 595.877 200.000 3.4907 0.000";
    QTest::newRow("10 radius and radians") << Record(0, 0, 1000, 0, 0, 1)
        << "1000.000 958.851 1000.000 122.417 57.296 1.0000 0.000";
    QTest::newRow("11 rise and degrees") << Record(0, 0, 0, 100, 60, 0)
        << "781.639 746.410 746.410 100.000 60.000 1.0472 0.000";
    QTest::newRow("12 rise and radians") << Record(0, 0, 0, 100, 0, 1)
        << "816.877 783.263 816.877 100.000 57.296 1.0000 0.000";
    QTest::newRow("13 arc and chord") << Record(1000, 900, 0, 0, 0, 0)
        << "1000.000 900.000 635.580 186.735 90.147 1.5734 0.000";
    QTest::newRow("13 quarter circle by arc and chord") << Record(1570.796, 1414.214, 0, 0, 0, 0)
        << "1570.796 1414.214 1000.003 292.892 90.000 1.5708 0.000";
    QTest::newRow("13 shallow: arc 1000, chord 990") << Record(1000, 990, 0, 0, 0, 0)
        << "1000.000 990.000 2038.172 61.022 28.111 0.4906 0.000";
    QTest::newRow("13 190 degrees on radius 1000") << Record(3316.126, 1992.389, 0, 0, 0, 0)
        << "3316.126 1992.389 1000.000 1087.156 190.000 3.3161 0.000";
    QTest::newRow("13 200 degrees on radius 1000") << Record(3490.659, 1969.616, 0, 0, 0, 0)
        << "3490.659 1969.616 1000.000 1173.648 200.000 3.4907 0.000";
    QTest::newRow("14 arc and rise") << Record(1000, 0, 0, 200, 0, 0)
        << "1000.000 883.872 588.270 200.000 97.397 1.6999 0.000";
    QTest::newRow("14 quarter circle by arc and rise") << Record(1570.796, 0, 0, 292.893, 0, 0)
        << "1570.796 1414.214 1000.004 292.893 90.000 1.5708 0.000";
    QTest::newRow("14 shallow: arc 1000, rise 50") << Record(1000, 0, 0, 50, 0, 0)
        << "1000.000 993.302 2491.622 50.000 22.995 0.4013 0.000";
    QTest::newRow("radius, degrees and radians: degrees win") << Record(0, 0, 1000, 0, 90, 1)
        << "1570.796 1414.214 1000.000 292.893 90.000 1.5708 0.000";
    QTest::newRow("a third quantity is overwritten") << Record(500, 1, 1000, 0, 0, 0)
        << "500.000 494.808 1000.000 31.088 28.648 0.5000 0.000";
    QTest::newRow("negative radius is given") << Record(500, 0, -1000, 0, 0, 0)
        << "500.000 494.808 -1000.000 -31.088 -28.648 -0.5000 0.000";
}

void TestBendSolver::completesTheArc()
{
    QFETCH(BendValues, given);
    QFETCH(QString, shown);

    RecordingBoxes owner;
    BendValues v = given;
    SolveBend(v, owner);
    QCOMPARE(Shown(v), shown);
    QVERIFY(owner.boxes.empty());
    QCOMPARE(v.blhd, given.blhd);
}

void TestBendSolver::tooFewKnown_data()
{
    QTest::addColumn<BendValues>("given");

    QTest::newRow("nothing") << Record(0, 0, 0, 0, 0, 0);
    QTest::newRow("only the radius, with cut length and thickness") << Record(0, 0, 1000, 0, 0, 0, 522.028, 6);
    QTest::newRow("degrees and radians") << Record(0, 0, 0, 0, 60, 1);
    QTest::newRow("negative zero is not given") << Record(-0.0, 0, 1000, 0, 0, 0);
}

void TestBendSolver::tooFewKnown()
{
    QFETCH(BendValues, given);

    RecordingBoxes owner;
    BendValues v = given;
    SolveBend(v, owner);
    QVERIFY(SameBits(v, given));
    QCOMPARE(owner.boxes.size(), size_t(1));
    QCOMPARE(owner.boxes[0].text, std::string("已知项不够，请重输！"));
    QCOMPARE(owner.boxes[0].caption, std::string("输入错误"));
    QCOMPARE(owner.boxes[0].flags, 64);
}

void TestBendSolver::noArcForTheSearch_data()
{
    QTest::addColumn<BendValues>("given");

    QTest::newRow("chord longer than the arc") << Record(1000, 1100, 0, 0, 0, 0);
    QTest::newRow("chord equal to the arc") << Record(1000, 1000, 0, 0, 0, 0);
    QTest::newRow("chord a little longer than the arc") << Record(1000, 1001, 0, 0, 0, 0);
    QTest::newRow("chord of the opposite sign") << Record(1000, -500, 0, 0, 0, 0);
    QTest::newRow("rise above 0.3623 of the arc") << Record(100, 0, 0, 50, 0, 0);
    QTest::newRow("rise of the opposite sign") << Record(1000, 0, 0, -50, 0, 0);
}

void TestBendSolver::noArcForTheSearch()
{
    QFETCH(BendValues, given);

    RecordingBoxes owner;
    BendValues v = given;
    QVERIFY_THROWS_EXCEPTION(EAbort, SolveBend(v, owner));
    QCOMPARE(owner.boxes.size(), size_t(1));
    QCOMPARE(owner.boxes[0].text, std::string("计算错误，请重输！"));
    QCOMPARE(owner.boxes[0].caption, std::string("输入错误"));
    QCOMPARE(owner.boxes[0].flags, 64);
    // Only the search variable moved.
    BendValues expected = given;
    expected.hd = v.hd;
    QVERIFY(SameBits(v, expected));
}

void TestBendSolver::floatingPointFaults_data()
{
    QTest::addColumn<BendValues>("given");
    QTest::addColumn<QString>("error");
    QTest::addColumn<BendValues>("after");

    QTest::newRow("chord longer than the diameter") << Record(0, 2500, 1000, 0, 0, 0) << "EInvalidOp"
                                                    << Record(0, 2500, 1000, 0, 0, 0);
    QTest::newRow("rise above the diameter") << Record(0, 0, 1000, 2500, 0, 0) << "EInvalidOp"
                                             << Record(0, 0, 1000, 2500, 0, 0);
    QTest::newRow("rise against the radius") << Record(0, 0, 1000, -100, 0, 0) << "EInvalidOp"
                                             << Record(0, 0, 1000, -100, 0, 0);
    QTest::newRow("rise with 720 degrees") << Record(0, 0, 0, 100, 720, 0) << "EZeroDivide"
                                           << Record(0, 0, 0, 100, 720, 0);
    QTest::newRow("rise with a vanishing angle") << Record(0, 0, 0, 100, 1e-12, 0) << "EZeroDivide"
                                                 << Record(0, 0, 0, 100, 1e-12, 0);
    // The radius rule stores its huge result before the arc overflows.
    QTest::newRow("arc beyond the double range") << Record(0, 0, 1e308, 0, 1000, 0) << "EOverflow"
                                                 << Record(0, 0, 1e308, 0, 1000, 0);
    QTest::newRow("radius beyond the double range") << Record(1e308, 0, 0, 0, 1e-10, 0) << "EOverflow"
                                                    << Record(1e308, 0, 0, 0, 1e-10, 0);
    QTest::newRow("derived radius underflows, then divides") << Record(1e-300, 0, 0, 0, 1e300, 0) << "EZeroDivide"
                                                             << Record(1e-300, 0, 0, 0, 1e300, 0);
    QTest::newRow("radius from a chord over a vanishing angle") << Record(0, 1e308, 0, 0, 0, 1e-300) << "EOverflow"
                                                               << Record(0, 1e308, 0, 0, 57.295779513082323 * 1e-300, 1e-300);
}

void TestBendSolver::floatingPointFaults()
{
    QFETCH(BendValues, given);
    QFETCH(QString, error);
    QFETCH(BendValues, after);

    RecordingBoxes owner;
    BendValues v = given;
    QString raised;
    try {
        SolveBend(v, owner);
    } catch (const Exception& e) {
        raised = QString::fromStdString(e.ClassName());
    }
    QCOMPARE(raised, error);
    QVERIFY(owner.boxes.empty());
    QCOMPARE(Shown(v), Shown(after));
    QCOMPARE(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT & ~FE_UNDERFLOW), 0);
}

void TestBendSolver::givenQuantitiesAgreeWithResult_data()
{
    QTest::addColumn<BendValues>("given");

    QTest::newRow("shallow arc and chord") << Record(1000, 990, 0, 0, 0, 0);
    QTest::newRow("very shallow arc and chord") << Record(1000, 999.9, 0, 0, 0, 0);
    QTest::newRow("shallow arc and rise") << Record(1000, 0, 0, 50, 0, 0);
    QTest::newRow("very shallow arc and rise") << Record(1000, 0, 0, 0.5, 0, 0);
    QTest::newRow("190 degrees by arc and chord") << Record(3316.126, 1992.389, 0, 0, 0, 0);
    QTest::newRow("chord and rise past a half circle") << Record(0, 1000, 0, 800, 0, 0);
    QTest::newRow("chord and degrees past a half circle") << Record(0, 1000, 0, 0, 200, 0);
}

// The result reproduces the quantities it was given: the searches found the
// arc, and the mended rules took the right one of the two arcs.
void TestBendSolver::givenQuantitiesAgreeWithResult()
{
    QFETCH(BendValues, given);

    RecordingBoxes owner;
    BendValues v = given;
    SolveBend(v, owner);
    const double theta = v.hc / v.bj;
    QVERIFY(std::fabs(theta - v.hd) < 1e-12);
    QVERIFY(std::fabs(v.jd - v.hd * 180 / M_PI) < 1e-9);
    const double chord = 2 * v.bj * std::sin(theta / 2);
    const double rise = v.bj * (1 - std::cos(theta / 2));
    QVERIFY2(std::fabs(chord - v.xc) < 1e-6 * std::fabs(v.xc), qPrintable(QString::number(chord, 'g', 17)));
    QVERIFY2(std::fabs(rise - v.gg) < 1e-6 * std::fabs(v.gg), qPrintable(QString::number(rise, 'g', 17)));
}

// Half the arc over the radius is 2^63: the sine cannot be reduced and is 0.
void TestBendSolver::unreducibleSineGivesZero()
{
    RecordingBoxes owner;
    BendValues v = Record(0x1p64, 0, 1, 0, 0, 0);
    SolveBend(v, owner);
    QCOMPARE(v.xc, 0.0);
    QCOMPARE(v.gg, 1.0);
    QCOMPARE(v.hd, 0x1p64);
}

void TestBendSolver::thicknessZeroKeepsCutLength()
{
    RecordingBoxes owner;
    BendValues v = Record(0, 0, 1000, 0, 30, 0, 522.028, 0);
    SolveBend(v, owner);
    QCOMPARE(v.xll, 522.028);
    v = Record(0, 0, 1000, 0, 30, 0, 522.028, 6);
    SolveBend(v, owner);
    QCOMPARE(QString::number(v.xll, 'f', 3), QString("522.028"));
    QCOMPARE(v.blhd, 6.0);
}

void TestBendSolver::flagsLeftByTheCallerAreNoError()
{
    RecordingBoxes owner;
    BendValues v = Record(500, 0, 1000, 0, 0, 0, 0, 6);
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    SolveBend(v, owner);
    QCOMPARE(Shown(v), QString("500.000 494.808 1000.000 31.088 28.648 0.5000 498.500"));
}

void TestBendSolver::goodInputAfterAFault()
{
    RecordingBoxes owner;
    BendValues v = Record(0, 0, 0, 100, 720, 0);
    QVERIFY_THROWS_EXCEPTION(EZeroDivide, SolveBend(v, owner));
    v = Record(0, 0, 1000, 0, 30, 0, 0, 6);
    SolveBend(v, owner);
    QCOMPARE(Shown(v), QString("523.599 517.638 1000.000 34.074 30.000 0.5236 522.028"));
}

QTEST_APPLESS_MAIN(TestBendSolver)
#include "test_bend_solver.moc"
