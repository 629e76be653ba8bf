#include "window/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &application)
{
    auto *english = new QTranslator(&application);
    if (english->load(":/i18n/mpoview_en.qm"))
        QCoreApplication::installTranslator(english);
    auto *local = new QTranslator(&application);
    if (!local->load(QLocale(), "mpoview", "_", ":/i18n") || local->language() == english->language())
        return;
    QCoreApplication::installTranslator(local);
    // Qt's own texts (the file panels, the standard buttons) in the same
    // language, from the system's Qt translations (qt6-translations-l10n).
    auto *qt = new QTranslator(&application);
    if (qt->load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
