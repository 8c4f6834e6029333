#pragma once

#include "app/message_box.h"

#include <deque>
#include <initializer_list>

// The buttons a test closes its boxes with, in order; OK once they run out.
class ScriptedAnswers {
public:
    void Script(std::initializer_list<int> answers) { answers_.assign(answers); }

    int Next()
    {
        if (answers_.empty())
            return MessageResult::Ok;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

private:
    std::deque<int> answers_;
};
