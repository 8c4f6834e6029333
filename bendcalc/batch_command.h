#pragma once

#include <QStringList>

// bendcalc batch: a whole order list, CSV in and CSV out.
int RunBatch(const QStringList& arguments);
