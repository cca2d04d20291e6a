#include "app/abouttexts.h"

#include "app/programlanguage.h"

AboutTexts aboutTextsFor(const QString& languageName) {
    if (programLanguage(languageName) == ProgramLanguage::German)
        return {QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"),
                QStringLiteral("Dieses Programm zeigt den Zusammenhang zwischen der Steigung der Tangente "
                               "und der ersten Ableitung einer Funktion. Es wurde vom Kyvelo-Projekt für den "
                               "Unterricht in Mathematik und Physik entwickelt. Die Simulation wird in "
                               "verschiedenen elektronischen Lehrbüchern eingesetzt und beruht auf der "
                               "„VRX Component Suite“."),
                QStringLiteral("help:de/index.html#components"),
                QStringLiteral("help:de/index.html#textbooks")};
    return {QStringLiteral("More information can be found at the following Web sites:"),
            QStringLiteral("This program shows the relationship between the slope of a tangent and the "
                           "first derivative of a function. It was developed by the Kyvelo project for "
                           "teaching mathematics and physics. The simulation is used in various electronic "
                           "textbooks and is based on the “VRX Component Suite”."),
            QStringLiteral("help:en/index.html#components"), QStringLiteral("help:en/index.html#textbooks")};
}
