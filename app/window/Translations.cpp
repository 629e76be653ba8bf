#include "window/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &application)
{
    auto *english = new QTranslator(&application);
    if (english->load(":/i18n/mpoview_en.qm"))
        QCoreApplication::installTranslator(english);
    auto *local = new QTranslator(&application);
    if (local->load(QLocale(), "mpoview", "_", ":/i18n") && local->language() != english->language())
        QCoreApplication::installTranslator(local);
}
