// The application frame: start-up and its failure report, the normal end,
// the message boxes, the title and the locale hook.
#include "app/application_title.h"
#include "app/errors.h"
#include "app/qt/application.h"
#include "app/qt/message_box_display.h"
#include "app/qt/qt_translations.h"
#include "support/fake_notice_fetcher.h"
#include "support/recording_boxes.h"
#include "support/recording_link_opener.h"
#include "ui/calculator_window.h"

#include <QtTest>
#include <QtWidgets>

#include <cfenv>
#include <functional>
#include <iconv.h>
#include <new>

namespace {

using Throw = std::function<void()>;

// The length of a UTF-8 text in the GBK code page, by glibc's iconv.
long GbkLength(const std::string& text)
{
    const iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return -1;
    std::string input = text;
    std::string output(text.size() * 2, '\0');
    char* in = input.data();
    char* out = output.data();
    size_t inLeft = input.size();
    size_t outLeft = output.size();
    const size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<size_t>(-1) || inLeft != 0)
        return -1;
    return static_cast<long>(output.size() - outLeft);
}

} // namespace

Q_DECLARE_METATYPE(Throw)

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void startupFailure_data();
    void startupFailure();
    void normalEnd_data();
    void normalEnd();
    void messageBoxFlags_data();
    void messageBoxFlags();
    void title();
    void localeChangeRereadsNumberSettings();
    void qtTextsOnAChineseDesktop();
    void withoutADesktop_data();
    void withoutADesktop();
};

void TestApplication::startupFailure_data()
{
    QTest::addColumn<Throw>("error");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("shownMessage");

    QTest::newRow("conversion error") << Throw([] { throw EConvertError("'x' is not a valid floating point value"); })
                                      << "EConvertError" << "'x' is not a valid floating point value.";
    QTest::newRow("message ending in a period") << Throw([] { throw Exception("Done."); }) << "Exception" << "Done.";
    QTest::newRow("message ending in a bracket, period added")
        << Throw([] { throw Exception("see (1)"); }) << "Exception" << "see (1).";
    QTest::newRow("Chinese message") << Throw([] { throw Exception("窗口创建失败"); }) << "Exception"
                                     << "窗口创建失败.";
    QTest::newRow("empty message") << Throw([] { throw Exception(""); }) << "Exception" << "";
    QTest::newRow("division by zero") << Throw([] { throw EZeroDivide(); }) << "EZeroDivide"
                                      << "Floating point division by zero.";
    QTest::newRow("out of memory") << Throw([] { throw std::bad_alloc(); }) << "std::bad_alloc" << "std::bad_alloc.";
}

void TestApplication::startupFailure()
{
    QFETCH(Throw, error);
    QFETCH(QString, className);
    QFETCH(QString, shownMessage);

    RecordingBoxes display;
    TApplication application(display);
    QStringList steps;
    application.SetNumberSettingsReader([&steps] { steps << "number settings"; });
    const int exitCode = RunApplication(application, [&](TApplication& app) -> std::unique_ptr<QWidget> {
        steps << QString::fromStdString(app.Title());
        error();
        return nullptr;
    });

    QCOMPARE(exitCode, 1);
    QCOMPARE(steps, QStringList({"number settings", kApplicationTitle}));
    QCOMPARE(display.boxes.size(), size_t(1));
    const auto& box = display.boxes.front();
    QCOMPARE(box.owner, nullptr);
    QCOMPARE(box.caption, std::string("Application Error"));
    QCOMPARE(box.flags, MessageFlags::StopTaskModal);
    const QRegularExpression pattern("^Exception " + QRegularExpression::escape(className) +
                                     " in module test_application at [0-9A-F]{8}\\.\r\n" +
                                     QRegularExpression::escape(shownMessage) + "\r\n$");
    QVERIFY2(pattern.match(QString::fromStdString(box.text)).hasMatch(), box.text.c_str());
}

void TestApplication::normalEnd_data()
{
    QTest::addColumn<QString>("ending");

    QTest::newRow("close command") << "Button3";
    QTest::newRow("close box of the frame") << "close";
}

void TestApplication::normalEnd()
{
    QFETCH(QString, ending);

    RecordingBoxes display;
    TApplication application(display);
    RecordingLinkOpener links;
    FakeNoticeFetcher http;
    // Should the program fail to end, the test fails instead of hanging.
    QTimer failSafe;
    failSafe.setSingleShot(true);
    QObject::connect(&failSafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    failSafe.start(10000);
    const int exitCode = RunApplication(application, [&](TApplication& app) {
        auto window = std::make_unique<TForm1>(app, links, http);
        QPointer<TForm1> shown = window.get();
        QMetaObject::invokeMethod(
            qApp,
            [shown, ending] {
                if (ending == "close")
                    shown->close();
                else
                    QTest::mouseClick(shown->findChild<QPushButton*>(ending), Qt::LeftButton);
            },
            Qt::QueuedConnection);
        return window;
    });

    QCOMPARE(exitCode, 0);
    QVERIFY(display.boxes.empty());
    QCOMPARE(fegetexcept(), 0);  // no floating-point trap was enabled
}

void TestApplication::messageBoxFlags_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("icon");

    QTest::newRow("question, Yes the default") << 4 << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes)
                                               << int(QMessageBox::NoIcon);
    QTest::newRow("error report") << 16 << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(QMessageBox::Critical);
    QTest::newRow("input message") << 64 << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                   << int(QMessageBox::Information);
    QTest::newRow("start-up failure") << 8208 << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                                      << int(QMessageBox::Critical);
}

void TestApplication::messageBoxFlags()
{
    QFETCH(int, flags);
    QFETCH(int, buttons);
    QFETCH(int, defaultButton);
    QFETCH(int, icon);

    const auto box = CreateMessageBox(nullptr, "<b>1</b>\r\nline", "标题", flags);
    QCOMPARE(int(box->standardButtons()), buttons);
    QCOMPARE(int(box->standardButton(box->defaultButton())), defaultButton);
    QCOMPARE(int(box->icon()), icon);
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QCOMPARE(box->windowTitle(), QString("标题"));
    // Texts are shown as they stand, never as markup.
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->text(), QString("<b>1</b>\nline"));
}

void TestApplication::title()
{
    const std::string title = kApplicationTitle;
    QCOMPARE(GbkLength(title), 105L);
    QVERIFY(QString::fromStdString(title).startsWith("弯钢计算-"));
}

void TestApplication::localeChangeRereadsNumberSettings()
{
    RecordingBoxes display;
    TApplication application(display);
    int reads = 0;
    application.SetNumberSettingsReader([&reads] { ++reads; });
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    QCOMPARE(reads, 1);
}

void TestApplication::qtTextsOnAChineseDesktop()
{
    const std::unique_ptr<QTranslator> translator = LoadQtTranslations(QLocale("zh_CN"));
    QVERIFY(translator);
    QCoreApplication::installTranslator(translator.get());
    const auto box = CreateMessageBox(nullptr, "只要两个条件就行，请先清0再计算，是否现在清0？", "提示", MessageFlags::YesNo);
    QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
}

void TestApplication::withoutADesktop_data()
{
    QTest::addColumn<QString>("display");

    QTest::newRow("no display named") << "";
    QTest::newRow("an X display that is not there") << ":97";
}

// Started over ssh or on a text console, the program says in one line that it
// needs a desktop and ends with exit code 1, without Qt's abort.
void TestApplication::withoutADesktop()
{
    QFETCH(QString, display);

    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        variables.remove(name);
    if (!display.isEmpty())
        variables.insert("DISPLAY", display);
    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(CALCULATOR_PROGRAM, QStringList());
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 1);
    const QString error = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(error.count('\n') == 1 && error.contains("needs a graphical desktop"), qPrintable(error));
}

QTEST_MAIN(TestApplication)
#include "test_application.moc"
