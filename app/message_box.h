#pragma once

#include <string>

// Flag values of the message boxes, as the platform's message box takes them.
namespace MessageFlags {
inline constexpr int YesNo = 4;             // Yes and No, Yes the default, no icon
inline constexpr int Stop = 16;             // OK with the stop icon
inline constexpr int Information = 64;      // OK with the information icon
inline constexpr int StopTaskModal = 8208;  // OK, stop icon, task-modal (0x2010)
}

// The button a box was closed with.
namespace MessageResult {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}

// Whoever owns a modal message box: the calculator window in the program, a
// recorder that answers the boxes in tests. Texts are UTF-8.
class MessageOwner {
public:
    virtual ~MessageOwner() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
};
