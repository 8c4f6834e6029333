#pragma once

#include "app/message_box.h"
#include "core/bend_solver.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <string>

class LinkOpener;
class NoticeFetcher;
class QCheckBox;
class QEvent;
class QInputMethodEvent;
class QKeyEvent;
class QResizeEvent;
class TApplication;

namespace Ui {
class TForm1;
}

// The calculator window: the single-piece group, the piece panel, the command
// bar and the two link pictures. Every user event runs one operation of the
// window, named after its control and event, inside the application's guard.
// The window is also the owner of the window box.
class TForm1 : public QWidget, public MessageOwner {
    Q_OBJECT

public:
    TForm1(TApplication& application, LinkOpener& links, NoticeFetcher& http, QWidget* parent = nullptr);
    ~TForm1() override;

    // The window box: owned by this window, which takes no input while it is
    // open.
    int MessageBox(const std::string& text, const std::string& caption, int flags) override;

    // Sets the height of the whole window, frame included, as the layout was
    // designed: with a title bar and borders 47 pixels high in all, whatever
    // frame the desktop actually draws.
    void SetHeight(int outerHeight);

    // Commands.
    void Button1Click(QObject* Sender);
    void Button2Click(QObject* Sender);
    void Button3Click(QObject* Sender);
    void CheckBox1Click(QObject* Sender);
    void CheckBox2Click(QObject* Sender);
    void Image1Click(QObject* Sender);
    void Image2Click(QObject* Sender);

    // The numeric key filter, one operation per quantity. Key is the code of
    // the character about to be typed; it is set to 0 to drop the key.
    void hceditKeyPress(QObject* Sender, char32_t& Key);
    void xceditKeyPress(QObject* Sender, char32_t& Key);
    void bjeditKeyPress(QObject* Sender, char32_t& Key);
    void ggeditKeyPress(QObject* Sender, char32_t& Key);
    void jdeditKeyPress(QObject* Sender, char32_t& Key);
    void hdeditKeyPress(QObject* Sender, char32_t& Key);
    void xlleditKeyPress(QObject* Sender, char32_t& Key);
    void blhdeditKeyPress(QObject* Sender, char32_t& Key);

    // A change of a field's text has no behaviour of its own.
    void hceditChange(QObject* Sender);
    void xceditChange(QObject* Sender);
    void bjeditChange(QObject* Sender);
    void ggeditChange(QObject* Sender);
    void jdeditChange(QObject* Sender);
    void hdeditChange(QObject* Sender);
    void xlleditChange(QObject* Sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    using KeyPressOperation = void (TForm1::*)(QObject*, char32_t&);
    using NotifyOperation = void (TForm1::*)(QObject*);

    void WireEvents();
    void RunGuarded(NotifyOperation operation, QObject* sender);
    void SwitchPieceMode(QCheckBox* box, QCheckBox* otherBox, const QString& piece, const QString& enteredPane);
    void RefuseNonNumericKey(char32_t& Key);
    // Runs the field's key-press operation on each typed character and
    // returns the characters it lets through.
    QString FilterTypedText(QObject* field, KeyPressOperation keyPress, const QString& typed);
    bool FilterKeyPress(QObject* field, KeyPressOperation keyPress, QKeyEvent* event);
    void FilterInputMethod(QObject* field, KeyPressOperation keyPress, QInputMethodEvent* event);

    TApplication& application_;
    LinkOpener& links_;
    // The HTTP client that fetches the notice line's text.
    NoticeFetcher& IdHTTP1;
    // The window's one record of bend quantities, refilled from the fields at
    // the start of every calculation.
    BendValues values_;
    std::unique_ptr<Ui::TForm1> ui;
    QHash<QObject*, KeyPressOperation> keyPressOperations_;
    bool forwardingKey_ = false;
};
