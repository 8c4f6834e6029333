// The separators of the number settings come from the locale of the
// environment (LC_ALL, then LC_NUMERIC, then LANG), as Qt's system locale
// reports it; a separator that does not fit one byte falls back.
#include <QProcess>
#include <QtTest>

class TestLocaleNumberSettings : public QObject {
    Q_OBJECT

private slots:
    void separators_data();
    void separators();
};

void TestLocaleNumberSettings::separators_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("separators"); // decimal, then thousands

    QTest::newRow("Simplified Chinese") << QStringList{"LC_ALL=zh_CN.UTF-8"} << ".,";
    QTest::newRow("US English") << QStringList{"LC_ALL=en_US.UTF-8"} << ".,";
    QTest::newRow("the C locale") << QStringList{"LC_ALL=C"} << ".,";
    QTest::newRow("German, comma decimal") << QStringList{"LC_ALL=de_DE.UTF-8"} << ",.";
    QTest::newRow("German from LANG alone") << QStringList{"LANG=de_DE.UTF-8"} << ",.";
    QTest::newRow("LC_NUMERIC before LANG") << QStringList{"LC_NUMERIC=de_DE.UTF-8", "LANG=en_US.UTF-8"} << ",.";
    QTest::newRow("LC_ALL before LC_NUMERIC") << QStringList{"LC_ALL=en_US.UTF-8", "LC_NUMERIC=de_DE.UTF-8"} << ".,";
    QTest::newRow("French, narrow no-break space for thousands") << QStringList{"LC_ALL=fr_FR.UTF-8"} << ",,";
    QTest::newRow("Swiss German, typographic apostrophe for thousands") << QStringList{"LC_ALL=de_CH.UTF-8"} << ".,";
    QTest::newRow("Egyptian Arabic, Arabic separators") << QStringList{"LC_ALL=ar_EG.UTF-8"} << ".,";
}

void TestLocaleNumberSettings::separators()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, separators);

    QProcessEnvironment processEnvironment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG", "LANGUAGE"})
        processEnvironment.remove(name);
    for (const QString& setting : environment)
        processEnvironment.insert(setting.section('=', 0, 0), setting.section('=', 1));

    QProcess probe;
    probe.setProcessEnvironment(processEnvironment);
    probe.start(NUMBER_SETTINGS_PROBE, {});
    QVERIFY(probe.waitForFinished(30000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()), separators);
}

QTEST_GUILESS_MAIN(TestLocaleNumberSettings)
#include "test_locale_number_settings.moc"
