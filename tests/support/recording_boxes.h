#pragma once

#include "app/message_box.h"
#include "app/qt/message_box_display.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

class QWidget;

// Puts no box on the screen: records every box with its owner window (none
// for the application's box, and for a box asked of it as a MessageOwner)
// and answers it with the next scripted button, OK once the script has run
// out.
class RecordingBoxes : public MessageOwner, public MessageBoxDisplay {
public:
    struct Box {
        QWidget* owner;
        std::string text;
        std::string caption;
        int flags;
    };

    int MessageBox(const std::string& text, const std::string& caption, int flags) override
    {
        return Show(nullptr, text, caption, flags);
    }

    int Show(QWidget* owner, const std::string& text, const std::string& caption, int flags) override
    {
        boxes.push_back({owner, text, caption, flags});
        if (answers_.empty())
            return MessageResult::Ok;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    // The buttons the next boxes are closed with, in order.
    void Script(std::initializer_list<int> answers) { answers_.assign(answers); }

    std::vector<Box> boxes;

private:
    std::deque<int> answers_;
};
