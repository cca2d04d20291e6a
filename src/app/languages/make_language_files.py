#!/usr/bin/env python3
"""Writes the program's language files, kyvelo_<code>.itl, beside this script: English, German,
French, Spanish, Italian, Polish and Greek.

One entry per line, "[" key "]=" value "|$$", lines ended by CR LF. Languages whose letters
Windows-1252 has are written in it; Polish and Greek are UTF-8 with the byte-order mark that marks
such a file. Keys are the captions of the two windows without their "BF_" prefix, and four keys of
the program's own: $dlglanguage$, $languagename$ (the language's name in itself, for the language
menu), HomePageURL and MMExplain (the HTML text under the chart; it may run over several lines, each
line break reading as a blank). Links to the help pages that come with the program are written
"help:" and the page's path below the help folder; the program opens them from where it finds the
pages. The help exists in English and German; the other languages link the English pages. The
mathematical signs of the explanatory text (the Greek capital delta, the prime, the arrow) are HTML
entities in every language, so that the text reads the same in either encoding."""
import pathlib

HERE = pathlib.Path(__file__).parent
HELP_EN = "help:en/"
HELP_DE = "help:de/"

EXPLAIN_EN = f"""<p style="margin:2px 4px">Drag the two red measuring points along the curve with the left mouse button.
The blue <b>secant</b> runs through both points: its slope &Delta;s/&Delta;t is the <i>average</i> velocity
between them (the read-outs <b>ds</b> and <b>dt</b> show &Delta;s and &Delta;t). Move the points closer and
closer together and the secant approaches the <b>tangent</b>, which touches the curve at that point
(elsewhere it may cross the curve); <i>Single Point Measurement</i> shows it at point 1. Its slope
– the limit of &Delta;s/&Delta;t as &Delta;t &rarr; 0 – is the <i>instantaneous</i> velocity s&prime;(t),
the first derivative of the distance s(t). Velocities are in km/h: km per minute times 60.
<a href="{HELP_EN}secant-tangent.html">Secant and tangent</a> &middot;
<a href="{HELP_EN}derivative.html">The first derivative</a></p>"""

EXPLAIN_DE = f"""<p style="margin:2px 4px">Ziehen Sie die beiden roten Messpunkte mit der linken Maustaste entlang der Kurve.
Die blaue <b>Sekante</b> geht durch beide Punkte: Ihre Steigung &Delta;s/&Delta;t ist die <i>mittlere</i>
Geschwindigkeit zwischen ihnen (die Anzeigen <b>ds</b> und <b>dt</b> zeigen &Delta;s und &Delta;t). Rücken die
Punkte immer näher zusammen, nähert sich die Sekante der <b>Tangente</b>. Sie berührt die Kurve in
diesem Punkt (an anderer Stelle kann sie die Kurve schneiden); „Einzelpunktmessung“ zeigt sie in
Punkt 1. Ihre Steigung – der Grenzwert von &Delta;s/&Delta;t für &Delta;t &rarr; 0 – ist die <i>momentane</i>
Geschwindigkeit s&prime;(t), die erste Ableitung des Weges s(t). Geschwindigkeiten stehen in km/h:
km pro Minute mal 60.
<a href="{HELP_DE}secant-tangent.html">Sekante und Tangente</a> &middot;
<a href="{HELP_DE}derivative.html">Die erste Ableitung</a></p>"""

COPYRIGHT = "Copyright (c) 2026 The Kyvelo developers. MIT License."

ENGLISH = {
    "$dlglanguage$": "LGEnglish",
    "$languagename$": "English",
    "HomePageURL": HELP_EN + "index.html",
    "Distance - Time - Velocity": "Distance - Time - Velocity",
    "Show Crosshairs": "Show Crosshairs",
    "Single Point Measurement": "Single Point Measurement",
    "Uniform Movement": "Uniform Movement",
    "Standard Road Situation": "Standard Road Situation",
    "Back and Forth": "Back and Forth",
    "About": "About",
    "Exit": "Exit",
    "Time [min]": "Time [min]",
    "Distance [km]": "Distance [km]",
    "Velocity": "Velocity",
    "Average velocity": "Average velocity",
    "Velocity at point 1": "Velocity at point 1",
    "Distance Interval ds [km]": "Distance Interval ds [km]",
    "Time Interval dt [min]": "Time Interval dt [min]",
    "HomePage": "Kyvelo home page",
    "OK": "OK",
    "Copy picture": "Copy picture",
    "Save picture...": "Save picture…",
    "Let point 2 glide to point 1": "Let point 2 glide to point 1",
    "The picture could not be saved as %1.": "The picture could not be saved as %1.",
    "Distance-time chart": "Distance-time chart",
    "Point 1: %1 min, %2 km": "Point 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "point 2: %1 min, %2 km",
    "Trip profile": "Trip profile",
    "Language": "Language",
    "The language could not be stored: %1": "The language could not be stored: %1",
    COPYRIGHT: COPYRIGHT,
    "MMExplain": EXPLAIN_EN,
}

GERMAN = {
    "$dlglanguage$": "LGGerman",
    "$languagename$": "Deutsch",
    "HomePageURL": HELP_DE + "index.html",
    "Distance - Time - Velocity": "Weg - Zeit - Geschwindigkeit",
    "Show Crosshairs": "Fadenkreuze zeigen",
    "Single Point Measurement": "Einzelpunktmessung",
    "Uniform Movement": "Gleichförmige Bewegung",
    "Standard Road Situation": "Normale Verkehrslage",
    "Back and Forth": "Hin und zurück",
    "About": "Über",
    "Exit": "Beenden",
    "Time [min]": "Zeit [min]",
    "Distance [km]": "Weg [km]",
    "Velocity": "Geschwindigkeit",
    "Average velocity": "Mittlere Geschwindigkeit",
    "Velocity at point 1": "Geschwindigkeit in Punkt 1",
    "Distance Interval ds [km]": "Wegintervall ds [km]",
    "Time Interval dt [min]": "Zeitintervall dt [min]",
    "HomePage": "Kyvelo-Homepage",
    "OK": "OK",
    "Copy picture": "Bild kopieren",
    "Save picture...": "Bild speichern…",
    "Let point 2 glide to point 1": "Punkt 2 zu Punkt 1 gleiten lassen",
    "The picture could not be saved as %1.": "Das Bild konnte nicht als %1 gespeichert werden.",
    "Distance-time chart": "Weg-Zeit-Diagramm",
    "Point 1: %1 min, %2 km": "Punkt 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "Punkt 2: %1 min, %2 km",
    "Trip profile": "Fahrtprofil",
    "Language": "Sprache",
    "The language could not be stored: %1": "Die Sprache konnte nicht gespeichert werden: %1",
    COPYRIGHT: "Copyright (c) 2026 die Kyvelo-Entwickler. MIT-Lizenz.",
    "MMExplain": EXPLAIN_DE,
}

# ---- The velocity graph, the limit table, "Set points..." and Reset (keys of StudyTexts, and the
# paragraph added to the explanatory text while the velocity graph is shown).
EXPLAIN_VELOCITY_EN = """<p style="margin:2px 4px">The <b>velocity graph</b> under the chart shows v(t) = s&prime;(t) &middot; 60
in km/h. Every measurement leaves a red dot; the green curve (key E) is the exact derivative. With two points
the blue segment is the <i>average</i> velocity from t1 to t2: the area under v(t) between the points
equals the distance &Delta;s.</p>"""

EXPLAIN_VELOCITY_DE = """<p style="margin:2px 4px">Das <b>Geschwindigkeitsdiagramm</b> unter dem Weg-Zeit-Diagramm zeigt
v(t) = s&prime;(t) &middot; 60 in km/h. Jede Messung hinterlässt einen roten Punkt; die grüne Kurve (Taste E) ist die
exakte Ableitung. Mit zwei Punkten zeigt die blaue Strecke die <i>mittlere</i> Geschwindigkeit von t1 bis t2:
die Fläche unter v(t) zwischen den Punkten ist gleich dem Weg &Delta;s.</p>"""

ENGLISH.update({
    "Velocity [km/h]": "Velocity [km/h]",
    "Velocity graph": "Velocity graph",
    "Exact velocity curve": "Exact velocity curve",
    "Limit table": "Limit table",
    "Set points...": "Set points...",
    "Reset": "Reset",
    "Copy table": "Copy table",
    "dt [min]": "dt [min]",
    "ds [km]": "ds [km]",
    "ds/dt [km/h]": "ds/dt [km/h]",
    "Tangent, central secant": "Tangent, central secant",
    "Tangent, exact": "Tangent, exact",
    "Point 1 [min]:": "Point 1 [min]:",
    "Point 2 [min]:": "Point 2 [min]:",
    "Type a time from %1 to %2 min.": "Type a time from %1 to %2 min.",
    "Cancel": "Cancel",
    "Velocity-time graph": "Velocity-time graph",
    "%1 measured velocities, the last %2 km/h at %3 min": "%1 measured velocities, the last %2 km/h at %3 min",
    "the exact curve v(t) is shown": "the exact curve v(t) is shown",
    "average velocity %1 km/h from %2 to %3 min": "average velocity %1 km/h from %2 to %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_EN,
})

GERMAN.update({
    "Velocity [km/h]": "Geschwindigkeit [km/h]",
    "Velocity graph": "Geschwindigkeitsdiagramm",
    "Exact velocity curve": "Exakte Geschwindigkeitskurve",
    "Limit table": "Grenzwerttabelle",
    "Set points...": "Punkte setzen...",
    "Reset": "Zurücksetzen",
    "Copy table": "Tabelle kopieren",
    "dt [min]": "dt [min]",
    "ds [km]": "ds [km]",
    "ds/dt [km/h]": "ds/dt [km/h]",
    "Tangent, central secant": "Tangente, zentrale Sekante",
    "Tangent, exact": "Tangente, exakt",
    "Point 1 [min]:": "Punkt 1 [min]:",
    "Point 2 [min]:": "Punkt 2 [min]:",
    "Type a time from %1 to %2 min.": "Geben Sie eine Zeit von %1 bis %2 min ein.",
    "Cancel": "Abbrechen",
    "Velocity-time graph": "Geschwindigkeit-Zeit-Diagramm",
    "%1 measured velocities, the last %2 km/h at %3 min": "%1 gemessene Geschwindigkeiten, die letzte %2 km/h bei %3 min",
    "the exact curve v(t) is shown": "die exakte Kurve v(t) wird gezeigt",
    "average velocity %1 km/h from %2 to %3 min": "mittlere Geschwindigkeit %1 km/h von %2 bis %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_DE,
})
# ---- End of the velocity graph's and limit table's keys.


# French typography: a no-break space before the two-part signs : ; ? ! and inside « ».
def french(entries):
    spaced = {" :": "\u00a0:", " ;": "\u00a0;", " ?": "\u00a0?", " !": "\u00a0!", "« ": "«\u00a0", " »": "\u00a0»"}
    result = {}
    for key, value in entries.items():
        for plain, nbsp in spaced.items():
            value = value.replace(plain, nbsp)
        result[key] = value
    return result


EXPLAIN_VELOCITY_FR = """<p style="margin:2px 4px">Le <b>graphique des vitesses</b> sous le diagramme montre v(t) = s&prime;(t) &middot; 60
en km/h. Chaque mesure laisse un point rouge ; la courbe verte (touche E) est la dérivée exacte. Avec deux points,
le segment bleu est la vitesse <i>moyenne</i> de t1 à t2 : l’aire sous v(t) entre les points est égale à la
distance &Delta;s.</p>"""

EXPLAIN_FR = f"""<p style="margin:2px 4px">Faites glisser les deux points de mesure rouges le long de la courbe avec le bouton gauche de la souris.
La <b>sécante</b> bleue passe par les deux points : sa pente &Delta;s/&Delta;t est la vitesse <i>moyenne</i>
entre eux (les afficheurs <b>ds</b> et <b>dt</b> indiquent &Delta;s et &Delta;t). Rapprochez les points de plus en
plus : la sécante tend vers la <b>tangente</b>, qui touche la courbe en ce point (ailleurs, elle peut
couper la courbe) ; « Mesure en un seul point » la montre au point 1. Sa pente – la limite de
&Delta;s/&Delta;t quand &Delta;t &rarr; 0 – est la vitesse <i>instantanée</i> s&prime;(t), la dérivée de la distance s(t).
Les vitesses sont en km/h : des km par minute multipliés par 60.
<a href="{HELP_EN}secant-tangent.html">Sécante et tangente (en anglais)</a> &middot;
<a href="{HELP_EN}derivative.html">La dérivée (en anglais)</a></p>"""

FRENCH = french({
    "$dlglanguage$": "LGFrench",
    "$languagename$": "Français",
    "HomePageURL": HELP_EN + "index.html",
    "Distance - Time - Velocity": "Distance - Temps - Vitesse",
    "Show Crosshairs": "Afficher les lignes de repère",
    "Single Point Measurement": "Mesure en un seul point",
    "Uniform Movement": "Mouvement uniforme",
    "Standard Road Situation": "Circulation normale",
    "Back and Forth": "Aller et retour",
    "About": "À propos",
    "Exit": "Quitter",
    "Time [min]": "Temps [min]",
    "Distance [km]": "Distance [km]",
    "Velocity": "Vitesse",
    "Average velocity": "Vitesse moyenne",
    "Velocity at point 1": "Vitesse au point 1",
    "Distance Interval ds [km]": "Variation de distance ds [km]",
    "Time Interval dt [min]": "Intervalle de temps dt [min]",
    "HomePage": "Page d’accueil de Kyvelo",
    "OK": "OK",
    "Copy picture": "Copier l’image",
    "Save picture...": "Enregistrer l’image…",
    "Let point 2 glide to point 1": "Faire glisser le point 2 jusqu’au point 1",
    "The picture could not be saved as %1.": "L’image n’a pas pu être enregistrée sous %1.",
    "Distance-time chart": "Graphique distance-temps",
    "Point 1: %1 min, %2 km": "Point 1 : %1 min, %2 km",
    "point 2: %1 min, %2 km": "point 2 : %1 min, %2 km",
    "Trip profile": "Profil du trajet",
    "Language": "Langue",
    "The language could not be stored: %1": "La langue n’a pas pu être enregistrée : %1",
    COPYRIGHT: "Copyright (c) 2026 les développeurs de Kyvelo. Licence MIT.",
    "Velocity [km/h]": "Vitesse [km/h]",
    "Velocity graph": "Graphique des vitesses",
    "Exact velocity curve": "Courbe exacte des vitesses",
    "Limit table": "Tableau de limite",
    "Set points...": "Placer les points...",
    "Reset": "Réinitialiser",
    "Copy table": "Copier le tableau",
    "dt [min]": "dt [min]",
    "ds [km]": "ds [km]",
    "ds/dt [km/h]": "ds/dt [km/h]",
    "Tangent, central secant": "Tangente, sécante centrée",
    "Tangent, exact": "Tangente, exacte",
    "Point 1 [min]:": "Point 1 [min] :",
    "Point 2 [min]:": "Point 2 [min] :",
    "Type a time from %1 to %2 min.": "Saisissez un temps de %1 à %2 min.",
    "Cancel": "Annuler",
    "Velocity-time graph": "Graphique vitesse-temps",
    "%1 measured velocities, the last %2 km/h at %3 min": "vitesses mesurées : %1, la dernière %2 km/h à %3 min",
    "the exact curve v(t) is shown": "la courbe exacte v(t) est affichée",
    "average velocity %1 km/h from %2 to %3 min": "vitesse moyenne %1 km/h de %2 à %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_FR,
    "MMExplain": EXPLAIN_FR,
})

EXPLAIN_VELOCITY_ES = """<p style="margin:2px 4px">La <b>gráfica de velocidad</b> bajo el diagrama muestra v(t) = s&prime;(t) &middot; 60
en km/h. Cada medición deja un punto rojo; la curva verde (tecla E) es la derivada exacta. Con dos puntos, el
segmento azul es la velocidad <i>media</i> de t1 a t2: el área bajo v(t) entre los puntos es igual a la
distancia &Delta;s.</p>"""

EXPLAIN_ES = f"""<p style="margin:2px 4px">Arrastre los dos puntos de medición rojos a lo largo de la curva con el botón izquierdo del ratón.
La <b>secante</b> azul pasa por ambos puntos: su pendiente &Delta;s/&Delta;t es la velocidad <i>media</i> entre
ellos (los indicadores <b>ds</b> y <b>dt</b> muestran &Delta;s y &Delta;t). Acerque cada vez más los puntos y la
secante se aproxima a la <b>tangente</b>, que toca la curva en ese punto (en otro lugar puede cortarla);
«Medición en un solo punto» la muestra en el punto 1. Su pendiente —el límite de &Delta;s/&Delta;t cuando
&Delta;t &rarr; 0— es la velocidad <i>instantánea</i> s&prime;(t), la primera derivada de la distancia s(t).
Las velocidades se dan en km/h: km por minuto multiplicados por 60.
<a href="{HELP_EN}secant-tangent.html">Secante y tangente (en inglés)</a> &middot;
<a href="{HELP_EN}derivative.html">La primera derivada (en inglés)</a></p>"""

SPANISH = {
    "$dlglanguage$": "LGSpanish",
    "$languagename$": "Español",
    "HomePageURL": HELP_EN + "index.html",
    "Distance - Time - Velocity": "Distancia - Tiempo - Velocidad",
    "Show Crosshairs": "Mostrar líneas de referencia",
    "Single Point Measurement": "Medición en un solo punto",
    "Uniform Movement": "Movimiento uniforme",
    "Standard Road Situation": "Tráfico normal",
    "Back and Forth": "Ida y vuelta",
    "About": "Acerca de",
    "Exit": "Salir",
    "Time [min]": "Tiempo [min]",
    "Distance [km]": "Distancia [km]",
    "Velocity": "Velocidad",
    "Average velocity": "Velocidad media",
    "Velocity at point 1": "Velocidad en el punto 1",
    "Distance Interval ds [km]": "Incremento de distancia ds [km]",
    "Time Interval dt [min]": "Intervalo de tiempo dt [min]",
    "HomePage": "Página principal de Kyvelo",
    "OK": "Aceptar",
    "Copy picture": "Copiar imagen",
    "Save picture...": "Guardar imagen…",
    "Let point 2 glide to point 1": "Deslizar el punto 2 hasta el punto 1",
    "The picture could not be saved as %1.": "No se pudo guardar la imagen como %1.",
    "Distance-time chart": "Gráfica distancia-tiempo",
    "Point 1: %1 min, %2 km": "Punto 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "punto 2: %1 min, %2 km",
    "Trip profile": "Perfil del trayecto",
    "Language": "Idioma",
    "The language could not be stored: %1": "No se pudo guardar el idioma: %1",
    COPYRIGHT: "Copyright (c) 2026 los desarrolladores de Kyvelo. Licencia MIT.",
    "Velocity [km/h]": "Velocidad [km/h]",
    "Velocity graph": "Gráfica de velocidad",
    "Exact velocity curve": "Curva exacta de velocidad",
    "Limit table": "Tabla del límite",
    "Set points...": "Fijar puntos...",
    "Reset": "Restablecer",
    "Copy table": "Copiar tabla",
    "dt [min]": "dt [min]",
    "ds [km]": "ds [km]",
    "ds/dt [km/h]": "ds/dt [km/h]",
    "Tangent, central secant": "Tangente, secante centrada",
    "Tangent, exact": "Tangente, exacta",
    "Point 1 [min]:": "Punto 1 [min]:",
    "Point 2 [min]:": "Punto 2 [min]:",
    "Type a time from %1 to %2 min.": "Escriba un tiempo de %1 a %2 min.",
    "Cancel": "Cancelar",
    "Velocity-time graph": "Gráfica velocidad-tiempo",
    "%1 measured velocities, the last %2 km/h at %3 min": "velocidades medidas: %1, la última %2 km/h en %3 min",
    "the exact curve v(t) is shown": "se muestra la curva exacta v(t)",
    "average velocity %1 km/h from %2 to %3 min": "velocidad media %1 km/h de %2 a %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_ES,
    "MMExplain": EXPLAIN_ES,
}

EXPLAIN_VELOCITY_IT = """<p style="margin:2px 4px">Il <b>grafico della velocità</b> sotto il diagramma mostra v(t) = s&prime;(t) &middot; 60
in km/h. Ogni misura lascia un punto rosso; la curva verde (tasto E) è la derivata esatta. Con due punti il
segmento blu è la velocità <i>media</i> da t1 a t2: l’area sotto v(t) tra i punti è uguale allo
spostamento &Delta;s.</p>"""

EXPLAIN_IT = f"""<p style="margin:2px 4px">Trascina i due punti di misura rossi lungo la curva tenendo premuto il tasto sinistro del mouse.
La <b>secante</b> blu passa per entrambi i punti: il suo coefficiente angolare &Delta;s/&Delta;t è la velocità
<i>media</i> tra di essi (gli indicatori <b>ds</b> e <b>dt</b> mostrano &Delta;s e &Delta;t). Avvicina sempre di più
i punti e la secante tende alla <b>tangente</b>, che tocca la curva in quel punto (altrove può
intersecarla); «Misura in un solo punto» la mostra nel punto 1. Il suo coefficiente angolare – il
limite di &Delta;s/&Delta;t per &Delta;t &rarr; 0 – è la velocità <i>istantanea</i> s&prime;(t), la derivata prima della
legge oraria s(t). Le velocità sono in km/h: km al minuto moltiplicati per 60.
<a href="{HELP_EN}secant-tangent.html">Secante e tangente (in inglese)</a> &middot;
<a href="{HELP_EN}derivative.html">La derivata prima (in inglese)</a></p>"""

ITALIAN = {
    "$dlglanguage$": "LGItalian",
    "$languagename$": "Italiano",
    "HomePageURL": HELP_EN + "index.html",
    "Distance - Time - Velocity": "Spazio - Tempo - Velocità",
    "Show Crosshairs": "Mostra linee di riferimento",
    "Single Point Measurement": "Misura in un solo punto",
    "Uniform Movement": "Moto uniforme",
    "Standard Road Situation": "Traffico normale",
    "Back and Forth": "Andata e ritorno",
    "About": "Informazioni",
    "Exit": "Esci",
    "Time [min]": "Tempo [min]",
    "Distance [km]": "Spazio [km]",
    "Velocity": "Velocità",
    "Average velocity": "Velocità media",
    "Velocity at point 1": "Velocità nel punto 1",
    "Distance Interval ds [km]": "Spostamento ds [km]",
    "Time Interval dt [min]": "Intervallo di tempo dt [min]",
    "HomePage": "Pagina iniziale di Kyvelo",
    "OK": "OK",
    "Copy picture": "Copia immagine",
    "Save picture...": "Salva immagine…",
    "Let point 2 glide to point 1": "Fai scorrere il punto 2 fino al punto 1",
    "The picture could not be saved as %1.": "Impossibile salvare l’immagine come %1.",
    "Distance-time chart": "Grafico spazio-tempo",
    "Point 1: %1 min, %2 km": "Punto 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "punto 2: %1 min, %2 km",
    "Trip profile": "Profilo del viaggio",
    "Language": "Lingua",
    "The language could not be stored: %1": "Impossibile salvare la lingua: %1",
    COPYRIGHT: "Copyright (c) 2026 gli sviluppatori di Kyvelo. Licenza MIT.",
    "Velocity [km/h]": "Velocità [km/h]",
    "Velocity graph": "Grafico della velocità",
    "Exact velocity curve": "Curva esatta della velocità",
    "Limit table": "Tabella del limite",
    "Set points...": "Imposta punti...",
    "Reset": "Ripristina",
    "Copy table": "Copia tabella",
    "dt [min]": "dt [min]",
    "ds [km]": "ds [km]",
    "ds/dt [km/h]": "ds/dt [km/h]",
    "Tangent, central secant": "Tangente, secante centrata",
    "Tangent, exact": "Tangente, esatta",
    "Point 1 [min]:": "Punto 1 [min]:",
    "Point 2 [min]:": "Punto 2 [min]:",
    "Type a time from %1 to %2 min.": "Inserisci un tempo da %1 a %2 min.",
    "Cancel": "Annulla",
    "Velocity-time graph": "Grafico velocità-tempo",
    "%1 measured velocities, the last %2 km/h at %3 min": "velocità misurate: %1, l’ultima %2 km/h a %3 min",
    "the exact curve v(t) is shown": "è mostrata la curva esatta v(t)",
    "average velocity %1 km/h from %2 to %3 min": "velocità media %1 km/h da %2 a %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_IT,
    "MMExplain": EXPLAIN_IT,
}

EXPLAIN_VELOCITY_PL = """<p style="margin:2px 4px"><b>Wykres prędkości</b> pod diagramem pokazuje v(t) = s&prime;(t) &middot; 60 w km/h. Każdy
pomiar zostawia czerwony punkt; zielona krzywa (klawisz E) to dokładna pochodna. Przy dwóch punktach niebieski
odcinek to prędkość <i>średnia</i> od t1 do t2: pole pod wykresem v(t) między punktami jest równe przyrostowi
odległości &Delta;s.</p>"""

EXPLAIN_PL = f"""<p style="margin:2px 4px">Przeciągnij lewym przyciskiem myszy dwa czerwone punkty pomiarowe wzdłuż krzywej.
Niebieska <b>sieczna</b> przechodzi przez oba punkty: jej współczynnik kierunkowy &Delta;s/&Delta;t to prędkość
<i>średnia</i> między nimi (wskaźniki <b>ds</b> i <b>dt</b> pokazują &Delta;s i &Delta;t). Zbliżaj punkty coraz
bardziej do siebie, a sieczna będzie dążyć do <b>stycznej</b>, która dotyka krzywej w tym punkcie
(w innym miejscu może ją przeciąć); „Pomiar w jednym punkcie” pokazuje ją w punkcie 1. Jej
współczynnik kierunkowy – granica &Delta;s/&Delta;t przy &Delta;t &rarr; 0 – to prędkość <i>chwilowa</i> s&prime;(t),
pierwsza pochodna odległości s(t). Prędkości podane są w km/h: km na minutę razy 60.
<a href="{HELP_EN}secant-tangent.html">Sieczna i styczna (po angielsku)</a> &middot;
<a href="{HELP_EN}derivative.html">Pierwsza pochodna (po angielsku)</a></p>"""

POLISH = {
    "$dlglanguage$": "LGPolish",
    "$languagename$": "Polski",
    "HomePageURL": HELP_EN + "index.html",
    "Distance - Time - Velocity": "Odległość - Czas - Prędkość",
    "Show Crosshairs": "Pokaż linie pomocnicze",
    "Single Point Measurement": "Pomiar w jednym punkcie",
    "Uniform Movement": "Ruch jednostajny",
    "Standard Road Situation": "Zwykły ruch drogowy",
    "Back and Forth": "Tam i z powrotem",
    "About": "O programie",
    "Exit": "Zakończ",
    "Time [min]": "Czas [min]",
    "Distance [km]": "Odległość [km]",
    "Velocity": "Prędkość",
    "Average velocity": "Prędkość średnia",
    "Velocity at point 1": "Prędkość w punkcie 1",
    "Distance Interval ds [km]": "Przyrost odległości ds [km]",
    "Time Interval dt [min]": "Przyrost czasu dt [min]",
    "HomePage": "Strona główna Kyvelo",
    "OK": "OK",
    "Copy picture": "Kopiuj obraz",
    "Save picture...": "Zapisz obraz…",
    "Let point 2 glide to point 1": "Przesuń płynnie punkt 2 do punktu 1",
    "The picture could not be saved as %1.": "Nie udało się zapisać obrazu jako %1.",
    "Distance-time chart": "Wykres odległości od czasu",
    "Point 1: %1 min, %2 km": "Punkt 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "punkt 2: %1 min, %2 km",
    "Trip profile": "Profil przejazdu",
    "Language": "Język",
    "The language could not be stored: %1": "Nie udało się zapisać języka: %1",
    COPYRIGHT: "Copyright (c) 2026 twórcy Kyvelo. Licencja MIT.",
    "Velocity [km/h]": "Prędkość [km/h]",
    "Velocity graph": "Wykres prędkości",
    "Exact velocity curve": "Dokładna krzywa prędkości",
    "Limit table": "Tabela granicy",
    "Set points...": "Ustaw punkty...",
    "Reset": "Przywróć początek",
    "Copy table": "Kopiuj tabelę",
    "dt [min]": "dt [min]",
    "ds [km]": "ds [km]",
    "ds/dt [km/h]": "ds/dt [km/h]",
    "Tangent, central secant": "Styczna, sieczna centralna",
    "Tangent, exact": "Styczna, dokładnie",
    "Point 1 [min]:": "Punkt 1 [min]:",
    "Point 2 [min]:": "Punkt 2 [min]:",
    "Type a time from %1 to %2 min.": "Wpisz czas od %1 do %2 min.",
    "Cancel": "Anuluj",
    "Velocity-time graph": "Wykres prędkości od czasu",
    "%1 measured velocities, the last %2 km/h at %3 min": "zmierzone prędkości: %1, ostatnia %2 km/h w %3 min",
    "the exact curve v(t) is shown": "widoczna jest dokładna krzywa v(t)",
    "average velocity %1 km/h from %2 to %3 min": "prędkość średnia %1 km/h od %2 do %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_PL,
    "MMExplain": EXPLAIN_PL,
}

EXPLAIN_VELOCITY_EL = """<p style="margin:2px 4px">Το <b>διάγραμμα ταχύτητας</b> κάτω από το γράφημα δείχνει v(t) = s&prime;(t) &middot; 60
σε km/h. Κάθε μέτρηση αφήνει μια κόκκινη κουκκίδα· η πράσινη καμπύλη (πλήκτρο E) είναι η ακριβής παράγωγος. Με δύο
σημεία το μπλε ευθύγραμμο τμήμα είναι η <i>μέση</i> ταχύτητα από t1 έως t2: το εμβαδόν κάτω από τη v(t) ανάμεσα
στα σημεία ισούται με τη μετατόπιση &Delta;s.</p>"""

EXPLAIN_EL = f"""<p style="margin:2px 4px">Σύρετε τα δύο κόκκινα σημεία μέτρησης κατά μήκος της καμπύλης με το αριστερό πλήκτρο του ποντικιού.
Η μπλε <b>τέμνουσα</b> διέρχεται και από τα δύο σημεία: η κλίση της &Delta;s/&Delta;t είναι η <i>μέση</i> ταχύτητα
ανάμεσά τους (οι ενδείξεις <b>ds</b> και <b>dt</b> δείχνουν τα &Delta;s και &Delta;t). Φέρτε τα σημεία όλο και πιο
κοντά και η τέμνουσα πλησιάζει την <b>εφαπτομένη</b>, που αγγίζει την καμπύλη σε εκείνο το σημείο
(αλλού μπορεί να την τέμνει)· η «Μέτρηση σε ένα σημείο» τη δείχνει στο σημείο 1. Η κλίση της – το
όριο του &Delta;s/&Delta;t όταν &Delta;t &rarr; 0 – είναι η <i>στιγμιαία</i> ταχύτητα s&prime;(t), η πρώτη παράγωγος
της απόστασης s(t). Οι ταχύτητες δίνονται σε km/h: km ανά λεπτό επί 60.
<a href="{HELP_EN}secant-tangent.html">Τέμνουσα και εφαπτομένη (στα αγγλικά)</a> &middot;
<a href="{HELP_EN}derivative.html">Η πρώτη παράγωγος (στα αγγλικά)</a></p>"""

GREEK = {
    "$dlglanguage$": "LGGreek",
    "$languagename$": "Ελληνικά",
    "HomePageURL": HELP_EN + "index.html",
    "Distance - Time - Velocity": "Απόσταση - Χρόνος - Ταχύτητα",
    "Show Crosshairs": "Βοηθητικές γραμμές",
    "Single Point Measurement": "Μέτρηση σε ένα σημείο",
    "Uniform Movement": "Ομαλή κίνηση",
    "Standard Road Situation": "Κανονική κυκλοφορία",
    "Back and Forth": "Μετάβαση και επιστροφή",
    "About": "Σχετικά",
    "Exit": "Έξοδος",
    "Time [min]": "Χρόνος [min]",
    "Distance [km]": "Απόσταση [km]",
    "Velocity": "Ταχύτητα",
    "Average velocity": "Μέση ταχύτητα",
    "Velocity at point 1": "Ταχύτητα στο σημείο 1",
    "Distance Interval ds [km]": "Μετατόπιση ds [km]",
    "Time Interval dt [min]": "Χρονικό διάστημα dt [min]",
    "HomePage": "Αρχική σελίδα του Kyvelo",
    "OK": "OK",
    "Copy picture": "Αντιγραφή εικόνας",
    "Save picture...": "Αποθήκευση εικόνας…",
    "Let point 2 glide to point 1": "Ολίσθηση του σημείου 2 έως το σημείο 1",
    "The picture could not be saved as %1.": "Δεν ήταν δυνατή η αποθήκευση της εικόνας ως %1.",
    "Distance-time chart": "Διάγραμμα απόστασης-χρόνου",
    "Point 1: %1 min, %2 km": "Σημείο 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "σημείο 2: %1 min, %2 km",
    "Trip profile": "Προφίλ διαδρομής",
    "Language": "Γλώσσα",
    "The language could not be stored: %1": "Δεν ήταν δυνατή η αποθήκευση της γλώσσας: %1",
    COPYRIGHT: "Copyright (c) 2026 οι δημιουργοί του Kyvelo. Άδεια MIT.",
    "Velocity [km/h]": "Ταχύτητα [km/h]",
    "Velocity graph": "Διάγραμμα ταχύτητας",
    "Exact velocity curve": "Ακριβής καμπύλη ταχύτητας",
    "Limit table": "Πίνακας ορίου",
    "Set points...": "Ορισμός σημείων...",
    "Reset": "Επαναφορά",
    "Copy table": "Αντιγραφή πίνακα",
    "dt [min]": "dt [min]",
    "ds [km]": "ds [km]",
    "ds/dt [km/h]": "ds/dt [km/h]",
    "Tangent, central secant": "Εφαπτομένη, κεντρική τέμνουσα",
    "Tangent, exact": "Εφαπτομένη, ακριβής",
    "Point 1 [min]:": "Σημείο 1 [min]:",
    "Point 2 [min]:": "Σημείο 2 [min]:",
    "Type a time from %1 to %2 min.": "Πληκτρολογήστε χρόνο από %1 έως %2 min.",
    "Cancel": "Άκυρο",
    "Velocity-time graph": "Διάγραμμα ταχύτητας-χρόνου",
    "%1 measured velocities, the last %2 km/h at %3 min": "μετρημένες ταχύτητες: %1, η τελευταία %2 km/h στα %3 min",
    "the exact curve v(t) is shown": "εμφανίζεται η ακριβής καμπύλη v(t)",
    "average velocity %1 km/h from %2 to %3 min": "μέση ταχύτητα %1 km/h από %2 έως %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_EL,
    "MMExplain": EXPLAIN_EL,
}

# ---- The menu bar (keys of MenuTexts, and the point labels' entry of StudyTexts). "&" marks the letter that opens a menu with Alt; the Greek
# menus take the Latin letters of the English ones, which every keyboard has.
MENU_KEYS = ["&Picture", "&View", "&Tools", "&Language", "&Help", "Point labels", "Presentation mode",
             "Help pages", "Automatic", "Automatic: the class's file (%1)"]
MENUS = {
    "en": ["&Picture", "&View", "&Tools", "&Language", "&Help", "Point labels", "Presentation mode",
           "Help pages", "Automatic", "Automatic: the class's file (%1)"],
    "de": ["&Bild", "&Ansicht", "&Werkzeuge", "&Sprache", "&Hilfe", "Punktbeschriftungen",
           "Präsentationsmodus", "Hilfeseiten", "Automatisch", "Automatisch: Datei der Klasse (%1)"],
    "fr": ["&Image", "&Affichage", "&Outils", "&Langue", "Aid&e", "Étiquettes des points",
           "Mode présentation", "Pages d’aide", "Automatique", "Automatique : fichier de la classe (%1)"],
    "es": ["&Imagen", "&Ver", "&Herramientas", "I&dioma", "Ay&uda", "Etiquetas de los puntos",
           "Modo presentación", "Páginas de ayuda", "Automático", "Automático: archivo de la clase (%1)"],
    "it": ["&Immagine", "&Visualizza", "S&trumenti", "&Lingua", "&Aiuto", "Etichette dei punti",
           "Modalità presentazione", "Pagine di aiuto", "Automatico", "Automatico: file della classe (%1)"],
    "pl": ["&Obraz", "&Widok", "&Narzędzia", "&Język", "Pomo&c", "Etykiety punktów", "Tryb prezentacji",
           "Strony pomocy", "Automatycznie", "Automatycznie: plik klasy (%1)"],
    "el": ["Εικόνα (&P)", "Προβολή (&V)", "Εργαλεία (&T)", "Γλώσσα (&L)", "Βοήθεια (&H)", "Ετικέτες σημείων",
           "Λειτουργία παρουσίασης", "Σελίδες βοήθειας", "Αυτόματα", "Αυτόματα: αρχείο της τάξης (%1)"],
}


# ---- The limit table's heading and sides, the point labels, the decimal separator of the numbers a
# student copies ($decimalseparator$: "," or "."), and the explanatory text of single-point mode
# (MMExplainSingle, with the same help links as MMExplain).
def single_point_text(text, explain):
    links = "\n".join(explain.splitlines()[-2:])
    return f'<p style="margin:2px 4px">{text}\n{links}'


ENGLISH.update({
    "%1, point 1 at %2 min": "%1, point 1 at %2 min",
    "From t1 - dt to t1": "From t1 - dt to t1",
    "From t1 to t1 + dt": "From t1 to t1 + dt",
    "$decimalseparator$": ".",
    "MMExplainSingle": single_point_text("""Drag the red measuring point along the curve with the left mouse button.
The blue <b>tangent</b> touches the curve at point 1 (elsewhere it may cross the curve). Its slope – the limit
of &Delta;s/&Delta;t as &Delta;t &rarr; 0 – is the <i>instantaneous</i> velocity s&prime;(t), the first derivative of
the distance s(t); the read-out shows it, measured over the minute around the point. Clear <i>Single Point
Measurement</i> to measure between two points again. Velocities are in km/h: km per minute times 60.""", EXPLAIN_EN),
})

GERMAN.update({
    "%1, point 1 at %2 min": "%1, Punkt 1 bei %2 min",
    "From t1 - dt to t1": "Von t1 - dt bis t1",
    "From t1 to t1 + dt": "Von t1 bis t1 + dt",
    "$decimalseparator$": ",",
    "MMExplainSingle": single_point_text("""Ziehen Sie den roten Messpunkt mit der linken Maustaste entlang der Kurve.
Die blaue <b>Tangente</b> berührt die Kurve in Punkt 1 (an anderer Stelle kann sie die Kurve schneiden). Ihre
Steigung – der Grenzwert von &Delta;s/&Delta;t für &Delta;t &rarr; 0 – ist die <i>momentane</i> Geschwindigkeit
s&prime;(t), die erste Ableitung des Weges s(t); die Anzeige zeigt sie, gemessen über die Minute um den Punkt.
Ohne „Einzelpunktmessung“ messen Sie wieder zwischen zwei Punkten. Geschwindigkeiten stehen in km/h: km pro
Minute mal 60.""", EXPLAIN_DE),
})

FRENCH.update(french({
    "%1, point 1 at %2 min": "%1, point 1 à %2 min",
    "From t1 - dt to t1": "De t1 - dt à t1",
    "From t1 to t1 + dt": "De t1 à t1 + dt",
    "$decimalseparator$": ",",
    "MMExplainSingle": single_point_text("""Faites glisser le point de mesure rouge le long de la courbe avec le bouton gauche de la souris.
La <b>tangente</b> bleue touche la courbe au point 1 (ailleurs, elle peut couper la courbe). Sa pente – la limite
de &Delta;s/&Delta;t quand &Delta;t &rarr; 0 – est la vitesse <i>instantanée</i> s&prime;(t), la dérivée de la distance
s(t) ; l’afficheur la montre, mesurée sur la minute autour du point. Décochez « Mesure en un seul point » pour
mesurer de nouveau entre deux points. Les vitesses sont en km/h : des km par minute multipliés par 60.""", EXPLAIN_FR),
}))

SPANISH.update({
    "%1, point 1 at %2 min": "%1, punto 1 en %2 min",
    "From t1 - dt to t1": "De t1 - dt a t1",
    "From t1 to t1 + dt": "De t1 a t1 + dt",
    "$decimalseparator$": ",",
    "MMExplainSingle": single_point_text("""Arrastre el punto de medición rojo a lo largo de la curva con el botón izquierdo del ratón.
La <b>tangente</b> azul toca la curva en el punto 1 (en otro lugar puede cortar la curva). Su pendiente – el límite
de &Delta;s/&Delta;t cuando &Delta;t &rarr; 0 – es la velocidad <i>instantánea</i> s&prime;(t), la primera derivada de
la distancia s(t); el indicador la muestra, medida en el minuto alrededor del punto. Desmarque «Medición en un
solo punto» para medir de nuevo entre dos puntos. Las velocidades están en km/h: km por minuto por 60.""", EXPLAIN_ES),
})

ITALIAN.update({
    "%1, point 1 at %2 min": "%1, punto 1 a %2 min",
    "From t1 - dt to t1": "Da t1 - dt a t1",
    "From t1 to t1 + dt": "Da t1 a t1 + dt",
    "$decimalseparator$": ",",
    "MMExplainSingle": single_point_text("""Trascina il punto di misura rosso lungo la curva tenendo premuto il tasto sinistro del mouse.
La <b>tangente</b> blu tocca la curva nel punto 1 (altrove può tagliare la curva). La sua pendenza – il limite di
&Delta;s/&Delta;t per &Delta;t &rarr; 0 – è la velocità <i>istantanea</i> s&prime;(t), la derivata prima della
distanza s(t); l’indicatore la mostra, misurata sul minuto attorno al punto. Togli la spunta a «Misura in un solo
punto» per misurare di nuovo tra due punti. Le velocità sono in km/h: km al minuto per 60.""", EXPLAIN_IT),
})

POLISH.update({
    "%1, point 1 at %2 min": "%1, punkt 1 w %2 min",
    "From t1 - dt to t1": "Od t1 - dt do t1",
    "From t1 to t1 + dt": "Od t1 do t1 + dt",
    "$decimalseparator$": ",",
    "MMExplainSingle": single_point_text("""Przeciągnij lewym przyciskiem myszy czerwony punkt pomiarowy wzdłuż krzywej.
Niebieska <b>styczna</b> dotyka krzywej w punkcie 1 (gdzie indziej może ją przecinać). Jej nachylenie – granica
&Delta;s/&Delta;t przy &Delta;t &rarr; 0 – to prędkość <i>chwilowa</i> s&prime;(t), pierwsza pochodna drogi s(t);
wyświetlacz ją pokazuje, mierzoną w minucie wokół punktu. Odznacz „Pomiar w jednym punkcie”, aby znów mierzyć
między dwoma punktami. Prędkości są w km/h: km na minutę razy 60.""", EXPLAIN_PL),
})

GREEK.update({
    "%1, point 1 at %2 min": "%1, σημείο 1 στα %2 min",
    "From t1 - dt to t1": "Από t1 - dt έως t1",
    "From t1 to t1 + dt": "Από t1 έως t1 + dt",
    "$decimalseparator$": ",",
    "MMExplainSingle": single_point_text("""Σύρετε το κόκκινο σημείο μέτρησης κατά μήκος της καμπύλης με το αριστερό πλήκτρο του ποντικιού.
Η μπλε <b>εφαπτομένη</b> αγγίζει την καμπύλη στο σημείο 1 (αλλού μπορεί να την τέμνει). Η κλίση της – το όριο
του &Delta;s/&Delta;t καθώς &Delta;t &rarr; 0 – είναι η <i>στιγμιαία</i> ταχύτητα s&prime;(t), η πρώτη παράγωγος της
απόστασης s(t)· η ένδειξη τη δείχνει, μετρημένη στο λεπτό γύρω από το σημείο. Καταργήστε την επιλογή «Μέτρηση σε
ένα σημείο» για να μετρήσετε ξανά ανάμεσα σε δύο σημεία. Οι ταχύτητες είναι σε km/h: km ανά λεπτό επί 60.""", EXPLAIN_EL),
})
# ---- End of the table's heading, the point labels, the decimal separator and single-point mode.


# ---- The road strip: its name, its keys, the car's time, distance and velocity, the speed choice and
# the speedometer (keys of RoadStripTexts, spoken to screen readers).
ROAD_STRIP_KEYS = ["Road strip",
                   "Space plays and pauses, the right arrow steps on, 1, 2 and 3 choose the speed x1, x10 or x60",
                   "Car at %1 min: %2 km, %3 km/h", "Playback speed", "Speedometer"]
ROAD_STRIP = {
    "en": ROAD_STRIP_KEYS,
    "de": ["Straßenansicht",
           "Leertaste spielt ab und hält an, der Pfeil nach rechts geht einen Schritt weiter, 1, 2 und 3 wählen "
           "die Geschwindigkeit x1, x10 oder x60",
           "Auto bei %1 min: %2 km, %3 km/h", "Wiedergabegeschwindigkeit", "Tachometer"],
    "fr": list(french(dict(zip(ROAD_STRIP_KEYS, ["Vue de la route",
                       "Espace lance et met en pause, la flèche droite avance d’un pas, 1, 2 et 3 choisissent la "
                       "vitesse x1, x10 ou x60",
                       "Voiture à %1 min : %2 km, %3 km/h", "Vitesse de lecture", "Compteur de vitesse"]))).values()),
    "es": ["Vista de la carretera",
           "Espacio reproduce y pausa, la flecha derecha avanza un paso, 1, 2 y 3 eligen la velocidad x1, x10 o x60",
           "Coche en %1 min: %2 km, %3 km/h", "Velocidad de reproducción", "Velocímetro"],
    "it": ["Vista della strada",
           "Spazio avvia e mette in pausa, la freccia destra avanza di un passo, 1, 2 e 3 scelgono la velocità x1, "
           "x10 o x60",
           "Auto a %1 min: %2 km, %3 km/h", "Velocità di riproduzione", "Tachimetro"],
    "pl": ["Widok drogi",
           "Spacja odtwarza i wstrzymuje, strzałka w prawo przesuwa o krok, 1, 2 i 3 wybierają prędkość x1, x10 "
           "lub x60",
           "Samochód w %1 min: %2 km, %3 km/h", "Prędkość odtwarzania", "Prędkościomierz"],
    "el": ["Προβολή δρόμου",
           "Το διάστημα ξεκινά και σταματά, το δεξί βέλος προχωρά ένα βήμα, τα 1, 2 και 3 επιλέγουν την ταχύτητα "
           "x1, x10 ή x60",
           "Αυτοκίνητο στα %1 min: %2 km, %3 km/h", "Ταχύτητα αναπαραγωγής", "Ταχύμετρο"],
}
# ---- End of the road strip.

# ---- Zoom and the road strip's option in the View menu, and the zoom level spoken with the chart's
# description (keys of ViewTexts; %1: how many times zoomed in, %2 and %3: the time window's ends).
VIEW_KEYS = ["Zoom in", "Zoom out", "Whole trip", "zoomed in %1 times: %2 to %3 min", "Point 1 follows the car"]
VIEWS = {
    "en": VIEW_KEYS,
    "de": ["Vergrößern", "Verkleinern", "Ganze Fahrt", "%1-fach vergrößert: %2 bis %3 min",
           "Punkt 1 folgt dem Auto"],
    "fr": list(french(dict(zip(VIEW_KEYS, ["Zoom avant", "Zoom arrière", "Trajet entier",
                                            "agrandi %1 fois : de %2 à %3 min",
                                            "Le point 1 suit la voiture"]))).values()),
    "es": ["Acercar", "Alejar", "Trayecto completo", "ampliado %1 veces: de %2 a %3 min",
           "El punto 1 sigue al coche"],
    "it": ["Ingrandisci", "Riduci", "Viaggio intero", "ingrandito %1 volte: da %2 a %3 min",
           "Il punto 1 segue l’auto"],
    "pl": ["Powiększ", "Pomniejsz", "Cała podróż", "powiększono %1 razy: od %2 do %3 min",
           "Punkt 1 podąża za samochodem"],
    "el": ["Μεγέθυνση", "Σμίκρυνση", "Ολόκληρη η διαδρομή", "μεγέθυνση %1 φορές: από %2 έως %3 min",
           "Το σημείο 1 ακολουθεί το αυτοκίνητο"],
}
# ---- End of zoom.

# ---- Measured trips: the File menu, the smoothing window's entries and what is wrong with a trip
# file (keys of TripTexts, and the messages of tripreaderror.cpp, whose English text is their key).
TRIP_KEYS = ["&File", "Open trip...", "Export trip...", "Trip files", "Wider smoothing window",
             "Narrower smoothing window", "%1 cannot be written: %2",
             "%1 cannot be read: %3.",
             "%1 is not a regular file.",
             "%1 is larger than 64 MiB.",
             "%1 holds no times and distances.",
             "%1, line %2: \"%3\" is not a number.",
             "%1, line %2: \"%3\" is too large for a time or a distance.",
             "%1, line %2: no column is headed by a time (%3).",
             "%1, line %2: no column is headed by a distance (%3).",
             "%1, line %2: the time or the distance is missing.",
             "%1, line %2: the unit \"%3\" is unknown (time: s, min, h; distance: m, km).",
             "%1 holds a single time; a trip needs at least two.",
             "%1, line %2: the time goes back, from %3 min to %4 min.",
             "%1, line %2: the XML is malformed: %3.",
             "%1, line %2: the element <%3> is not a GPX document's <gpx>.",
             "%1 has no track point with a time.",
             "%1, line %2: the element <trkpt> needs lat and lon in degrees.",
             "%1, line %2: the element <time> holds \"%3\", not a date and time."]
TRIPS = {
    "en": ["&File", "Open trip…", "Export trip…", "Trip files", "Wider smoothing window",
           "Narrower smoothing window"] + TRIP_KEYS[6:],
    "de": ["&Datei", "Fahrt öffnen…", "Fahrt exportieren…", "Fahrtdateien", "Breiteres Glättungsfenster",
           "Schmaleres Glättungsfenster", "%1 kann nicht geschrieben werden: %2",
           "%1 kann nicht gelesen werden: %3.",
           "%1 ist keine gewöhnliche Datei.",
           "%1 ist größer als 64 MiB.",
           "%1 enthält keine Zeiten und Strecken.",
           "%1, Zeile %2: „%3“ ist keine Zahl.",
           "%1, Zeile %2: „%3“ ist zu groß für eine Zeit oder eine Strecke.",
           "%1, Zeile %2: keine Spalte ist mit einer Zeit überschrieben (%3).",
           "%1, Zeile %2: keine Spalte ist mit einer Strecke überschrieben (%3).",
           "%1, Zeile %2: die Zeit oder die Strecke fehlt.",
           "%1, Zeile %2: die Einheit „%3“ ist unbekannt (Zeit: s, min, h; Strecke: m, km).",
           "%1 enthält nur eine Zeit; eine Fahrt braucht mindestens zwei.",
           "%1, Zeile %2: die Zeit läuft zurück, von %3 min auf %4 min.",
           "%1, Zeile %2: das XML ist fehlerhaft: %3.",
           "%1, Zeile %2: das Element <%3> ist nicht das <gpx> eines GPX-Dokuments.",
           "%1 hat keinen Trackpunkt mit einer Zeit.",
           "%1, Zeile %2: das Element <trkpt> braucht lat und lon in Grad.",
           "%1, Zeile %2: das Element <time> enthält „%3“, kein Datum mit Uhrzeit."],
    "fr": list(french(dict(zip(TRIP_KEYS, [
           "&Fichier", "Ouvrir un trajet…", "Exporter le trajet…", "Fichiers de trajet",
           "Fenêtre de lissage plus large", "Fenêtre de lissage plus étroite", "%1 ne peut pas être écrit : %2",
           "%1 ne peut pas être lu : %3.",
           "%1 n’est pas un fichier ordinaire.",
           "%1 dépasse 64 Mio.",
           "%1 ne contient ni temps ni distances.",
           "%1, ligne %2 : « %3 » n’est pas un nombre.",
           "%1, ligne %2 : « %3 » est trop grand pour un temps ou une distance.",
           "%1, ligne %2 : aucune colonne n’a un temps pour en-tête (%3).",
           "%1, ligne %2 : aucune colonne n’a une distance pour en-tête (%3).",
           "%1, ligne %2 : le temps ou la distance manque.",
           "%1, ligne %2 : l’unité « %3 » est inconnue (temps : s, min, h ; distance : m, km).",
           "%1 ne contient qu’un seul temps ; un trajet en demande au moins deux.",
           "%1, ligne %2 : le temps recule, de %3 min à %4 min.",
           "%1, ligne %2 : le XML est mal formé : %3.",
           "%1, ligne %2 : l’élément <%3> n’est pas le <gpx> d’un document GPX.",
           "%1 n’a aucun point de trace avec un temps.",
           "%1, ligne %2 : l’élément <trkpt> demande lat et lon en degrés.",
           "%1, ligne %2 : l’élément <time> contient « %3 », pas une date et une heure."]))).values()),
    "es": ["&Archivo", "Abrir trayecto…", "Exportar trayecto…", "Archivos de trayecto",
           "Ventana de suavizado más ancha", "Ventana de suavizado más estrecha", "No se puede escribir %1: %2",
           "No se puede leer %1: %3.",
           "%1 no es un archivo normal.",
           "%1 ocupa más de 64 MiB.",
           "%1 no contiene tiempos ni distancias.",
           "%1, línea %2: «%3» no es un número.",
           "%1, línea %2: «%3» es demasiado grande para un tiempo o una distancia.",
           "%1, línea %2: ninguna columna tiene un tiempo como encabezado (%3).",
           "%1, línea %2: ninguna columna tiene una distancia como encabezado (%3).",
           "%1, línea %2: falta el tiempo o la distancia.",
           "%1, línea %2: la unidad «%3» es desconocida (tiempo: s, min, h; distancia: m, km).",
           "%1 contiene un solo tiempo; un trayecto necesita al menos dos.",
           "%1, línea %2: el tiempo retrocede, de %3 min a %4 min.",
           "%1, línea %2: el XML está mal formado: %3.",
           "%1, línea %2: el elemento <%3> no es el <gpx> de un documento GPX.",
           "%1 no tiene ningún punto de track con tiempo.",
           "%1, línea %2: el elemento <trkpt> necesita lat y lon en grados.",
           "%1, línea %2: el elemento <time> contiene «%3», no una fecha y hora."],
    "it": ["&File", "Apri viaggio…", "Esporta viaggio…", "File di viaggio",
           "Finestra di livellamento più ampia", "Finestra di livellamento più stretta",
           "Impossibile scrivere %1: %2",
           "Impossibile leggere %1: %3.",
           "%1 non è un file normale.",
           "%1 supera 64 MiB.",
           "%1 non contiene tempi né distanze.",
           "%1, riga %2: «%3» non è un numero.",
           "%1, riga %2: «%3» è troppo grande per un tempo o una distanza.",
           "%1, riga %2: nessuna colonna ha un tempo come intestazione (%3).",
           "%1, riga %2: nessuna colonna ha una distanza come intestazione (%3).",
           "%1, riga %2: manca il tempo o la distanza.",
           "%1, riga %2: l’unità «%3» è sconosciuta (tempo: s, min, h; distanza: m, km).",
           "%1 contiene un solo tempo; un viaggio ne richiede almeno due.",
           "%1, riga %2: il tempo torna indietro, da %3 min a %4 min.",
           "%1, riga %2: l’XML non è ben formato: %3.",
           "%1, riga %2: l’elemento <%3> non è il <gpx> di un documento GPX.",
           "%1 non ha alcun punto traccia con un tempo.",
           "%1, riga %2: l’elemento <trkpt> richiede lat e lon in gradi.",
           "%1, riga %2: l’elemento <time> contiene «%3», non una data e un’ora."],
    "pl": ["&Plik", "Otwórz przejazd…", "Eksportuj przejazd…", "Pliki przejazdów",
           "Szersze okno wygładzania", "Węższe okno wygładzania", "Nie można zapisać %1: %2",
           "Nie można odczytać %1: %3.",
           "%1 nie jest zwykłym plikiem.",
           "%1 jest większy niż 64 MiB.",
           "%1 nie zawiera czasów ani odległości.",
           "%1, wiersz %2: „%3” nie jest liczbą.",
           "%1, wiersz %2: „%3” jest za duże na czas lub odległość.",
           "%1, wiersz %2: żadna kolumna nie ma w nagłówku czasu (%3).",
           "%1, wiersz %2: żadna kolumna nie ma w nagłówku odległości (%3).",
           "%1, wiersz %2: brak czasu lub odległości.",
           "%1, wiersz %2: jednostka „%3” jest nieznana (czas: s, min, h; odległość: m, km).",
           "%1 zawiera tylko jeden czas; przejazd wymaga co najmniej dwóch.",
           "%1, wiersz %2: czas się cofa, z %3 min do %4 min.",
           "%1, wiersz %2: XML jest błędny: %3.",
           "%1, wiersz %2: element <%3> nie jest elementem <gpx> dokumentu GPX.",
           "%1 nie ma punktu śladu z czasem.",
           "%1, wiersz %2: element <trkpt> wymaga lat i lon w stopniach.",
           "%1, wiersz %2: element <time> zawiera „%3”, a nie datę i godzinę."],
    "el": ["&Αρχείο", "Άνοιγμα διαδρομής…", "Εξαγωγή διαδρομής…", "Αρχεία διαδρομών",
           "Ευρύτερο παράθυρο εξομάλυνσης", "Στενότερο παράθυρο εξομάλυνσης", "Το %1 δεν μπορεί να γραφτεί: %2",
           "Το %1 δεν μπορεί να διαβαστεί: %3.",
           "Το %1 δεν είναι κανονικό αρχείο.",
           "Το %1 είναι μεγαλύτερο από 64 MiB.",
           "Το %1 δεν περιέχει χρόνους και αποστάσεις.",
           "%1, γραμμή %2: το «%3» δεν είναι αριθμός.",
           "%1, γραμμή %2: το «%3» είναι πολύ μεγάλο για χρόνο ή απόσταση.",
           "%1, γραμμή %2: καμία στήλη δεν έχει χρόνο ως επικεφαλίδα (%3).",
           "%1, γραμμή %2: καμία στήλη δεν έχει απόσταση ως επικεφαλίδα (%3).",
           "%1, γραμμή %2: λείπει ο χρόνος ή η απόσταση.",
           "%1, γραμμή %2: η μονάδα «%3» είναι άγνωστη (χρόνος: s, min, h· απόσταση: m, km).",
           "Το %1 περιέχει έναν μόνο χρόνο· μια διαδρομή χρειάζεται τουλάχιστον δύο.",
           "%1, γραμμή %2: ο χρόνος πηγαίνει πίσω, από %3 min σε %4 min.",
           "%1, γραμμή %2: το XML είναι κακοσχηματισμένο: %3.",
           "%1, γραμμή %2: το στοιχείο <%3> δεν είναι το <gpx> ενός εγγράφου GPX.",
           "Το %1 δεν έχει σημείο ίχνους με χρόνο.",
           "%1, γραμμή %2: το στοιχείο <trkpt> χρειάζεται lat και lon σε μοίρες.",
           "%1, γραμμή %2: το στοιχείο <time> περιέχει «%3», όχι ημερομηνία και ώρα."],
}
# ---- End of measured trips.

# Code, entries, encoding: Windows-1252 where it has the language's letters, else UTF-8 with the
# byte-order mark.
LANGUAGES = [
    ("en", ENGLISH, "cp1252"),
    ("de", GERMAN, "cp1252"),
    ("fr", FRENCH, "cp1252"),
    ("es", SPANISH, "cp1252"),
    ("it", ITALIAN, "cp1252"),
    ("pl", POLISH, "utf-8-sig"),
    ("el", GREEK, "utf-8-sig"),
]


def write(name, entries, encoding):
    text = "".join(f"[{key}]={value}|$$\n" for key, value in entries.items())
    (HERE / name).write_bytes(text.replace("\n", "\r\n").encode(encoding))


if __name__ == "__main__":
    for code, entries, encoding in LANGUAGES:
        entries.update(zip(MENU_KEYS, MENUS[code]))
        entries.update(zip(ROAD_STRIP_KEYS, ROAD_STRIP[code]))
        entries.update(zip(VIEW_KEYS, VIEWS[code]))
        entries.update(zip(TRIP_KEYS, TRIPS[code]))
    for code, entries, encoding in LANGUAGES:
        assert entries.keys() == ENGLISH.keys(), code
        write(f"kyvelo_{code}.itl", entries, encoding)
