#pragma once

class QCoreApplication;

// Installs the program's own translation (built into the program as a resource) and Qt's (from
// Qt's translations folder) for the user's language: LANGUAGE, then LC_ALL, LC_MESSAGES, LANG.
// Where there is none the texts stay in English. The translators belong to app.
void installTranslations(QCoreApplication &app);
