#!/usr/bin/env python3
"""Writes the program's two language files, kyvelo_en.itl and kyvelo_de.itl, beside this script.

Language files are Windows-1252 text: one entry per line, "[" key "]=" value "|$$", lines ended by
CR LF. Keys are the captions of the two windows without their "BF_" prefix, and three keys of the
program's own: $dlglanguage$, HomePageURL and MMExplain (the HTML text under the chart; it may run
over several lines, each line break reading as a blank). Links to the help pages that come with the
program are written "help:" and the page's path below the help folder; the program opens them from
where it finds the pages. Characters outside Windows-1252 (Greek letters, the prime) are HTML
entities."""
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

COPYRIGHT = "Copyright 2026 the Kyvelo authors. Free for teaching and learning."

ENGLISH = {
    "$dlglanguage$": "LGEnglish",
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
    COPYRIGHT: COPYRIGHT,
    "MMExplain": EXPLAIN_EN,
}

GERMAN = {
    "$dlglanguage$": "LGGerman",
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
    COPYRIGHT: "Copyright 2026 die Kyvelo-Autoren. Frei für Lehren und Lernen.",
    "MMExplain": EXPLAIN_DE,
}

# ---- The velocity graph, the limit table, "Set points..." and Reset (keys of StudyTexts, and the
# paragraph added to the explanatory text while the velocity graph is shown).
EXPLAIN_VELOCITY_EN = """<p style="margin:2px 4px">The <b>velocity graph</b> under the chart shows v(t) = s'(t) &middot; 60
in km/h. Every measurement leaves a red dot; the green curve (key E) is the exact derivative. With two points
the blue segment is the <i>average</i> velocity from t1 to t2: the area under v(t) between the points
equals the distance ds.</p>"""

EXPLAIN_VELOCITY_DE = """<p style="margin:2px 4px">Das <b>Geschwindigkeitsdiagramm</b> unter dem Weg-Zeit-Diagramm zeigt
v(t) = s'(t) &middot; 60 in km/h. Jede Messung hinterlässt einen roten Punkt; die grüne Kurve (Taste E) ist die
exakte Ableitung. Mit zwei Punkten zeigt die blaue Strecke die <i>mittlere</i> Geschwindigkeit von t1 bis t2:
die Fläche unter v(t) zwischen den Punkten ist gleich dem Weg ds.</p>"""

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
    "Cancel": "Abbrechen",
    "Velocity-time graph": "Geschwindigkeit-Zeit-Diagramm",
    "%1 measured velocities, the last %2 km/h at %3 min": "%1 gemessene Geschwindigkeiten, die letzte %2 km/h bei %3 min",
    "the exact curve v(t) is shown": "die exakte Kurve v(t) wird gezeigt",
    "average velocity %1 km/h from %2 to %3 min": "mittlere Geschwindigkeit %1 km/h von %2 bis %3 min",
    "MMExplainVelocity": EXPLAIN_VELOCITY_DE,
})
# ---- End of the velocity graph's and limit table's keys.


def write(name, entries):
    text = "".join(f"[{key}]={value}|$$\n" for key, value in entries.items())
    (HERE / name).write_bytes(text.replace("\n", "\r\n").encode("cp1252"))


if __name__ == "__main__":
    assert ENGLISH.keys() == GERMAN.keys()
    write("kyvelo_en.itl", ENGLISH)
    write("kyvelo_de.itl", GERMAN)
