#pragma once

#include <QStringList>

// bendcalc template: the drawing and the full-size template of a pane, or of
// every row of an order list, as PDF, SVG or DXF.
int RunTemplate(const QStringList& arguments);

// bendcalc ordinates: how high each face stands above the chord, station by
// station.
int RunOrdinates(const QStringList& arguments);
