#include "ui/calculator_window.h"

#include "app/qt/application.h"
#include "app/qt/message_box_display.h"
#include "ui/clickable_picture.h"
#include "ui/typed_text.h"
#include "ui/window_placement.h"
#include "ui_calculator_window.h"

#include <QFont>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>

#include <limits>
#include <utility>

namespace {

// Where the window appears at start, as laid out.
constexpr QPoint kStartPosition{451, 145};

// The title bar and borders of the frame the layout was designed in: its
// outer heights are the client heights plus 47.
constexpr QMargins kDesignedFrame{4, 43, 4, 4};

// The designed place, or the nearest place to it where the whole window is
// on the screen.
QPoint StartPosition(const QSize& clientSize)
{
    QScreen* screen = QGuiApplication::screenAt(kStartPosition);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return kStartPosition;
    return FittedPosition(QRect(kStartPosition, clientSize.grownBy(kDesignedFrame)), screen->availableGeometry());
}

// The layout's face is MS Sans Serif, which has no Chinese characters and is
// missing outside Windows; these sans-serif faces show the Chinese texts.
void UseChineseFaceWhereMissing()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("Microsoft YaHei")});
}

} // namespace

TForm1::TForm1(TApplication& application, LinkOpener& links, NoticeFetcher& http, QWidget* parent)
    : QWidget(parent), application_(application), links_(links), IdHTTP1(http), ui(std::make_unique<Ui::TForm1>())
{
    Q_INIT_RESOURCE(pictures);
    UseChineseFaceWhereMissing();
    ui->setupUi(this);
    move(StartPosition(size()));
    // The fields take texts of any length.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->setMaxLength(std::numeric_limits<int>::max());
    // The keyboard starts on the first control in tab order; the piece panel,
    // first of all, is hidden at start.
    ui->Button1->setFocus();
    WireEvents();
}

TForm1::~TForm1() = default;

void TForm1::RunGuarded(NotifyOperation operation, QObject* sender)
{
    application_.Guard([&] { (this->*operation)(sender); });
}

void TForm1::WireEvents()
{
    const std::pair<QAbstractButton*, NotifyOperation> clicks[] = {
        {ui->Button1, &TForm1::Button1Click},     {ui->Button2, &TForm1::Button2Click},
        {ui->Button3, &TForm1::Button3Click},     {ui->CheckBox1, &TForm1::CheckBox1Click},
        {ui->CheckBox2, &TForm1::CheckBox2Click},
    };
    for (const auto& [button, operation] : clicks)
        connect(button, &QAbstractButton::clicked, this, [this, button, operation] { RunGuarded(operation, button); });

    const std::pair<QLineEdit*, NotifyOperation> changes[] = {
        {ui->hcedit, &TForm1::hceditChange},   {ui->hcedit2, &TForm1::hceditChange},
        {ui->xcedit, &TForm1::xceditChange},   {ui->xcedit2, &TForm1::xceditChange},
        {ui->bjedit, &TForm1::bjeditChange},   {ui->bjedit2, &TForm1::bjeditChange},
        {ui->ggedit, &TForm1::ggeditChange},   {ui->ggedit2, &TForm1::ggeditChange},
        {ui->jdedit, &TForm1::jdeditChange},   {ui->hdedit, &TForm1::hdeditChange},
        {ui->xlledit, &TForm1::xlleditChange}, {ui->xlledit2, &TForm1::xlleditChange},
    };
    for (const auto& [field, operation] : changes)
        connect(field, &QLineEdit::textChanged, this, [this, field, operation] { RunGuarded(operation, field); });

    const std::pair<QLineEdit*, KeyPressOperation> keyPresses[] = {
        {ui->hcedit, &TForm1::hceditKeyPress},     {ui->hcedit2, &TForm1::hceditKeyPress},
        {ui->xcedit, &TForm1::xceditKeyPress},     {ui->xcedit2, &TForm1::xceditKeyPress},
        {ui->bjedit, &TForm1::bjeditKeyPress},     {ui->bjedit2, &TForm1::bjeditKeyPress},
        {ui->ggedit, &TForm1::ggeditKeyPress},     {ui->ggedit2, &TForm1::ggeditKeyPress},
        {ui->jdedit, &TForm1::jdeditKeyPress},     {ui->hdedit, &TForm1::hdeditKeyPress},
        {ui->xlledit, &TForm1::xlleditKeyPress},   {ui->xlledit2, &TForm1::xlleditKeyPress},
        {ui->blhdedit, &TForm1::blhdeditKeyPress}, {ui->blhdedit2, &TForm1::blhdeditKeyPress},
        {ui->ltEdit, &TForm1::blhdeditKeyPress},
    };
    for (const auto& [field, operation] : keyPresses) {
        keyPressOperations_.insert(field, operation);
        field->installEventFilter(this);
    }

    const std::pair<ClickablePicture*, NotifyOperation> pictures[] = {
        {ui->Image1, &TForm1::Image1Click},
        {ui->Image2, &TForm1::Image2Click},
    };
    for (const auto& [picture, operation] : pictures)
        connect(picture, &ClickablePicture::clicked, this, [this, picture, operation] { RunGuarded(operation, picture); });
}

int TForm1::MessageBox(const std::string& text, const std::string& caption, int flags)
{
    return application_.Boxes().Show(this, text, caption, flags);
}

void TForm1::SetHeight(int outerHeight)
{
    resize(width(), outerHeight - kDesignedFrame.top() - kDesignedFrame.bottom());
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    // The command bar stays on the bottom edge across the full width; every
    // other control keeps its place.
    const int barHeight = ui->Panel2->height();
    ui->Panel2->setGeometry(0, height() - barHeight, width(), barHeight);
    QWidget::resizeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (const auto keyPress = keyPressOperations_.constFind(watched); keyPress != keyPressOperations_.cend()) {
        if (event->type() == QEvent::KeyPress && !forwardingKey_)
            return FilterKeyPress(watched, *keyPress, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::InputMethod)
            FilterInputMethod(watched, *keyPress, static_cast<QInputMethodEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

QString TForm1::FilterTypedText(QObject* field, KeyPressOperation keyPress, const QString& typed)
{
    QString kept;
    for (const char32_t code : typed.toUcs4()) {
        char32_t Key = code;
        bool finished = false;
        application_.Guard([&] {
            (this->*keyPress)(field, Key);
            finished = true;
        });
        // A key whose operation failed is dropped as well.
        if (finished && Key != 0)
            kept += QString::fromUcs4(&Key, 1);
    }
    return kept;
}

bool TForm1::FilterKeyPress(QObject* field, KeyPressOperation keyPress, QKeyEvent* event)
{
    const QString typed = TypedText(*event);
    if (typed.isEmpty())
        return false;
    const QString kept = FilterTypedText(field, keyPress, typed);
    if (kept == typed)
        return false;
    // A key that typed several characters passes on only those let through.
    if (!kept.isEmpty()) {
        QKeyEvent forwarded(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                            event->count());
        forwardingKey_ = true;
        QCoreApplication::sendEvent(field, &forwarded);
        forwardingKey_ = false;
    }
    return true;
}

void TForm1::FilterInputMethod(QObject* field, KeyPressOperation keyPress, QInputMethodEvent* event)
{
    // Text committed by an input method is typing like any other.
    const QString committed = event->commitString();
    if (committed.isEmpty())
        return;
    const QString kept = FilterTypedText(field, keyPress, committed);
    if (kept != committed)
        event->setCommitString(kept, event->replacementStart(), event->replacementLength());
}
