#pragma once

#include <memory>

class QLocale;
class QTranslator;

// Qt's own translations for a locale (the buttons of its boxes, the menus of
// its fields), from the folder Qt installs them in; none when Qt has none for
// that locale. The calculator's own texts are Chinese whatever the locale.
std::unique_ptr<QTranslator> LoadQtTranslations(const QLocale& locale);
