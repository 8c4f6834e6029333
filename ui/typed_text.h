#pragma once

#include <QString>

class QKeyEvent;

// The characters a key press types into a field, which the numeric key
// filter judges. Empty for a key that types no character: arrows, Home, End,
// Insert, Delete, function keys, and Tab, which moves the focus before any
// field sees it. Ctrl+Backspace types the control code 127.
QString TypedText(const QKeyEvent& event);
