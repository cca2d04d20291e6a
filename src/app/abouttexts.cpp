#include "app/abouttexts.h"

#include "app/programlanguage.h"

namespace {

// The help exists in English and German; the other languages link the English pages.
AboutTexts withLinks(const char* help, QString webSite, QString description) {
    const QString page = QStringLiteral("help:%1/index.html#").arg(QLatin1String(help));
    return {std::move(webSite), std::move(description), page + QStringLiteral("components"),
            page + QStringLiteral("textbooks")};
}

} // namespace

AboutTexts aboutTextsFor(const QString& languageName) {
    switch (programLanguage(languageName)) {
    case ProgramLanguage::German:
        return withLinks(
            "de", QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"),
            QStringLiteral("Dieses Programm zeigt den Zusammenhang zwischen der Steigung der Tangente "
                           "und der ersten Ableitung einer Funktion. Es wurde vom Kyvelo-Projekt für "
                           "den Unterricht in Mathematik und Physik entwickelt. Die Simulation wird in "
                           "verschiedenen elektronischen Lehrbüchern eingesetzt und beruht auf der "
                           "„VRX Component Suite“."));
    case ProgramLanguage::French:
        return withLinks(
            "en", QStringLiteral(u"Vous trouverez plus d’informations sur les sites Web suivants\u00a0:"),
            QStringLiteral(u"Ce programme montre le lien entre la pente d’une tangente et la dérivée "
                           u"d’une fonction. Il a été développé par le projet Kyvelo pour "
                           u"l’enseignement des mathématiques et de la physique. La simulation est "
                           u"utilisée dans divers manuels électroniques et repose sur la "
                           u"«\u00a0VRX Component Suite\u00a0»."));
    case ProgramLanguage::Spanish:
        return withLinks(
            "en", QStringLiteral("Más información en estos sitios web:"),
            QStringLiteral("Este programa muestra la relación entre la pendiente de una recta tangente "
                           "y la primera derivada de una función. Fue desarrollado por el proyecto "
                           "Kyvelo para la enseñanza de las matemáticas y la física. La simulación se "
                           "utiliza en diversos libros de texto electrónicos y se basa en la "
                           "«VRX Component Suite»."));
    case ProgramLanguage::Italian:
        return withLinks(
            "en", QStringLiteral("Ulteriori informazioni su questi siti:"),
            QStringLiteral("Questo programma mostra la relazione tra il coefficiente angolare della "
                           "retta tangente e la derivata prima di una funzione. È stato sviluppato dal "
                           "progetto Kyvelo per l’insegnamento della matematica e della fisica. La "
                           "simulazione è utilizzata in diversi libri di testo elettronici e si basa "
                           "sulla «VRX Component Suite»."));
    case ProgramLanguage::Polish:
        return withLinks(
            "en", QStringLiteral("Więcej informacji na tych stronach:"),
            QStringLiteral("Ten program pokazuje związek między współczynnikiem kierunkowym stycznej "
                           "a pierwszą pochodną funkcji. Został opracowany w ramach projektu Kyvelo "
                           "do nauczania matematyki i fizyki. Symulacja jest wykorzystywana w różnych "
                           "podręcznikach elektronicznych i opiera się na pakiecie "
                           "„VRX Component Suite”."));
    case ProgramLanguage::Greek:
        return withLinks(
            "en", QStringLiteral("Περισσότερες πληροφορίες στις σελίδες:"),
            QStringLiteral("Αυτό το πρόγραμμα δείχνει τη σχέση ανάμεσα στην κλίση της εφαπτομένης και "
                           "στην πρώτη παράγωγο μιας συνάρτησης. Αναπτύχθηκε από το έργο Kyvelo για "
                           "τη διδασκαλία των μαθηματικών και της φυσικής. Η προσομοίωση "
                           "χρησιμοποιείται σε διάφορα ηλεκτρονικά σχολικά βιβλία και βασίζεται στη "
                           "«VRX Component Suite»."));
    case ProgramLanguage::English:
        break;
    }
    return withLinks(
        "en", QStringLiteral("More information can be found at the following Web sites:"),
        QStringLiteral("This program shows the relationship between the slope of a tangent and the "
                       "first derivative of a function. It was developed by the Kyvelo project for "
                       "teaching mathematics and physics. The simulation is used in various electronic "
                       "textbooks and is based on the “VRX Component Suite”."));
}
