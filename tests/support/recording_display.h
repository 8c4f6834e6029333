#pragma once

#include "app/message_box.h"
#include "app/message_box_display.h"
#include "support/scripted_answers.h"

#include <string>
#include <vector>

class QWidget;

// Puts no box on the screen: records each one, with its owner (null for the
// application box), and answers it with the next scripted answer (OK once
// the script has run out).
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
        return answers.Next();
    }

    std::vector<Box> boxes;
    ScriptedAnswers answers;
};
