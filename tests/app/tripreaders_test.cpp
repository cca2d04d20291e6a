#include "app/geodesic.h"
#include "app/tripcsv.h"
#include "app/tripgpx.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using TripReader = std::variant<TripSamples, TripReadError> (*)(const QByteArray&, const QString&);

struct GoodInput {
    const char* Name;
    QByteArray Bytes;
    std::vector<double> Times;     // min
    std::vector<double> Distances; // km
};

struct BadInput {
    QByteArray Bytes;
    QString Message;
};

void expectSamples(TripReader read, const GoodInput& input, double tolerance) {
    SCOPED_TRACE(input.Name);
    const auto result = read(input.Bytes, QStringLiteral("trip"));
    ASSERT_TRUE(std::holds_alternative<TripSamples>(result))
        << tripReadErrorText(std::get<TripReadError>(result)).toStdString();
    const TripSamples& samples = std::get<TripSamples>(result);
    EXPECT_EQ(samples.Times, input.Times);
    ASSERT_EQ(samples.Distances.size(), input.Distances.size());
    for (std::size_t i = 0; i < input.Distances.size(); ++i)
        EXPECT_NEAR(samples.Distances[i], input.Distances[i], tolerance) << i;
}

void expectMessage(TripReader read, const QString& file, const BadInput& input) {
    SCOPED_TRACE(input.Bytes.toStdString());
    const auto result = read(input.Bytes, file);
    ASSERT_TRUE(std::holds_alternative<TripReadError>(result));
    EXPECT_EQ(tripReadErrorText(std::get<TripReadError>(result)).toStdString(), input.Message.toStdString());
}

// One degree of longitude along the equator is that much of its circumference, a * pi / 180.
const double kMetresPerMilliDegree = 6378137.0 * std::numbers::pi / 180 / 1000;

} // namespace

TEST(TripCsv, GoodTables) {
    // clang-format off
    const std::vector<GoodInput> inputs{
        {"units in brackets, commas", "t [s],s [m]\n0,0\n30,250\n60,500\n", {0, 0.5, 1}, {0, 0.25, 0.5}},
        {"BOM, semicolons, decimal comma, units in parentheses, an extra column, CR LF",
         "\xEF\xBB\xBFZeit (h);Strecke (km);Temperatur\r\n0;0;20\r\n0,5;40,5;21\r\n", {0, 30}, {0, 40.5}},
        {"tabs, capitals without accents, units after a comma and a slash, quoted",
         "\"ΧΡΟΝΟΣ, min\"\tΑπόσταση/km\n1\t2\n2\t3,5\n", {1, 2}, {2, 3.5}},
        {"Windows-1252, columns in another order", "Distance [km];Vitesse \xE9lev\xE9\x65;Temps [min]\n1;9;0\n2;9;1\n",
         {0, 1}, {1, 2}},
        {"no header: the first two numeric columns in min and km, CR line ends",
         "car,1.5,2,7\rcar,2.5,3,7\r", {1.5, 2.5}, {2, 3}},
        {"a repeated time keeps its last distance; blank lines; the distance may fall",
         "t,s\n0,1\n\n1,2\n1,3\n  \n2,2.5\n", {0, 1, 2}, {1, 3, 2.5}},
    };
    // clang-format on
    for (const GoodInput& input : inputs)
        expectSamples(readTripCsv, input, 0);
}

TEST(TripCsv, BadTables) {
    // clang-format off
    const std::vector<BadInput> inputs{
        {"t,s\n", "trip.csv holds no times and distances."},
        {"t,s\n0,1\n12:00:00 on the first day of the trip to the sea,2\n",
         "trip.csv, line 3: \"12:00:00 on the first day of the trip to…\" is not a number."},
        {"t [h],s\n0,1\n1e14,2\n", "trip.csv, line 3: \"1e14\" is too large for a time or a distance."},
        {"Zeitpunkt,s\n0,1\n", "trip.csv, line 1: no column is headed by a time (t, time, Zeit, temps, tiempo, "
                                "tempo, czas, χρόνος)."},
        {"t,Position\n0,1\n", "trip.csv, line 1: no column is headed by a distance (s, distance, Strecke, Weg, "
                               "distancia, distanza, droga, dystans, odległość, απόσταση)."},
        {"t;s\n0;1\n2\n", "trip.csv, line 3: the time or the distance is missing."},
        {"t [mS],s\n", "trip.csv, line 1: the unit \"mS\" is unknown (time: s, min, h; distance: m, km)."},
        {"t,s\n1,1\n1,2\n", "trip.csv holds a single time; a trip needs at least two."},
        {"t,s\n0,0\n2,1\n1.5,2\n", "trip.csv, line 4: the time goes back, from 2 min to 1.5 min."},
    };
    // clang-format on
    for (const BadInput& input : inputs)
        expectMessage(readTripCsv, QStringLiteral("trip.csv"), input);
}

TEST(TripGpx, GoodTracks) {
    const QByteArray gpx11 = R"(<?xml version="1.0"?>
<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1"><metadata><time>2020-01-01T00:00:00Z</time></metadata>
<wpt lat="50" lon="50"><time>2026-01-01T00:00:00Z</time></wpt>
<trk><name>first</name>
 <trkseg>
  <trkpt lat="0" lon="0"><ele>5</ele><time>2026-05-16T10:00:00Z</time></trkpt>
  <trkpt lat="0" lon="0.001"/>
  <trkpt lat="0" lon="0.002"><time>2026-05-16T12:00:30+02:00</time></trkpt>
 </trkseg>
 <trkseg><trkpt lat="0" lon="0.003"><time>2026-05-16T10:01:00.000Z</time></trkpt></trkseg>
</trk>
<trk><trkseg><trkpt lat="1" lon="1"><time>2026-05-16T11:00:00Z</time></trkpt></trkseg></trk>
</gpx>)";
    const QByteArray gpx10 = R"(<gpx version="1.0" xmlns="http://www.topografix.com/GPX/1/0"><trk><trkseg>
<trkpt lat="0" lon="0.001"><time>2026-05-16T10:00:00Z</time></trkpt>
<trkpt lat="0" lon="0"><time>2026-05-16T10:00:00Z</time></trkpt>
<trkpt lat="0" lon="0.002"><time>2026-05-16T10:03:00Z</time></trkpt>
</trkseg></trk></gpx>)";
    const double m = kMetresPerMilliDegree / 1000; // km per milli-degree
    // clang-format off
    const std::vector<GoodInput> inputs{
        {"GPX 1.1: the first track's timed points, through an untimed one and across segments; time zones",
         gpx11, {0, 0.5, 1}, {0, 2 * m, 3 * m}},
        {"GPX 1.0: a repeated time keeps the later point; the track turns back", gpx10, {0, 3}, {m, 3 * m}},
    };
    // clang-format on
    for (const GoodInput& input : inputs)
        expectSamples(readTripGpx, input, 1e-6);
}

TEST(TripGpx, BadDocuments) {
    const QByteArray point =
        R"(<gpx><trk><trkseg><trkpt lat="0" lon="0"><time>2026-05-16T10:00:00Z</time></trkpt>)";
    // clang-format off
    const std::vector<BadInput> inputs{
        {point, "trip.gpx, line 1: the XML is malformed: Premature end of document."},
        {"<kml/>", "trip.gpx, line 1: the element <kml> is not a GPX document's <gpx>."},
        {R"(<gpx><trk><trkseg><trkpt lat="0" lon="0"/></trkseg></trk></gpx>)",
         "trip.gpx has no track point with a time."},
        {"<gpx>\n<trk><trkseg>\n<trkpt lat=\"95\" lon=\"0\"/></trkseg></trk></gpx>",
         "trip.gpx, line 3: the element <trkpt> needs lat and lon in degrees."},
        {point + "<trkpt lat=\"0\" lon=\"0\"><time>yesterday</time></trkpt></trkseg></trk></gpx>",
         "trip.gpx, line 1: the element <time> holds \"yesterday\", not a date and time."},
    };
    // clang-format on
    for (const BadInput& input : inputs)
        expectMessage(readTripGpx, QStringLiteral("trip.gpx"), input);
}

// The geodesic from Flinders Peak to Buninyong, the worked example published with Vincenty's
// formulae for the ellipsoid: 54 972.271 m.
TEST(Geodesic, PublishedTestLine) {
    const auto degrees = [](double d, double m, double s) { return d + m / 60 + s / 3600; };
    const GeoPosition flindersPeak{-degrees(37, 57, 3.72030), degrees(144, 25, 29.52440)};
    const GeoPosition buninyong{-degrees(37, 39, 10.15610), degrees(143, 55, 35.38390)};
    EXPECT_NEAR(ellipsoidDistance(flindersPeak, buninyong), 54972.271, 0.001);
    EXPECT_EQ(ellipsoidDistance(buninyong, buninyong), 0);
    // Nearly opposite points, where the iteration does not settle, still get a length a little short
    // of the longest geodesic, half a meridian (20 003 931 m).
    const double opposite = ellipsoidDistance({0, 0}, {0.5, 179.7});
    EXPECT_GT(opposite, 19.9e6);
    EXPECT_LT(opposite, 20003931);
}
