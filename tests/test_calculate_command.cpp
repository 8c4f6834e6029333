// The calculate command end to end, as a person uses the window: typing into
// the fields, clicking the buttons and check boxes, answering the boxes and
// reading what the fields show.
#include "support/calculator_fixture.h"
#include "support/queued_input.h"
#include "support/scripted_http_server.h"
#include "app/decimal_separator_scope.h"
#include "ui/notice_line.h"

namespace {

// The single-piece fields in the order the command writes them, then the
// glass thickness, which it only reads.
const QStringList kSingleFields = {"hcedit", "xcedit", "bjedit", "ggedit", "jdedit", "hdedit", "xlledit", "blhdedit"};
const QStringList kPieceFields = {"ltEdit", "blhdedit2", "hcedit2", "xcedit2", "bjedit2", "ggedit2", "xlledit2"};

// The window's real HTTP client, sent to a server on this machine instead of
// the vendor's.
class LocalNoticeClient : public NoticeFetcher {
public:
    explicit LocalNoticeClient(QUrl url) : url_(std::move(url)) {}
    std::optional<QString> Get(const QUrl&) override { return client_.Get(url_); }

private:
    NoticeHttpClient client_{std::chrono::milliseconds(600)};
    QUrl url_;
};

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestCalculateCommand : public QObject {
    Q_OBJECT

private slots:
    void writesTheResults_data();
    void writesTheResults();
    void moreThanTwoGivenAsks_data();
    void moreThanTwoGivenAsks();
    void errorsEndTheCommand_data();
    void errorsEndTheCommand();
    void noticeLine_data();
    void noticeLine();
    void piecePanel_data();
    void piecePanel();
    void switchingPieceModes();
    void clearInAPieceMode();
    void inputDuringTheNoticeFetch_data();
    void inputDuringTheNoticeFetch();
};

void TestCalculateCommand::writesTheResults_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("shown");  // the eight single-piece fields after the click
    QTest::addColumn<QString>("message"); // the solver's message, if any

    QTest::newRow("radius 1000, 30 degrees, glass 6")
        << "bjedit=1000 jdedit=30 blhdedit=6" << "523.599 517.638 1000.000 34.074 30.000 0.5236 522.028 6" << "";
    QTest::newRow("cut length and glass do not count as given")
        << "bjedit=1000 jdedit=30 xlledit=99 blhdedit=6" << "523.599 517.638 1000.000 34.074 30.000 0.5236 522.028 6"
        << "";
    QTest::newRow("a field holding 0.000 is not given")
        << "hcedit=0.000 bjedit=1000 jdedit=30" << "523.599 517.638 1000.000 34.074 30.000 0.5236 0.000 " << "";
    QTest::newRow("without glass the earlier cut length stays")
        << "bjedit=1000 jdedit=30 xlledit=522.028" << "523.599 517.638 1000.000 34.074 30.000 0.5236 522.028 " << "";
    QTest::newRow("shallow arc and rise")
        << "hcedit=1000 ggedit=50" << "1000.000 993.302 2491.622 50.000 22.995 0.4013 0.000 " << "";
    QTest::newRow("spaces around a number")
        << "hcedit=%20500%20 bjedit=1000" << "500.000 494.808 1000.000 31.088 28.648 0.5000 0.000 " << "";
    QTest::newRow("only the radius: too few")
        << "bjedit=1000" << "0.000 0.000 1000.000 0.000 0.000 0.0000 0.000 " << "已知项不够，请重输！";
    QTest::newRow("only the radius, an earlier cut length")
        << "bjedit=1000 xlledit=12.3456" << "0.000 0.000 1000.000 0.000 0.000 0.0000 12.346 " << "已知项不够，请重输！";
    QTest::newRow("degrees and radians count as two: too few")
        << "jdedit=60 hdedit=1" << "0.000 0.000 0.000 0.000 60.000 1.0000 0.000 " << "已知项不够，请重输！";
    QTest::newRow("comma locale: glass and angle typed with commas")
        << "bjedit=1000 jdedit=30,5 blhdedit=5,5" << "532,325 526,062 1000,000 35,213 30,500 0,5323 530,862 5,5" << "";
    QTest::newRow("point locale: the same pane")
        << "bjedit=1000 jdedit=30.5 blhdedit=5.5" << "532.325 526.062 1000.000 35.213 30.500 0.5323 530.862 5.5" << "";
}

void TestCalculateCommand::writesTheResults()
{
    QFETCH(QString, entered);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    // A pane typed with commas is typed on a desktop whose decimal separator is the comma.
    const DecimalSeparatorScope locale(entered.contains(',') ? ',' : '.');
    CalculatorFixture calculator;
    calculator.Enter(entered);
    calculator.Click("Button1");

    QCOMPARE(calculator.Texts(kSingleFields), shown);
    QCOMPARE(calculator.http.requests, QList<QUrl>{QUrl(QString::fromLatin1(kNoticeUrl))});
    QCOMPARE(calculator.Caption("Label11"), QStringLiteral("欢迎使用"));
    if (message.isEmpty()) {
        QVERIFY(calculator.display.boxes.empty());
    } else {
        QCOMPARE(calculator.display.boxes.size(), size_t(1));
        QCOMPARE(QString::fromStdString(calculator.display.boxes[0].text), message);
        QVERIFY(calculator.display.boxes[0].owner == &calculator.form);
    }
}

void TestCalculateCommand::moreThanTwoGivenAsks_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shown");

    // After a completed calculation every arc field holds a result.
    const QString results = "523.599 517.638 1000.000 34.074 30.000 0.5236 522.028 6";
    QTest::newRow("second click, answered No") << "" << int(MessageResult::No) << results;
    QTest::newRow("second click, answered Yes") << "" << int(MessageResult::Yes) << "       6";
    QTest::newRow("three typed, a negative among them")
        << "hcedit=-500" << int(MessageResult::No) << "-500 517.638 1000.000 34.074 30.000 0.5236 522.028 6";
}

void TestCalculateCommand::moreThanTwoGivenAsks()
{
    QFETCH(QString, entered);
    QFETCH(int, answer);
    QFETCH(QString, shown);

    CalculatorFixture calculator;
    calculator.Enter("bjedit=1000 jdedit=30 blhdedit=6");
    calculator.Click("Button1");
    calculator.Enter(entered);
    calculator.http.notice = QStringLiteral("changed");
    calculator.display.Script({answer});
    calculator.Click("Button1");

    QCOMPARE(calculator.display.boxes.size(), size_t(1));
    const RecordingBoxes::Box& question = calculator.display.boxes[0];
    QCOMPARE(question.owner, nullptr);
    QCOMPARE(QString::fromStdString(question.text), QStringLiteral("只要两个条件就行，请先清0再计算，是否现在清0？"));
    QCOMPARE(QString::fromStdString(question.caption), QStringLiteral("提示"));
    QCOMPARE(question.flags, MessageFlags::YesNo);
    QCOMPARE(calculator.Texts(kSingleFields), shown);
    // No notice fetched, nothing solved.
    QCOMPARE(calculator.http.requests.size(), 1);
    QCOMPARE(calculator.Caption("Label11"), QStringLiteral("欢迎使用"));
}

void TestCalculateCommand::errorsEndTheCommand_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("windowBox");    // the solver's own message, in the window box
    QTest::addColumn<bool>("noticeFetched"); // the error came after the notice fetch

    const int stop = MessageFlags::Stop;
    QTest::newRow("two decimal points in the glass thickness")
        << "bjedit=1000 jdedit=30 blhdedit=6..5" << "'6..5' is not a valid floating point value." << stop << false << false;
    QTest::newRow("a lone space in the radius")
        << "bjedit=%20 jdedit=30" << "' ' is not a valid floating point value." << stop << false << false;
    QTest::newRow("a bad cut length, which never counts")
        << "bjedit=1000 jdedit=30 xlledit=1.2.3" << "'1.2.3' is not a valid floating point value." << stop << false << false;
    QTest::newRow("a pasted letter")
        << "hcedit=abc bjedit=1000" << "'abc' is not a valid floating point value." << stop << false << false;
    QTest::newRow("a pasted number beyond the double range")
        << "hcedit=1e500 bjedit=1000" << "Floating point overflow." << stop << false << false;
    QTest::newRow("chord longer than the arc")
        << "hcedit=1000 xcedit=1100" << "计算错误，请重输！" << int(MessageFlags::Information) << true << true;
    QTest::newRow("rise with 720 degrees")
        << "ggedit=100 jdedit=720" << "Floating point division by zero." << stop << false << true;
    QTest::newRow("chord longer than the diameter")
        << "xcedit=2500 bjedit=1000" << "Invalid floating point operation." << stop << false << true;
}

// An error ends the command before any field is written: a conversion error
// before the notice fetch, the solver's errors after it. Error reports come
// in the application box with the application title; the next calculation
// works as usual.
void TestCalculateCommand::errorsEndTheCommand()
{
    QFETCH(QString, entered);
    QFETCH(QString, text);
    QFETCH(int, flags);
    QFETCH(bool, windowBox);
    QFETCH(bool, noticeFetched);

    CalculatorFixture calculator;
    calculator.Enter(entered);
    const QString before = calculator.Texts(kSingleFields);
    calculator.Click("Button1");

    QCOMPARE(calculator.display.boxes.size(), size_t(1));
    const RecordingBoxes::Box& box = calculator.display.boxes[0];
    QCOMPARE(QString::fromStdString(box.text), text);
    QCOMPARE(box.flags, flags);
    if (windowBox) {
        QVERIFY(box.owner == &calculator.form);
    } else {
        QCOMPARE(box.owner, nullptr);
        QCOMPARE(QString::fromStdString(box.caption), QString::fromUtf8(kApplicationTitle));
    }
    QCOMPARE(calculator.Texts(kSingleFields), before);
    QCOMPARE(calculator.http.requests.size(), noticeFetched ? 1 : 0);

    calculator.Click("Button2");
    calculator.Field("blhdedit")->setText("6");
    calculator.Enter("bjedit=1000 jdedit=30");
    calculator.Click("Button1");
    QCOMPARE(calculator.Texts(kSingleFields), QString("523.599 517.638 1000.000 34.074 30.000 0.5236 522.028 6"));
}

void TestCalculateCommand::noticeLine_data()
{
    QTest::addColumn<std::optional<QString>>("notice");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a notice") << std::optional<QString>("新品上市") << "新品上市";
    QTest::newRow("markup shows as it stands") << std::optional<QString>("<b>x</b><img src=a.png>") << "<b>x</b><img src=a.png>";
    QTest::newRow("an empty notice empties the line") << std::optional<QString>("") << "";
    QTest::newRow("a failed fetch keeps the line") << std::optional<QString>() << "上次的公告";
    QTest::newRow("a notice of two lines") << std::optional<QString>("明天停电\r\n请提前下料") << "明天停电\r\n请提前下料";
}

void TestCalculateCommand::noticeLine()
{
    QFETCH(std::optional<QString>, notice);
    QFETCH(QString, shown);

    CalculatorFixture calculator;
    auto* line = calculator.Find<NoticeLine>("Label11");
    line->setText(QStringLiteral("上次的公告"));
    calculator.http.notice = notice;
    calculator.Enter("bjedit=1000 jdedit=30");
    calculator.Click("Button1");

    QCOMPARE(line->text(), shown);
    // Each line of these fits the line's width; only the first fits its height.
    QCOMPARE(line->VisibleText(), shown.section("\r\n", 0, 0));
    QCOMPARE(line->textFormat(), Qt::PlainText);
    QCOMPARE(calculator.Field("hcedit")->text(), QStringLiteral("523.599"));
}

void TestCalculateCommand::piecePanel_data()
{
    QTest::addColumn<QString>("checkBox");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("panel");  // ltEdit blhdedit2 hcedit2 xcedit2 bjedit2 ggedit2 xlledit2
    QTest::addColumn<QString>("glass");  // blhdedit afterwards

    QTest::newRow("inner piece") << "CheckBox1" << "bjedit=1000 jdedit=30 blhdedit=6 ltEdit=12 blhdedit2=5"
                                 << "12 5 514.174 508.321 982.000 33.461 512.865" << "6";
    QTest::newRow("outer piece") << "CheckBox2" << "bjedit=1000 jdedit=30 blhdedit=6 ltEdit=12 blhdedit2=5"
                                 << "12 5 533.024 526.956 1018.000 34.688 531.715" << "6";
    QTest::newRow("empty thicknesses become 0") << "CheckBox1" << "bjedit=1000 jdedit=30"
                                                << "0 0 523.599 517.638 1000.000 34.074 0.000" << "0";
    // 28.648 degrees as shown, not the half radian computed: the arc is not 506.000.
    QTest::newRow("the angle as shown, to three decimals") << "CheckBox2" << "hcedit=500 bjedit=1000 ltEdit=12"
                                                           << "12 0 506.002 500.748 1012.000 31.461 0.000" << "0";
    QTest::newRow("spacer and glass use up the radius") << "CheckBox1" << "bjedit=18 jdedit=30 blhdedit=6 ltEdit=12"
                                                        << "12 0 0.000 0.000 0.000 0.000 0.000" << "6";
}

void TestCalculateCommand::piecePanel()
{
    QFETCH(QString, checkBox);
    QFETCH(QString, entered);
    QFETCH(QString, panel);
    QFETCH(QString, glass);

    CalculatorFixture calculator;
    calculator.Click(checkBox);
    calculator.Enter(entered);
    calculator.Click("Button1");

    QCOMPARE(calculator.Texts(kPieceFields), panel);
    QCOMPARE(calculator.Field("blhdedit")->text(), glass);
    // A piece that the spacer and glass use up is too few for the solver.
    for (const auto& box : calculator.display.boxes)
        QCOMPARE(QString::fromStdString(box.text), QStringLiteral("已知项不够，请重输！"));
}

void TestCalculateCommand::switchingPieceModes()
{
    CalculatorFixture calculator;
    auto* inner = calculator.form.findChild<QCheckBox*>("CheckBox1");
    auto* outer = calculator.form.findChild<QCheckBox*>("CheckBox2");
    auto* panel = calculator.form.findChild<QGroupBox*>("nwpGroupBox");
    const auto captions = [&] {
        return QStringList{calculator.Caption("GroupBox1"), calculator.Caption("nwpGroupBox"), calculator.Caption("Label9"),
                           calculator.Caption("Label18"), calculator.Caption("Label19")}
            .join(' ');
    };
    const int singleHeight = calculator.form.height();

    calculator.Click("CheckBox1");
    QVERIFY(inner->isChecked() && !outer->isChecked() && panel->isVisible());
    QCOMPARE(captions(), QString("外片 内片 外片下料量 内片玻璃厚度 内片下料量"));
    QCOMPARE(calculator.form.height(), singleHeight + 114);

    calculator.Click("CheckBox2");
    QVERIFY(!inner->isChecked() && outer->isChecked() && panel->isVisible());
    QCOMPARE(captions(), QString("内片 外片 内片下料量 外片玻璃厚度 外片下料量"));
    QCOMPARE(calculator.form.height(), singleHeight + 114);

    calculator.Click("CheckBox1");
    QVERIFY(inner->isChecked() && !outer->isChecked());
    QCOMPARE(captions(), QString("外片 内片 外片下料量 内片玻璃厚度 内片下料量"));

    calculator.Click("CheckBox1");
    QVERIFY(!inner->isChecked() && !outer->isChecked() && !panel->isVisible());
    QCOMPARE(captions(), QString("单片 内片 下料量 内片玻璃厚度 内片下料量"));
    QCOMPARE(calculator.form.height(), singleHeight);

    // In single mode the command leaves the hidden panel's fields alone.
    calculator.Field("hcedit2")->setText("7");
    calculator.Enter("bjedit=1000 jdedit=30");
    calculator.Click("Button1");
    QCOMPARE(calculator.Field("hcedit2")->text(), QStringLiteral("7"));
}

void TestCalculateCommand::clearInAPieceMode()
{
    CalculatorFixture calculator;
    calculator.Click("CheckBox2");
    calculator.Enter("bjedit=1000 jdedit=30 blhdedit=6 ltEdit=12 blhdedit2=5");
    calculator.Click("Button1");
    calculator.Click("Button2");

    QCOMPARE(calculator.Texts(kSingleFields), QString("       6"));
    QCOMPARE(calculator.Texts(kPieceFields), QString("12 5     "));
    QVERIFY(calculator.form.findChild<QCheckBox*>("CheckBox2")->isChecked());
    QVERIFY(calculator.form.findChild<QGroupBox*>("nwpGroupBox")->isVisible());
    QCOMPARE(calculator.Caption("GroupBox1"), QStringLiteral("内片"));
}

// While the notice is being fetched the window keeps repainting and shows
// the busy pointer; clicks and keys made meanwhile are thrown away, so that
// none of them acts on the results once they are written.
void TestCalculateCommand::inputDuringTheNoticeFetch_data()
{
    QTest::addColumn<QString>("clicked");  // the control clicked during the fetch
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("typed");    // then the key typed at the end of the text, if any

    QTest::newRow("a click on a button") << "Button2" << 1 << "";
    QTest::newRow("a click into a field and a key") << "xcedit" << 1 << "9";
    QTest::newRow("five clicks on 计算") << "Button1" << 5 << "";
}

void TestCalculateCommand::inputDuringTheNoticeFetch()
{
    QFETCH(QString, clicked);
    QFETCH(int, clicks);
    QFETCH(QString, typed);

    ScriptedHttpServer server;
    server.AddReply({QByteArray(), false});  // never answers
    LocalNoticeClient http(server.Url());
    CalculatorFixture calculator(&http);
    calculator.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&calculator.form));
    calculator.Enter("bjedit=1000 jdedit=30");
    PaintCounter painter;
    calculator.Field("xcedit")->installEventFilter(&painter);

    QTimer::singleShot(100, [&] {
        for (int click = 0; click < clicks; ++click)
            QueuedInput::Click(calculator.form.windowHandle(), calculator.Find(clicked));
        if (!typed.isEmpty()) {
            QueuedInput::Key(calculator.form.windowHandle(), Qt::Key_End, "");
            QueuedInput::Key(calculator.form.windowHandle(), Qt::Key_9, typed);
        }
        calculator.Field("xcedit")->update();
    });
    QString duringFetch;
    int pointer = -1;
    QTimer::singleShot(300, [&] {
        duringFetch = calculator.Texts({"hcedit", "xcedit"});
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            pointer = cursor->shape();
    });

    calculator.Click("Button1");
    QTest::qWait(300);

    QCOMPARE(duringFetch, QStringLiteral(" "));
    QCOMPARE(pointer, int(Qt::WaitCursor));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE_GT(painter.paints, 0);
    QCOMPARE(calculator.Texts({"hcedit", "xcedit"}), QStringLiteral("523.599 517.638"));
    QVERIFY(calculator.display.boxes.empty());
}

QTEST_MAIN(TestCalculateCommand)
#include "test_calculate_command.moc"
