#pragma once

#include <QStringList>

// bendcalc solve: one pane from its quantities given as options, shown as
// the window would show it, as a small table or as a one-row list.
int RunSolve(const QStringList& arguments);
