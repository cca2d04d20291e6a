#include "app/sampletrips.h"
#include "app/tripexport.h"
#include "app/tripfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kSampleTrips = QStringLiteral(KYVELO_TEST_DATA "/../../data/trips");

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

MeasuredTrip readTrip(const QString& path) {
    auto result = readTripFile(path);
    if (auto* error = std::get_if<TripReadError>(&result)) {
        ADD_FAILURE() << tripReadErrorText(*error).toStdString();
        return MeasuredTrip(QString(), {{0, 1}, {0, 0}});
    }
    return std::get<MeasuredTrip>(std::move(result));
}

} // namespace

TEST(TripFile, RefusesWhatIsNoUsableFile) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.csv"));
    QFile large(dir.filePath(QStringLiteral("large.csv")));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(kMaxTripFileSize + 1));
    const std::vector<std::pair<QString, QString>> cases{
        {QStringLiteral("folder.csv"), QStringLiteral("folder.csv is not a regular file.")},
        {QStringLiteral("large.csv"), QStringLiteral("large.csv is larger than 64 MiB.")},
        {QStringLiteral("missing.csv"),
         QStringLiteral("missing.csv cannot be read: No such file or directory.")},
    };
    for (const auto& [name, message] : cases) {
        const auto result = readTripFile(dir.filePath(name));
        ASSERT_TRUE(std::holds_alternative<TripReadError>(result)) << name.toStdString();
        EXPECT_EQ(tripReadErrorText(std::get<TripReadError>(result)).toStdString(), message.toStdString());
    }
}

TEST(TripFile, TellsGpxByNameOrContent) {
    QTemporaryDir dir;
    const QByteArray gpx = "\xEF\xBB\xBF\n <gpx><trk><trkseg>"
                           "<trkpt lat=\"0\" lon=\"0\"><time>2026-05-16T10:00:00Z</time></trkpt>"
                           "<trkpt lat=\"0\" lon=\"0\"><time>2026-05-16T10:01:00Z</time></trkpt>"
                           "</trkseg></trk></gpx>";
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("ride.txt")), gpx));
    EXPECT_EQ(readTrip(dir.filePath(QStringLiteral("ride.txt"))).timeSpan().End, 1);
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("empty.GPX")), "t,s\n0,0\n1,1\n"));
    const auto result = readTripFile(dir.filePath(QStringLiteral("empty.GPX")));
    ASSERT_TRUE(std::holds_alternative<TripReadError>(result));
    EXPECT_EQ(std::get<TripReadError>(result).Problem, TripReadProblem::MalformedXml);
}

TEST(TripExport, WritesTheSpreadsheetTableOfTheLanguage) {
    const MeasuredTrip trip(QStringLiteral("t"), {{0, 0.5, 1}, {0, 0.25, 0.75}});
    EXPECT_EQ(tripCsvText(trip, u','), QStringLiteral("time [min];distance [km];velocity [km/h]\n"
                                                      "0;0;30,000\n0,5;0,25;45,000\n1;0,75;60,000\n"));
    EXPECT_EQ(tripCsvText(trip, u'.'), QStringLiteral("time [min],distance [km],velocity [km/h]\n"
                                                      "0,0,30.000\n0.5,0.25,45.000\n1,0.75,60.000\n"));
}

// A sample trip written with either separator and read again is the same trip, to the last bit.
TEST(TripExport, ReadsBackAsTheSameTrip) {
    const MeasuredTrip ride = readTrip(kSampleTrips + QStringLiteral("/ride.gpx"));
    QTemporaryDir dir;
    for (const QChar separator : {u',', u'.'}) {
        const QString path = dir.filePath(QStringLiteral("ride.csv"));
        ASSERT_TRUE(writeFile(path, tripCsvText(ride, separator).toUtf8()));
        const MeasuredTrip back = readTrip(path);
        EXPECT_EQ(back.samples().Times, ride.samples().Times);
        EXPECT_EQ(back.samples().Distances, ride.samples().Distances);
    }
}

// The trips that come with the program read as what they show.
TEST(SampleTrips, ReadAsTheirStories) {
    const MeasuredTrip commute = readTrip(kSampleTrips + QStringLiteral("/commute.csv"));
    EXPECT_EQ(commute.name(), QStringLiteral("commute.csv"));
    EXPECT_EQ(commute.samples().Times[1], 1.0 / 60);
    EXPECT_EQ(commute.distanceRange().High, 7.5);
    const MeasuredTrip ride = readTrip(kSampleTrips + QStringLiteral("/ride.gpx"));
    EXPECT_GT(ride.timeSpan().End, 25);
    EXPECT_GT(ride.distanceRange().High, 9); // 9 km ridden, and the GPS noise on top
    const MeasuredTrip walk = readTrip(kSampleTrips + QStringLiteral("/walk.csv"));
    EXPECT_EQ(walk.timeSpan().End, 30);
    EXPECT_GT(walk.distanceAt(15), 1);
    EXPECT_LT(walk.distanceAt(30), 0.01); // back where it started
}

TEST(SampleTrips, FolderBesideTheProgramOrInTheSharedData) {
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    EXPECT_EQ(sampleTripFolder(bin), dir.filePath(QStringLiteral("share/kyvelo/trips")));
    QDir().mkpath(bin + QStringLiteral("/trips"));
    EXPECT_EQ(sampleTripFolder(bin), bin + QStringLiteral("/trips"));
}
