#!/usr/bin/env python3
"""Writes the program's two language files, kyvelo_en.itl and kyvelo_de.itl, beside this script.

Language files are Windows-1252 text: one entry per line, "[" key "]=" value "|$$", lines ended by
CR LF. Keys are the captions of the two windows without their "BF_" prefix, and three keys of the
program's own: $dlglanguage$, HomePageURL and MMExplain (the HTML text under the chart; it may run
over several lines, each line break reading as a blank)."""
import pathlib

HERE = pathlib.Path(__file__).parent
HOME = "https://kyvelo.example/"

EXPLAIN_EN = f"""<p style="margin:2px 4px">Drag the two red measuring points along the curve with the left mouse button.
The blue <b>secant</b> runs through both points: its slope ds/dt is the <i>average</i> velocity between
them. Move the points closer together and the secant turns into the <b>tangent</b>, which only touches
the curve; <i>Single Point Measurement</i> shows it at point 1. Its slope is the <i>instantaneous</i>
velocity, the first derivative s'(t) of the distance.
<b>ds</b> is the distance and <b>dt</b> the time between the points; <b>Velocity</b> = ds/dt,
in km per minute times 60 to give km/h.
<a href="{HOME}secant-tangent">Secant and tangent</a> &middot;
<a href="{HOME}derivative">The first derivative</a></p>"""

EXPLAIN_DE = f"""<p style="margin:2px 4px">Ziehen Sie die beiden roten Messpunkte mit der linken Maustaste über die Kurve.
Die blaue <b>Sekante</b> geht durch beide Punkte: ihre Steigung ds/dt ist die <i>mittlere</i>
Geschwindigkeit zwischen ihnen. Rücken die Punkte näher zusammen, wird aus der Sekante die
<b>Tangente</b>, die die Kurve nur berührt; <i>Einzelpunktmessung</i> zeigt sie im Punkt 1. Ihre
Steigung ist die <i>momentane</i> Geschwindigkeit, die erste Ableitung s'(t) des Weges.
<b>ds</b> ist der Weg und <b>dt</b> die Zeit zwischen den Punkten; <b>Geschwindigkeit</b> = ds/dt,
in km pro Minute mal 60 ergibt km/h.
<a href="{HOME}de/sekante-tangente">Sekante und Tangente</a> &middot;
<a href="{HOME}de/ableitung">Die erste Ableitung</a></p>"""

ENGLISH = {
    "$dlglanguage$": "LGEnglish",
    "HomePageURL": HOME,
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
    "Distance Interval ds [km]": "Distance Interval ds [km]",
    "Time Interval dt [min]": "Time Interval dt [min]",
    "HomePage": "Kyvelo home page",
    "OK": "OK",
    "Copy picture": "Copy picture",
    "Save picture...": "Save picture...",
    "Let point 2 glide to point 1": "Let point 2 glide to point 1",
    "The picture could not be saved as %1.": "The picture could not be saved as %1.",
    "Distance-time chart": "Distance-time chart",
    "Point 1: %1 min, %2 km": "Point 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "point 2: %1 min, %2 km",
    "Trip profile": "Trip profile",
    "MMExplain": EXPLAIN_EN,
}

GERMAN = {
    "$dlglanguage$": "LGGerman",
    "HomePageURL": HOME + "de/",
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
    "Distance Interval ds [km]": "Wegintervall ds [km]",
    "Time Interval dt [min]": "Zeitintervall dt [min]",
    "HomePage": "Kyvelo-Homepage",
    "OK": "OK",
    "Copy picture": "Bild kopieren",
    "Save picture...": "Bild speichern...",
    "Let point 2 glide to point 1": "Punkt 2 zu Punkt 1 gleiten lassen",
    "The picture could not be saved as %1.": "Das Bild konnte nicht als %1 gespeichert werden.",
    "Distance-time chart": "Weg-Zeit-Diagramm",
    "Point 1: %1 min, %2 km": "Punkt 1: %1 min, %2 km",
    "point 2: %1 min, %2 km": "Punkt 2: %1 min, %2 km",
    "Trip profile": "Fahrtprofil",
    "MMExplain": EXPLAIN_DE,
}


def write(name, entries):
    text = "".join(f"[{key}]={value}|$$\n" for key, value in entries.items())
    (HERE / name).write_bytes(text.replace("\n", "\r\n").encode("cp1252"))


if __name__ == "__main__":
    assert ENGLISH.keys() == GERMAN.keys()
    write("kyvelo_en.itl", ENGLISH)
    write("kyvelo_de.itl", GERMAN)
