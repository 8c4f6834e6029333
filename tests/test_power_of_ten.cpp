// The powers of ten behind both number conversions.
#include "app/fp_environment.h"
#include "app/power_of_ten.h"

#include <QtTest>

#include <cstdlib>
#include <string>

class TestPowerOfTen : public QObject {
    Q_OBJECT

private slots:
    void init();
    void tableEntries_data();
    void tableEntries();
    void stepsRoundInTurn_data();
    void stepsRoundInTurn();
};

void TestPowerOfTen::init()
{
    ResetFloatingPoint();
}

// Every power that one table entry gives alone (the other two factors are 1)
// must be the extended value nearest to 10^n. glibc's strtold rounds
// correctly to nearest, so it serves as the exact reference.
void TestPowerOfTen::tableEntries_data()
{
    QTest::addColumn<int>("power");

    const auto add = [](int power) { QTest::addRow("10^%d", power) << power; };
    for (int n = 0; n < 32; ++n)
        add(n);
    for (int n = 32; n < 512; n += 32)
        add(n);
    for (int n = 512; n < 5120; n += 512)
        add(n);
}

void TestPowerOfTen::tableEntries()
{
    QFETCH(int, power);

    const std::string text = "1e" + std::to_string(power);
    const long double nearest = std::strtold(text.c_str(), nullptr);
    QVERIFY(ScaleByPowerOfTen(1.0L, power) == nearest);
    // Dividing by the entry is how negative powers scale.
    QVERIFY(ScaleByPowerOfTen(1.0L, -power) == 1.0L / nearest);
}

// A power made of several entries is not rounded once but at every step, so
// it can differ from the nearest value; these rows pin the order of the steps.
void TestPowerOfTen::stepsRoundInTurn_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<int>("power");
    QTest::addColumn<long double>("expected");

    const long double e4608 = std::strtold("1e4608", nullptr);
    QTest::newRow("units, then thirty-twos, then five-twelves")
        << 3.0L << 4999 << 3.0L * std::strtold("1e7", nullptr) * std::strtold("1e384", nullptr) * e4608;
    QTest::newRow("dividing in the same order")
        << 7.0L << -4999 << 7.0L / std::strtold("1e7", nullptr) / std::strtold("1e384", nullptr) / e4608;
    QTest::newRow("last power before zero")
        << 1e300L << -5119 << 1e300L / std::strtold("1e31", nullptr) / std::strtold("1e480", nullptr) / e4608;
    QTest::newRow("zero from -5120 on") << 1e300L << -5120 << 0.0L;
}

void TestPowerOfTen::stepsRoundInTurn()
{
    QFETCH(long double, value);
    QFETCH(int, power);
    QFETCH(long double, expected);

    QVERIFY(ScaleByPowerOfTen(value, power) == expected);
}

QTEST_APPLESS_MAIN(TestPowerOfTen)
#include "test_power_of_ten.moc"
