#include "app/qt/message_box_display.h"

#include "app/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

namespace {

// The parts of the platform's flag word that the calculator uses.
constexpr int kButtonsMask = 0x000F;
constexpr int kIconMask = 0x00F0;
constexpr int kYesNoButtons = 0x0004;
constexpr int kStopIcon = 0x0010;
constexpr int kQuestionIcon = 0x0020;
constexpr int kWarningIcon = 0x0030;
constexpr int kInformationIcon = 0x0040;

QMessageBox::Icon IconFor(int flags)
{
    switch (flags & kIconMask) {
    case kStopIcon:
        return QMessageBox::Critical;
    case kQuestionIcon:
        return QMessageBox::Question;
    case kWarningIcon:
        return QMessageBox::Warning;
    case kInformationIcon:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The application's box has no owner window; it appears in the middle of the
// screen the user is working on.
void CentreOnActiveScreen(QMessageBox& box)
{
    QScreen* screen = QApplication::activeWindow() ? QApplication::activeWindow()->screen() : QApplication::primaryScreen();
    if (screen == nullptr)
        return;
    box.adjustSize();
    box.move(screen->availableGeometry().center() - box.rect().center());
}

} // namespace

std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                                              int flags)
{
    // Message texts may carry what a user pasted into a field: never markup.
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    auto box = std::make_unique<QMessageBox>(owner);
    box->setTextFormat(Qt::PlainText);
    box->setText(shown);
    box->setWindowTitle(QString::fromStdString(caption));
    box->setIcon(IconFor(flags));
    if ((flags & kButtonsMask) == kYesNoButtons) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    // Every box keeps the whole program from taking input until it closes.
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

int MessageResultFor(int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        return MessageResult::Ok;
    }
}

int QtMessageBoxDisplay::Show(QWidget* owner, const std::string& text, const std::string& caption, int flags)
{
    // Closing the box gives the keyboard back to the control that had it.
    const QPointer<QWidget> activeWindow = QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();

    const auto box = CreateMessageBox(owner, text, caption, flags);
    if (owner == nullptr)
        CentreOnActiveScreen(*box);
    box->exec();
    const int result = MessageResultFor(box->standardButton(box->clickedButton()));

    if (activeWindow)
        activeWindow->activateWindow();
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
    return result;
}
