// The language the program speaks, as its language file names it under "$dlglanguage$": "LGGerman",
// "LGFrench", "LGSpanish", "LGItalian", "LGPolish" or "LGGreek" in any letter case; English for any
// other name and when there is no file.
#pragma once

#include <QString>

class QTranslator;

enum class ProgramLanguage { English, German, French, Spanish, Italian, Polish, Greek };

ProgramLanguage programLanguage(const QString& languageName);

// Installs Qt's own catalogue (qtbase) for that language from Qt's translation folder, in place of
// the one installed before, so that Qt's dialogs, menus and buttons speak it too, and returns it
// (the application owns it). English is Qt's own language; without the catalogue (Debian's
// qt6-translations-l10n, which has none for Greek) Qt stays in English. Both give null.
QTranslator* installQtTranslations(ProgramLanguage language);
