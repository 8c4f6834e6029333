#pragma once

#include <memory>
#include <string>

class QMessageBox;
class QWidget;

// Puts a modal message box on the screen and returns the button it was closed
// with (MessageResult). A box with an owner window is that window's box; a
// box without one is the application's box. Flags and texts as MessageOwner
// takes them.
class MessageBoxDisplay {
public:
    virtual ~MessageBoxDisplay() = default;
    virtual int Show(QWidget* owner, const std::string& text, const std::string& caption, int flags) = 0;
};

// The real boxes: Qt message boxes.
class QtMessageBoxDisplay : public MessageBoxDisplay {
public:
    int Show(QWidget* owner, const std::string& text, const std::string& caption, int flags) override;
};

// The box for the given flags, built but not shown: the buttons, the default
// button, the icon and the modality that the flags ask for.
std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                                              int flags);

// The MessageResult of a QMessageBox::StandardButton.
int MessageResultFor(int standardButton);
