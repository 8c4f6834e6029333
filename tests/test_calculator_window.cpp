// The calculator window as a user meets it: its controls, the numeric key
// filter, the clear command, the links, the error guard and the command bar.
#include "app/errors.h"
#include "support/calculator_fixture.h"
#include "ui/window_placement.h"

#include <functional>
#include <stdexcept>

namespace {

const QStringList kAllFields = {"hcedit",  "xcedit",   "bjedit",  "ggedit",   "jdedit",  "hdedit",
                                "xlledit", "blhdedit", "hcedit2", "xcedit2",  "bjedit2", "ggedit2",
                                "xlledit2", "blhdedit2", "ltEdit"};

using Throw = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Throw)

class TestCalculatorWindow : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void typedKeys_data();
    void typedKeys();
    void keysAsDelivered_data();
    void keysAsDelivered();
    void inputMethodText_data();
    void inputMethodText();
    void pasteIsNotFiltered();
    void clearCommand_data();
    void clearCommand();
    void clearCommandOrder();
    void links_data();
    void links();
    void desktopUrl_data();
    void desktopUrl();
    void guardReportsEscapedErrors_data();
    void guardReportsEscapedErrors();
    void commandBarFollowsBottomEdge_data();
    void commandBarFollowsBottomEdge();
    void tabOrder_data();
    void tabOrder();
    void pictures_data();
    void pictures();
    void startPosition_data();
    void startPosition();
};

void TestCalculatorWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<bool>("readOnly");

    const auto edits = [](const QStringList& names, const char* parent, bool readOnly) {
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name << "QLineEdit" << parent << readOnly;
    };
    edits({"hcedit", "xcedit", "bjedit", "ggedit", "jdedit", "hdedit", "blhdedit"}, "GroupBox1", false);
    edits({"xlledit"}, "GroupBox1", true);
    edits({"ltEdit", "blhdedit2"}, "nwpGroupBox", false);
    edits({"hcedit2", "xcedit2", "bjedit2", "ggedit2", "xlledit2"}, "nwpGroupBox", true);

    const auto others = [](const QStringList& names, const char* kind, const char* parent) {
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name << kind << parent << false;
    };
    others({"GroupBox1", "nwpGroupBox"}, "QGroupBox", "TForm1");
    others({"Panel2"}, "QFrame", "TForm1");
    others({"Label8", "Label13", "Image3"}, "QLabel", "TForm1");
    others({"Image1", "Image2"}, "ClickablePicture", "TForm1");
    others({"Label9"}, "QLabel", "GroupBox1");
    others({"Label18", "Label19", "Label20"}, "QLabel", "nwpGroupBox");
    others({"Label7"}, "QLabel", "Panel2");
    others({"Label11"}, "NoticeLine", "Panel2");
    others({"CheckBox1", "CheckBox2"}, "QCheckBox", "GroupBox1");
    others({"Button1", "Button2", "Button3"}, "QPushButton", "Panel2");
}

void TestCalculatorWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(bool, readOnly);

    CalculatorFixture window;
    QCOMPARE(window.form.objectName(), QString("TForm1"));
    const auto matches = window.form.findChildren<QWidget*>(name);
    QCOMPARE(matches.size(), 1);
    QWidget* control = matches.front();
    QCOMPARE(QString(control->metaObject()->className()), kind);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(edit->isReadOnly(), readOnly);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(!edit->accessibleName().isEmpty());
    }
    if (auto* box = qobject_cast<QCheckBox*>(control))
        QVERIFY(!box->isChecked());
}

void TestCalculatorWindow::typedKeys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");

    QTest::newRow("digits and a point") << "hcedit" << "1234.5" << "1234.5" << 0;
    QTest::newRow("spaces before, between and after") << "bjedit" << " 1 2 " << " 1 2 " << 0;
    QTest::newRow("two decimal points") << "xcedit" << "1..2" << "1..2" << 0;
    QTest::newRow("a decimal point alone") << "jdedit" << "." << "." << 0;
    QTest::newRow("minus sign") << "ggedit" << "-5" << "5" << 1;
    QTest::newRow("plus sign") << "hdedit" << "+5" << "5" << 1;
    QTest::newRow("comma") << "blhdedit" << "1,5" << "15" << 1;
    QTest::newRow("exponent letter") << "hcedit" << "1e5" << "15" << 1;
    QTest::newRow("letters only") << "xcedit" << "abc" << "" << 3;
    QTest::newRow("spacer thickness") << "ltEdit" << "12x" << "12" << 1;
    QTest::newRow("piece glass thickness") << "blhdedit2" << "5/" << "5" << 1;
    QTest::newRow("digit in a read-only result") << "xlledit" << "7" << "" << 0;
    QTest::newRow("letter in a read-only result") << "xlledit" << "a" << "" << 1;
    QTest::newRow("letter in a read-only piece result") << "hcedit2" << "q" << "" << 1;
}

void TestCalculatorWindow::typedKeys()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, refusals);

    CalculatorFixture window;
    QTest::keyClicks(window.Field(field), typed);
    QCOMPARE(window.Field(field)->text(), shown);
    QCOMPARE(window.Refusals(), refusals);
}

void TestCalculatorWindow::keysAsDelivered_data()
{
    // A key as the desktop delivers it: key code, modifiers and the text it
    // types, which may be a control character.
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");

    const int none = Qt::NoModifier;
    const int control = Qt::ControlModifier;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << "12" << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << "12" << 1;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << "12" << 1;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << control << "\x03" << "12" << 1;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << control << "\x16" << "12" << 1;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << control << "\x18" << "12" << 1;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << control << "\x1a" << "12" << 1;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << "1" << 0;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << control << "\b" << "12" << 1;
    QTest::newRow("Delete reported as character 127") << int(Qt::Key_Delete) << none << "\x7f" << "12" << 0;
    QTest::newRow("Home") << int(Qt::Key_Home) << none << "" << "12" << 0;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << none << "" << "12" << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << "12" << 0;
    QTest::newRow("one key typing several characters") << int(Qt::Key_unknown) << none << "3a4" << "1234" << 1;
    QTest::newRow("Alt+A, which a field would type") << int(Qt::Key_A) << int(Qt::AltModifier) << "a" << "12" << 1;
}

void TestCalculatorWindow::keysAsDelivered()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, refusals);

    CalculatorFixture window;
    QLineEdit* field = window.Field("hcedit");
    field->setText("12");
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(field->text(), shown);
    QCOMPARE(window.Refusals(), refusals);
}

void TestCalculatorWindow::inputMethodText_data()
{
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");

    QTest::newRow("ASCII digits") << "12.5" << "12.5" << 0;
    QTest::newRow("full-width digits") << "１２" << "" << 2;
    QTest::newRow("full-width point between digits") << "1．5" << "15" << 1;
    QTest::newRow("Chinese text") << "一千" << "" << 2;
    QTest::newRow("nothing committed") << "" << "" << 0;
}

void TestCalculatorWindow::inputMethodText()
{
    QFETCH(QString, committed);
    QFETCH(QString, shown);
    QFETCH(int, refusals);

    CalculatorFixture window;
    QLineEdit* field = window.Field("bjedit");
    QInputMethodEvent event;
    event.setCommitString(committed);
    QCoreApplication::sendEvent(field, &event);
    QCOMPARE(field->text(), shown);
    QCOMPARE(window.Refusals(), refusals);
}

void TestCalculatorWindow::pasteIsNotFiltered()
{
    CalculatorFixture window;
    QLineEdit* field = window.Field("xcedit");
    QGuiApplication::clipboard()->setText("-1,5e3");
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(field->text(), QString("-1,5e3"));
    QCOMPARE(window.Refusals(), 0);
}

void TestCalculatorWindow::clearCommand_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("cleared");

    for (const QString& name : kAllFields) {
        const bool keeps = name == "blhdedit" || name == "blhdedit2" || name == "ltEdit";
        QTest::newRow(qPrintable(name)) << name << !keeps;
    }
}

void TestCalculatorWindow::clearCommand()
{
    QFETCH(QString, field);
    QFETCH(bool, cleared);

    CalculatorFixture window;
    for (const QString& name : kAllFields)
        window.Field(name)->setText("12.5");
    window.Find<QCheckBox>("CheckBox2")->setChecked(true);
    window.Find("nwpGroupBox")->setVisible(true);
    window.Find<QLabel>("Label11")->setText("notice");

    QTest::mouseClick(window.Find("Button2"), Qt::LeftButton);
    QCOMPARE(window.Field(field)->text(), cleared ? QString() : QString("12.5"));
    QVERIFY(window.Find<QCheckBox>("CheckBox2")->isChecked());
    QVERIFY(!window.Find("nwpGroupBox")->isHidden());
    QCOMPARE(window.Find<QLabel>("Label11")->text(), QString("notice"));
    QVERIFY(window.display.boxes.empty());
}

void TestCalculatorWindow::clearCommandOrder()
{
    CalculatorFixture window;
    QStringList order;
    for (const QString& name : kAllFields) {
        QLineEdit* field = window.Field(name);
        field->setText("1");
        QObject::connect(field, &QLineEdit::textChanged, [&order, name] { order << name; });
    }
    QTest::mouseClick(window.Find("Button2"), Qt::LeftButton);
    QCOMPARE(order, QStringList({"hcedit", "xcedit", "bjedit", "ggedit", "jdedit", "hdedit", "xlledit", "hcedit2",
                                 "xcedit2", "bjedit2", "ggedit2", "xlledit2"}));
}

void TestCalculatorWindow::links_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("shape");

    QTest::newRow("web site: a bare host name") << "Image2" << "^[a-z0-9-]+(\\.[a-z0-9-]+)+$";
    QTest::newRow("messaging contact")
        << "Image1" << "^tencent://message/\\?uin=[0-9]+&Site=[^&=]+&Menu=yes$";
}

void TestCalculatorWindow::links()
{
    QFETCH(QString, picture);
    QFETCH(QString, shape);

    CalculatorFixture window;
    QTest::mouseClick(window.Find(picture), Qt::LeftButton);
    QTest::mouseClick(window.Find(picture), Qt::LeftButton);
    QTest::mouseClick(window.Find(picture), Qt::RightButton);
    QCOMPARE(window.links.links.size(), size_t(2));
    QCOMPARE(window.links.links[0], window.links.links[1]);
    QVERIFY(QRegularExpression(shape).match(QString::fromStdString(window.links.links[0])).hasMatch());
    QVERIFY(window.display.boxes.empty());
}

void TestCalculatorWindow::desktopUrl_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("host");

    QTest::newRow("bare host name") << "www.vitralis-glass.cn" << "http" << "www.vitralis-glass.cn";
    QTest::newRow("messaging link") << "tencent://message/?uin=1&Site=维特力斯&Menu=yes" << "tencent" << "message";
}

void TestCalculatorWindow::desktopUrl()
{
    QFETCH(QString, link);
    QFETCH(QString, scheme);
    QFETCH(QString, host);

    const QUrl url = DesktopUrl(link.toStdString());
    QCOMPARE(url.scheme(), scheme);
    QCOMPARE(url.host(), host);
}

void TestCalculatorWindow::guardReportsEscapedErrors_data()
{
    QTest::addColumn<Throw>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("flags");

    const QString title = kApplicationTitle;
    QTest::newRow("abort is silent") << Throw([] { throw EAbort(); }) << "" << "" << 0;
    QTest::newRow("conversion error")
        << Throw([] { throw EConvertError("'abc' is not a valid floating point value"); })
        << "'abc' is not a valid floating point value." << title << MessageFlags::Stop;
    QTest::newRow("invalid operation") << Throw([] { throw EInvalidOp(); }) << "Invalid floating point operation."
                                       << title << MessageFlags::Stop;
    QTest::newRow("division by zero") << Throw([] { throw EZeroDivide(); }) << "Floating point division by zero."
                                      << title << MessageFlags::Stop;
    QTest::newRow("overflow") << Throw([] { throw EOverflow(); }) << "Floating point overflow." << title
                              << MessageFlags::Stop;
    QTest::newRow("underflow") << Throw([] { throw EUnderflow(); }) << "Floating point underflow." << title
                               << MessageFlags::Stop;
    QTest::newRow("message ending in a bracket") << Throw([] { throw Exception("see (1)"); }) << "see (1)" << title
                                                 << MessageFlags::Stop;
    QTest::newRow("standard library error")
        << Throw([] { throw std::runtime_error("lost"); })
        << "^Exception std::runtime_error in module test_calculator_window at [0-9A-F]{8}\\.\r\nlost\\.\r\n$"
        << "Application Error" << MessageFlags::StopTaskModal;
    QTest::newRow("not an exception class")
        << Throw([] { throw 42; }) << "^Exception int in module test_calculator_window at [0-9A-F]{8}\\.\r\n\r\n$"
        << "Application Error" << MessageFlags::StopTaskModal;
}

void TestCalculatorWindow::guardReportsEscapedErrors()
{
    QFETCH(Throw, error);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(int, flags);

    CalculatorFixture window;
    window.application.SetTitle(kApplicationTitle);
    window.links.onOpen = error;
    QTest::mouseClick(window.Find("Image2"), Qt::LeftButton);

    if (caption.isEmpty()) {
        QVERIFY(window.display.boxes.empty());
    } else {
        QCOMPARE(window.display.boxes.size(), size_t(1));
        const auto& box = window.display.boxes.front();
        QCOMPARE(box.owner, nullptr);
        const QString shown = QString::fromStdString(box.text);
        if (text.startsWith('^'))
            QVERIFY2(QRegularExpression(text).match(shown).hasMatch(), qPrintable(shown));
        else
            QCOMPARE(shown, text);
        QCOMPARE(QString::fromStdString(box.caption), caption);
        QCOMPARE(box.flags, flags);
    }

    // The program goes on: the next event is handled as usual.
    window.display.boxes.clear();
    QTest::keyClicks(window.Field("hcedit"), "5-");
    QCOMPARE(window.Field("hcedit")->text(), QString("5"));
    QCOMPARE(window.Refusals(), 1);
}

void TestCalculatorWindow::commandBarFollowsBottomEdge_data()
{
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<int>("width");

    QTest::newRow("piece panel shown") << 446 << 501;
    QTest::newRow("piece panel hidden again") << 332 << 501;
    QTest::newRow("widened by the user") << 446 << 700;
}

void TestCalculatorWindow::commandBarFollowsBottomEdge()
{
    QFETCH(int, outerHeight);
    QFETCH(int, width);

    CalculatorFixture window;
    window.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QWidget* bar = window.Find("Panel2");
    const QRect startBar = bar->geometry();
    const QRect group = window.Find("GroupBox1")->geometry();
    const QRect panel = window.Find("nwpGroupBox")->geometry();
    QCOMPARE(startBar.bottom(), window.form.height() - 1);

    window.form.SetHeight(outerHeight);
    window.form.resize(width, window.form.height());
    QCoreApplication::processEvents();

    QCOMPARE(bar->geometry(), QRect(0, window.form.height() - startBar.height(), width, startBar.height()));
    QCOMPARE(window.Find("GroupBox1")->geometry(), group);
    QCOMPARE(window.Find("nwpGroupBox")->geometry(), panel);
    // Shown in full, the piece panel sits between the single piece and the
    // command bar; hidden again, the window is back at its start height.
    if (outerHeight == 446)
        QVERIFY(panel.bottom() < bar->geometry().top());
    else
        QCOMPARE(bar->geometry().top(), startBar.top());
}

void TestCalculatorWindow::tabOrder_data()
{
    QTest::addColumn<bool>("panelShown");
    QTest::addColumn<QStringList>("order");

    const QStringList single = {"hcedit", "jdedit", "CheckBox1", "CheckBox2", "hdedit",
                                "xcedit", "bjedit", "blhdedit",  "ggedit",    "xlledit"};
    const QStringList piece = {"hcedit2", "xcedit2", "bjedit2", "ggedit2", "blhdedit2", "xlledit2", "ltEdit"};
    const QStringList bar = {"Button1", "Button2", "Button3"};
    QTest::newRow("single piece") << false << bar + single + bar.mid(0, 1);
    QTest::newRow("piece panel shown") << true << bar + single + piece + bar.mid(0, 1);
}

void TestCalculatorWindow::tabOrder()
{
    QFETCH(bool, panelShown);
    QFETCH(QStringList, order);

    CalculatorFixture window;
    window.Find("nwpGroupBox")->setVisible(panelShown);
    window.form.SetHeight(panelShown ? 446 : 332);
    window.form.show();
    QApplication::setActiveWindow(&window.form);
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    // The window opens with the keyboard on the first command.
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Button1"));
    window.Find(order.front())->setFocus(Qt::TabFocusReason);

    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (qsizetype step = 1; step < order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
    QVERIFY(window.display.boxes.empty());
}

void TestCalculatorWindow::pictures_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");

    QTest::newRow("window pane icon") << "Image3" << ":/pictures/pane.ico" << QByteArray("ico") << QSize(32, 32) << true;
    QTest::newRow("web-site emblem") << "Image2" << ":/pictures/globe.jpg" << QByteArray("jpeg") << QSize(33, 34)
                                     << false;
    QTest::newRow("messaging penguin") << "Image1" << ":/pictures/penguin.bmp" << QByteArray("bmp") << QSize(45, 50)
                                       << false;
}

void TestCalculatorWindow::pictures()
{
    QFETCH(QString, picture);
    QFETCH(QString, resource);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);

    CalculatorFixture window;
    QImageReader reader(resource);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);
    QCOMPARE(window.Find<QLabel>(picture)->pixmap().size(), size);
}

void TestCalculatorWindow::startPosition_data()
{
    QTest::addColumn<QRect>("available");  // the screen's area for windows
    QTest::addColumn<QPoint>("position");  // where the window's frame, 509 x 332, opens

    QTest::newRow("fits where it was laid out") << QRect(0, 0, 1280, 994) << QPoint(451, 145);
    QTest::newRow("fits beside a panel at the top") << QRect(0, 30, 1280, 994) << QPoint(451, 145);
    QTest::newRow("doubled scale, too narrow") << QRect(0, 0, 640, 488) << QPoint(131, 145);
    QTest::newRow("too low") << QRect(0, 0, 1024, 400) << QPoint(451, 68);
    QTest::newRow("screen smaller than the window") << QRect(100, 50, 400, 300) << QPoint(100, 50);
    QTest::newRow("a second screen to the right") << QRect(1280, 0, 1280, 1024) << QPoint(1280, 145);
}

void TestCalculatorWindow::startPosition()
{
    QFETCH(QRect, available);
    QFETCH(QPoint, position);

    QCOMPARE(FittedPosition(QRect(451, 145, 509, 332), available), position);
    CalculatorFixture window;
    QVERIFY(window.form.screen()->availableGeometry().contains(window.form.frameGeometry()));
}

QTEST_MAIN(TestCalculatorWindow)
#include "test_calculator_window.moc"
