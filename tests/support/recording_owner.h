#pragma once

#include "app/message_box.h"
#include "support/scripted_answers.h"

#include <string>
#include <vector>

// A message-box owner for tests: records every box and answers it with the
// next scripted result (OK when the script has run out).
class RecordingOwner : public MessageOwner {
public:
    struct Box {
        std::string text;
        std::string caption;
        int flags;
    };

    int MessageBox(const std::string& text, const std::string& caption, int flags) override
    {
        boxes.push_back({text, caption, flags});
        return answers.Next();
    }

    std::vector<Box> boxes;
    ScriptedAnswers answers;
};
