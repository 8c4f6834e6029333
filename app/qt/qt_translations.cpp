#include "app/qt/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

std::unique_ptr<QTranslator> LoadQtTranslations(const QLocale& locale)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}
