// The About dialog's texts in the two languages the program knows itself: German when the language
// file names itself "LGGerman" (in any letter case), English otherwise.
#pragma once

#include <QString>

struct AboutTexts {
    QString WebSite;     // the heading beside the links
    QString Description; // what the program shows, who made it, where it is used
};

AboutTexts aboutTextsFor(const QString& languageName);
