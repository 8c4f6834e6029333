// The Debian package as a workstation gets it: built by CPack from this
// build, validated by the desktop's own tools and by lintian, unpacked, and
// its bendcalc run on the worked example.
#include "support/program_run.h"

#include <QtTest>

namespace {

constexpr char kId[] = "cn.vitralis_glass.BentGlassCalculator";

} // namespace

class TestPackage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void checks_data();
    void checks();
    void files_data();
    void files();

private:
    QString package_;
    QTemporaryDir unpacked_;
};

void TestPackage::initTestCase()
{
    const QStringList packages = QDir(PACKAGE_FOLDER).entryList({"*.deb"});
    QCOMPARE(packages.size(), 1);
    package_ = QDir(PACKAGE_FOLDER).filePath(packages.front());
    QCOMPARE(RunProgram("dpkg-deb", {"-x", package_, unpacked_.path()}).exitCode, 0);
}

void TestPackage::checks_data()
{
    QTest::addColumn<QStringList>("command");  // {root}: the unpacked package; {deb}: the package
    QTest::addColumn<QString>("output");       // what its output holds

    const QString desktop = QString("{root}/usr/share/applications/%1.desktop").arg(kId);
    QTest::newRow("the desktop entry validates") << QStringList{"desktop-file-validate", desktop} << "";
    QTest::newRow("the menu names it in both languages") << QStringList{"grep", "-c", "^Name", desktop} << "2\n";
    QTest::newRow("the AppStream metadata validates")
        << QStringList{"appstreamcli", "validate", "--no-net", QString("{root}/usr/share/metainfo/%1.metainfo.xml").arg(kId)}
        << "Validation was successful";
    QTest::newRow("lintian reports no error") << QStringList{"lintian", "--fail-on", "error", "{deb}"} << "";
    for (const char* page : {"bendcalc", "bent-glass-calculator"})
        QTest::addRow("the manual page of %s reads without a warning", page)
            << QStringList{"sh", "-c", QString("MANWIDTH=80 man --warnings -E UTF-8 -l {root}/usr/share/man/man1/%1.1.gz "
                                               "2>&1 >/dev/null").arg(page)}
            << "";
    QTest::newRow("the package's bendcalc computes the worked example")
        << QStringList{"{root}/usr/bin/bendcalc", "solve", "--radius", "1000", "--degrees", "30", "--glass", "6"}
        << "  弧长         523.599 mm\n  弦长         517.638 mm\n  半径        1000.000 mm\n"
           "  拱高          34.074 mm\n  圆心角角度    30.000 °\n  圆心角弧度    0.5236 rad\n"
           "  玻璃厚度           6 mm\n  下料量       522.028 mm\n";
}

void TestPackage::checks()
{
    QFETCH(QStringList, command);
    QFETCH(QString, output);

    for (QString& word : command)
        word.replace("{root}", unpacked_.path()).replace("{deb}", package_);
    const ProgramRun run = RunProgram(command.takeFirst(), command);
    QVERIFY2(run.exitCode == 0, qPrintable(run.output + run.error));
    if (output.isEmpty())
        QVERIFY2(run.output.trimmed().isEmpty() || command.contains("--fail-on"), qPrintable(run.output));
    else
        QVERIFY2(run.output.contains(output), qPrintable(run.output));
}

void TestPackage::files_data()
{
    QTest::addColumn<QString>("path");

    for (const char* program : {"bent-glass-calculator", "bendcalc"})
        QTest::newRow(program) << QString("usr/bin/") + program;
    QTest::newRow("menu entry") << QString("usr/share/applications/%1.desktop").arg(kId);
    QTest::newRow("metadata") << QString("usr/share/metainfo/%1.metainfo.xml").arg(kId);
    for (const char* size : {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        QTest::addRow("icon %s", size) << QString("usr/share/icons/hicolor/%1/apps/%2.png").arg(size, kId);
    QTest::newRow("scalable icon") << QString("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(kId);
    for (const char* page : {"bent-glass-calculator", "bendcalc"})
        QTest::addRow("manual page of %s", page) << QString("usr/share/man/man1/%1.1.gz").arg(page);
    QTest::newRow("copyright") << QString("usr/share/doc/bent-glass-calculator/copyright");
    QTest::newRow("changelog") << QString("usr/share/doc/bent-glass-calculator/changelog.Debian.gz");
}

void TestPackage::files()
{
    QFETCH(QString, path);
    QVERIFY2(QFileInfo::exists(QDir(unpacked_.path()).filePath(path)), qPrintable(path));
}

QTEST_MAIN(TestPackage)
#include "test_package.moc"
