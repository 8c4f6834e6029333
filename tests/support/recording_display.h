#pragma once

#include "app/message_box.h"
#include "app/message_box_display.h"

#include <string>
#include <vector>

class QWidget;

// Puts no box on the screen: records each one, with its owner (null for the
// application box), and answers OK.
class RecordingDisplay : public MessageBoxDisplay {
public:
    struct Box {
        QWidget* owner;
        std::string text;
        std::string caption;
        int flags;
    };

    int Show(QWidget* owner, const std::string& text, const std::string& caption, int flags) override
    {
        boxes.push_back({owner, text, caption, flags});
        return MessageResult::Ok;
    }

    std::vector<Box> boxes;
};
