// Loads the viewer's localized texts: English first, then the user's
// language over it, so a text missing in that language falls back to
// English and a key missing everywhere shows the key itself.
#pragma once

class QCoreApplication;

void installTranslations(QCoreApplication &application);
