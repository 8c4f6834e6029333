#include "template/sheet.h"

const char* LayerName(SheetLayer layer)
{
    switch (layer) {
    case SheetLayer::Faces:
        return "FACES";
    case SheetLayer::CutLine:
        return "CUT_LINE";
    case SheetLayer::Chord:
        return "CHORD";
    case SheetLayer::SecondPane:
        return "SECOND_PANE";
    case SheetLayer::Dimensions:
        return "DIMENSIONS";
    case SheetLayer::Texts:
        return "TEXTS";
    }
    return "0";
}
