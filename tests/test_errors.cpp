// The error classes and the text of the error report.
#include "app/errors.h"
#include "app/extended_math.h"
#include "app/fp_environment.h"

#include <QtTest>

#include <cfenv>
#include <cmath>
#include <limits>
#include <memory>

class TestErrors : public QObject {
    Q_OBJECT

private slots:
    void reportText_data();
    void reportText();
    void classes_data();
    void classes();
    void floatingPointFaults_data();
    void floatingPointFaults();
    void intermediateOverflowWithinStore();
    void arcFunctionsAtTheEnds();
    void sineOfUnreducibleArgument();
};

void TestErrors::reportText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::newRow("ends in a letter") << "Floating point overflow" << "Floating point overflow.";
    QTest::newRow("ends in a digit") << "code 7" << "code 7.";
    QTest::newRow("ends in a period") << "Done." << "Done.";
    QTest::newRow("ends in a closing bracket") << "(see above)" << "(see above)";
    QTest::newRow("ends in an exclamation mark") << "Stop!" << "Stop!";
    QTest::newRow("ends in a quote") << "'abc' is \"x\"" << "'abc' is \"x\"";
    QTest::newRow("ends in a space") << "trailing " << "trailing ";
    QTest::newRow("ends in a slash, above the period") << "a/" << "a/.";
    QTest::newRow("ends in a Chinese character") << "计算错误" << "计算错误.";
    QTest::newRow("ends in a full-width exclamation mark") << "请重输！" << "请重输！.";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("conversion error")
        << "'abc' is not a valid floating point value" << "'abc' is not a valid floating point value.";
}

void TestErrors::reportText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(ErrorReportText(message.toStdString())), shown);
}

void TestErrors::classes_data()
{
    QTest::addColumn<std::shared_ptr<Exception>>("error");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("isMathError");

    QTest::newRow("abort") << std::shared_ptr<Exception>(new EAbort) << "EAbort" << "Operation aborted" << false;
    QTest::newRow("conversion") << std::shared_ptr<Exception>(new EConvertError("'x' is not a valid floating point value"))
                                << "EConvertError" << "'x' is not a valid floating point value" << false;
    QTest::newRow("invalid operation") << std::shared_ptr<Exception>(new EInvalidOp) << "EInvalidOp"
                                       << "Invalid floating point operation" << true;
    QTest::newRow("division by zero") << std::shared_ptr<Exception>(new EZeroDivide) << "EZeroDivide"
                                      << "Floating point division by zero" << true;
    QTest::newRow("overflow") << std::shared_ptr<Exception>(new EOverflow) << "EOverflow" << "Floating point overflow" << true;
    QTest::newRow("underflow") << std::shared_ptr<Exception>(new EUnderflow) << "EUnderflow" << "Floating point underflow" << true;
}

void TestErrors::classes()
{
    QFETCH(std::shared_ptr<Exception>, error);
    QFETCH(QString, className);
    QFETCH(QString, message);
    QFETCH(bool, isMathError);

    QCOMPARE(QString::fromStdString(error->ClassName()), className);
    QCOMPARE(QString::fromStdString(error->Message()), message);
    QCOMPARE(dynamic_cast<EMathError*>(error.get()) != nullptr, isMathError);
    QCOMPARE(dynamic_cast<EExternal*>(error.get()) != nullptr, isMathError);
}

void TestErrors::floatingPointFaults_data()
{
    QTest::addColumn<long double>("numerator");
    QTest::addColumn<long double>("denominator");
    QTest::addColumn<QString>("error");

    QTest::newRow("five divided by zero") << 5.0L << 0.0L << "EZeroDivide";
    QTest::newRow("zero divided by zero") << 0.0L << 0.0L << "EInvalidOp";
    QTest::newRow("1e400 stored in a double") << 1e400L << 1.0L << "EOverflow";
    QTest::newRow("1e-400 stored in a double") << 1e-400L << 1.0L << "";
    QTest::newRow("an ordinary quotient") << 1.0L << 3.0L << "";
}

void TestErrors::floatingPointFaults()
{
    QFETCH(long double, numerator);
    QFETCH(long double, denominator);
    QFETCH(QString, error);

    ResetFloatingPoint();
    QString raised;
    double stored = -1;
    try {
        ClearFloatingPointFlags();
        volatile long double n = numerator;
        stored = StoreToDouble(n / denominator);
    } catch (const Exception& e) {
        raised = QString::fromStdString(e.ClassName());
    }
    QCOMPARE(raised, error);
    if (error.isEmpty())
        QCOMPARE(stored, static_cast<double>(numerator / denominator));
    // whatever happened, the next computation starts from clean flags
    QCOMPARE(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID), 0);
}

void TestErrors::intermediateOverflowWithinStore()
{
    ResetFloatingPoint();
    volatile long double big = 1e200L;
    const double stored = StoreToDouble(big * big / 1e300L);
    QCOMPARE(stored, 1e100);
}

void TestErrors::arcFunctionsAtTheEnds()
{
    ResetFloatingPoint();
    QCOMPARE(ArcCos(1.0L), 0.0L);
    QCOMPARE(ArcSin(1.0L), kPi / 2);
    QCOMPARE(ArcSin(-1.0L), -kPi / 2);
    QCOMPARE(ArcCos(-1.0L), kPi);
    ClearFloatingPointFlags();
    const double justAboveOne = std::nextafter(1.0, 2.0);
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, StoreToDouble(ArcSin(justAboveOne)));
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, StoreToDouble(ArcCos(-justAboveOne)));
}

void TestErrors::sineOfUnreducibleArgument()
{
    ResetFloatingPoint();
    QCOMPARE(Sin(0x1p63L), 0.0L);
    QCOMPARE(Cos(-0x1p63L), 0.0L);
    QCOMPARE(Sin(1e300L), 0.0L);
    QVERIFY(Sin(0x1p62L) != 0.0L);
    QCOMPARE(std::fetestexcept(FE_INVALID), 0);
}

QTEST_APPLESS_MAIN(TestErrors)
#include "test_errors.moc"
