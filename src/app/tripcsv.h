// Reads a trip from a CSV or text table: a time column and a distance column.
//
// The text is UTF-8 (with or without byte-order mark) where its bytes are valid UTF-8, else
// Windows-1252. Blank lines are passed over. The fields of a line are separated by tabs where the
// first line holds one, else by semicolons where it holds one, else by commas; a field may stand in
// double quotes. Numbers take a decimal point, or a decimal comma where the separator is not the
// comma.
//
// A first line without numbers is the header: the time column is the first headed t, time, Zeit,
// temps, tiempo, tempo, czas or χρόνος, the distance column the first headed s, distance, Strecke,
// Weg, distancia, distanza, droga, dystans, odległość or απόσταση (any letter case, accents
// optional), each with an optional unit in brackets, in parentheses, after a comma or after a slash
// ("t [s]", "Strecke (m)", "time, h", "s/km"): s, min or h; m or km; minutes and km without one.
// Without a header the first two columns that hold numbers in the first line are the time in
// minutes and the distance in km. Other columns are not read.
#pragma once

#include "app/tripsamples.h"

#include <QByteArray>

#include <variant>

// The samples of the table in bytes, or why it cannot be read; file names it in messages.
std::variant<TripSamples, TripReadError> readTripCsv(const QByteArray& bytes, const QString& file);
