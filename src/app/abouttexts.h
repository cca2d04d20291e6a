// The About dialog's texts in the languages the program knows itself (see programlanguage.h).
#pragma once

#include <QString>

struct AboutTexts {
    QString WebSite;     // the heading beside the links
    QString Description; // what the program shows, who made it, where it is used
    QString SuiteLink;   // the help page behind the component suite's link, in that language
    QString PellavoLink; // the help page behind the textbooks' link, in that language
};

AboutTexts aboutTextsFor(const QString& languageName);
