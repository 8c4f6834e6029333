// The angle searches: where the scan stops and after how many residuals, the
// fast scan against the step-by-step one, and the first sign change.
#include "core/angle_search.h"
#include "support/stepwise_angle_scan.h"

#include <QtTest>

#include <cmath>
#include <random>

Q_DECLARE_METATYPE(AngleSearchKind)

namespace {

QString Describe(const AngleSearchResult& r)
{
    return QString("%1 %2 %3").arg(QString::number(r.angle, 'g', 17)).arg(r.found).arg(r.residuals);
}

} // namespace

class TestAngleSearch : public QObject {
    Q_OBJECT

private slots:
    void stopsWhereTheStepsLand_data();
    void stopsWhereTheStepsLand();
    void fastScanMatchesStepwiseOnRandomInputs_data();
    void fastScanMatchesStepwiseOnRandomInputs();
    void firstSignChange_data();
    void firstSignChange();
};

void TestAngleSearch::stopsWhereTheStepsLand_data()
{
    QTest::addColumn<AngleSearchKind>("kind");
    QTest::addColumn<double>("hc");
    QTest::addColumn<double>("other");
    QTest::addColumn<QString>("angle");  // as the window shows radians, plus one digit
    QTest::addColumn<bool>("found");
    QTest::addColumn<qlonglong>("residuals");

    QTest::newRow("arc 1000, chord 900") << AngleSearchKind::Chord << 1000.0 << 900.0 << "1.573366" << true << 1573357LL;
    QTest::newRow("arc 1000, rise 200") << AngleSearchKind::Rise << 1000.0 << 200.0 << "1.699900" << true << 169990LL;
    QTest::newRow("quarter circle, arc and chord") << AngleSearchKind::Chord << 1570.796 << 1414.214 << "1.570792" << true << -1LL;
    QTest::newRow("quarter circle, arc and rise") << AngleSearchKind::Rise << 1570.796 << 292.893 << "1.570790" << true << -1LL;
    QTest::newRow("200 degrees, arc and chord") << AngleSearchKind::Chord << 3490.659 << 1969.616 << "3.490658" << true << -1LL;
    QTest::newRow("arc 1000, chord 1100 runs out") << AngleSearchKind::Chord << 1000.0 << 1100.0 << "6.290000" << false << 6289990LL;
    QTest::newRow("arc 100, rise 50 runs out") << AngleSearchKind::Rise << 100.0 << 50.0 << "6.290010" << false << 629000LL;
    QTest::newRow("190 degrees steps over its angle") << AngleSearchKind::Chord << 3316.126 << 1992.389 << "6.290000" << false << 6289990LL;
    QTest::newRow("shallow chord stops at once") << AngleSearchKind::Chord << 1000.0 << 990.0 << "0.000010" << true << 1LL;
    QTest::newRow("shallow rise stops at once") << AngleSearchKind::Rise << 1000.0 << 50.0 << "0.000010" << true << 1LL;
}

void TestAngleSearch::stopsWhereTheStepsLand()
{
    QFETCH(AngleSearchKind, kind);
    QFETCH(double, hc);
    QFETCH(double, other);
    QFETCH(QString, angle);
    QFETCH(bool, found);
    QFETCH(qlonglong, residuals);

    const AngleSearchResult fast = ScanAngle(kind, hc, other);
    QCOMPARE(QString::number(fast.angle, 'f', 6), angle);
    QCOMPARE(fast.found, found);
    if (residuals >= 0)
        QCOMPARE(fast.residuals, residuals);
    QCOMPARE(Describe(fast), Describe(ScanAngleStepwise(kind, hc, other)));
}

void TestAngleSearch::fastScanMatchesStepwiseOnRandomInputs_data()
{
    QTest::addColumn<AngleSearchKind>("kind");
    QTest::addColumn<double>("smallestAngle");
    QTest::addColumn<double>("largestAngle");
    QTest::addColumn<int>("count");

    // The step-by-step scan costs one residual per step, so the ranges keep
    // the total within seconds: small angles for the fine chord steps, the
    // whole range for the coarser rise steps.
    QTest::newRow("chord, small angles") << AngleSearchKind::Chord << 0.00001 << 0.03 << 2500;
    QTest::newRow("chord, up to a fifth of a radian") << AngleSearchKind::Chord << 0.03 << 0.2 << 150;
    QTest::newRow("rise, small angles") << AngleSearchKind::Rise << 0.0001 << 0.3 << 1500;
    QTest::newRow("rise, the whole range") << AngleSearchKind::Rise << 0.3 << 6.29 << 60;
}

// Inputs are arcs of a chosen angle with their chord or rise typed to three
// decimals and then nudged, so that some land within the tolerance, some step
// over it, and some admit no arc at all.
void TestAngleSearch::fastScanMatchesStepwiseOnRandomInputs()
{
    QFETCH(AngleSearchKind, kind);
    QFETCH(double, smallestAngle);
    QFETCH(double, largestAngle);
    QFETCH(int, count);

    std::mt19937_64 random(20261208 + count);
    std::uniform_real_distribution<double> logAngle(std::log(smallestAngle), std::log(largestAngle));
    std::uniform_real_distribution<double> arc(10, 5000);
    std::uniform_real_distribution<double> nudge(-0.002, 0.002);
    int found = 0;
    for (int i = 0; i < count; ++i) {
        const double theta = std::exp(logAngle(random));
        const double hc = std::round(arc(random) * 1000) / 1000;
        const double exact = kind == AngleSearchKind::Chord ? hc * std::sin(theta / 2) / (theta / 2)
                                                            : hc * (1 - std::cos(theta / 2)) / theta;
        double other = std::round(exact * 1000) / 1000;
        if (i % 3 == 1)
            other += nudge(random) * exact;
        if (other == 0)
            continue;
        const AngleSearchResult fast = ScanAngle(kind, hc, other);
        const AngleSearchResult stepwise = ScanAngleStepwise(kind, hc, other);
        found += fast.found;
        QVERIFY2(Describe(fast) == Describe(stepwise),
                 qPrintable(QString("hc %1 other %2: fast %3, stepwise %4")
                                .arg(hc, 0, 'g', 17).arg(other, 0, 'g', 17).arg(Describe(fast), Describe(stepwise))));
    }
    QVERIFY(found > 0);
}

void TestAngleSearch::firstSignChange_data()
{
    QTest::addColumn<AngleSearchKind>("kind");
    QTest::addColumn<double>("hc");
    QTest::addColumn<double>("other");
    QTest::addColumn<double>("angle");  // 0: no sign change
    QTest::addColumn<double>("tolerance");  // relative; a tiny angle magnifies the input's rounding

    // Angles of arcs whose chord or rise is computed exactly here.
    const double deg = M_PI / 180;
    QTest::newRow("chord of 28 degrees") << AngleSearchKind::Chord << 1000.0 << 1000 * std::sin(14 * deg) / (14 * deg) << 28 * deg << 1e-12;
    QTest::newRow("chord of 190 degrees") << AngleSearchKind::Chord << 1000.0 << 1000 * std::sin(95 * deg) / (95 * deg) << 190 * deg << 1e-12;
    QTest::newRow("chord of 0.01 degrees") << AngleSearchKind::Chord << 1000.0 << 1000 * std::sin(0.005 * deg) / (0.005 * deg) << 0.01 * deg << 1e-7;
    QTest::newRow("chord of 359 degrees") << AngleSearchKind::Chord << 1000.0 << 1000 * std::sin(179.5 * deg) / (179.5 * deg) << 359 * deg << 1e-12;
    QTest::newRow("rise of 23 degrees") << AngleSearchKind::Rise << 1000.0 << 1000 * (1 - std::cos(11.5 * deg)) / (23 * deg) << 23 * deg << 1e-12;
    QTest::newRow("rise of 0.5 degrees") << AngleSearchKind::Rise << 1000.0 << 1000 * (1 - std::cos(0.25 * deg)) / (0.5 * deg) << 0.5 * deg << 1e-7;
    QTest::newRow("rise of 250 degrees") << AngleSearchKind::Rise << 1000.0 << 1000 * (1 - std::cos(125 * deg)) / (250 * deg) << 250 * deg << 1e-12;
    QTest::newRow("chord equal to the arc") << AngleSearchKind::Chord << 1000.0 << 1000.0 << 0.0 << 0.0;
    QTest::newRow("chord longer than the arc") << AngleSearchKind::Chord << 1000.0 << 1100.0 << 0.0 << 0.0;
    QTest::newRow("chord against the arc") << AngleSearchKind::Chord << 1000.0 << -100.0 << 0.0 << 0.0;
    QTest::newRow("rise above the largest ratio") << AngleSearchKind::Rise << 1000.0 << 362.4 << 0.0 << 0.0;
    QTest::newRow("rise against the arc") << AngleSearchKind::Rise << 1000.0 << -10.0 << 0.0 << 0.0;
}

void TestAngleSearch::firstSignChange()
{
    QFETCH(AngleSearchKind, kind);
    QFETCH(double, hc);
    QFETCH(double, other);
    QFETCH(double, angle);
    QFETCH(double, tolerance);

    const std::optional<double> root = FirstResidualRoot(kind, hc, other);
    QCOMPARE(root.has_value(), angle != 0);
    if (root)
        QVERIFY2(std::fabs(*root - angle) <= tolerance * angle, qPrintable(QString::number(*root, 'g', 17)));
}

QTEST_APPLESS_MAIN(TestAngleSearch)
#include "test_angle_search.moc"
