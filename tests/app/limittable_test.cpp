// The limit table against the trip model, its digits as a student checks them by hand, and its text
// as a spreadsheet receives it in each language.
#include "../qstringprinter.h"
#include "app/limittable.h"
#include "app/limittablewords.h"
#include "app/measuredtrip.h"
#include "app/profiletrip.h"
#include "app/tripmodel.h"
#include "app/velocitymodel.h"
#include "localisation/languagefilepath.h"
#include "scales/labeltext.h"
#include "scopedlanguagefiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace {

// A fixed-decimal text as a whole number and its count of decimals: "-0.0104" gives (-104, 4).
std::pair<qint64, int> digitsOf(const QString& text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return {QString(text).remove(QLatin1Char('.')).toLongLong(), static_cast<int>(text.size() - point - 1)};
}

// Whether Ds / dt * 60 from the shown Ds, exactly, lies within half a hundredth of the shown
// velocity, a tie counting for the velocity further from zero.
bool reproduces(const QString& ds, double dt, const QString& velocity) {
    const auto [n, decimals] = digitsOf(ds);
    const qint64 v = digitsOf(velocity).first;
    qint64 unit = 1;
    for (int i = 2; i < decimals; ++i)
        unit *= 10;
    const qint64 exact = n * std::llround(60 / dt); // the velocity in units of 10^-decimals km/h
    const qint64 off = 2 * std::abs(exact - v * unit);
    return off < unit || (off == unit && std::abs(v * unit) > std::abs(exact));
}

} // namespace

// Every row of every table on the half minutes of every trip: a side that leaves the trip's time
// axis shows dashes; the others show the model's secant, its velocity rounded to two decimals, and
// Ds with the fewest decimals (two at least) that give that velocity back by hand.
TEST(LimitTable, BothSidesOnTheTripInDigitsThatReproduce) {
    int moreThanFour = 0;
    for (int profile = 0; profile <= profileIndex(TripProfile::BackAndForth); ++profile)
        for (int half = 0; half <= 2 * kTripEnd; ++half) {
            const double t1 = half / 2.0;
            const LimitTable table = limitTable(ProfileTrip(static_cast<TripProfile>(profile)), t1);
            EXPECT_EQ(table.T1, t1);
            for (std::size_t i = 0; i < LimitTable::kIntervals.size(); ++i) {
                const double dt = LimitTable::kIntervals[i];
                const LimitRow& row = table.Rows[i];
                EXPECT_EQ(row.Dt, dt);
                for (const auto& [secant, from, to] :
                     {std::tuple(row.Backward, t1 - dt, t1), std::tuple(row.Forward, t1, t1 + dt)}) {
                    SCOPED_TRACE(testing::Message() << profile << ": " << from << " to " << to);
                    const SecantTexts texts = secantTexts(dt, secant);
                    ASSERT_EQ(secant.OnTrip, from >= 0 && to <= kTripEnd);
                    if (!secant.OnTrip) {
                        EXPECT_EQ(texts.Ds, QStringLiteral("\u2013"));
                        EXPECT_EQ(texts.Velocity, QStringLiteral("\u2013"));
                        continue;
                    }
                    const double ds = tripProfileDistance(profile, to) - tripProfileDistance(profile, from);
                    EXPECT_EQ(secant.Ds, ds);
                    EXPECT_EQ(secant.Velocity, ds / dt * 60);
                    EXPECT_EQ(texts.Velocity, FormatFloatField(1, 2, ds / dt * 60));
                    const int decimals = digitsOf(texts.Ds).second;
                    EXPECT_EQ(texts.Ds, FormatFloatField(1, decimals, ds));
                    EXPECT_TRUE(reproduces(texts.Ds, dt, texts.Velocity)) << qPrintable(texts.Ds);
                    if (decimals > 2) {
                        EXPECT_FALSE(reproduces(FormatFloatField(1, decimals - 1, ds), dt, texts.Velocity));
                    }
                    moreThanFour += decimals > 4;
                }
            }
            EXPECT_EQ(table.CentralSecant,
                      (tripProfileDistance(profile, t1 + 0.5) - tripProfileDistance(profile, t1 - 0.5)) * 60);
            EXPECT_EQ(table.Exact, tripProfileVelocity(profile, t1));
        }
    EXPECT_GT(moreThanFour, 0); // the short intervals need more decimals than the old fixed four
}

// A measured trip of four samples, up 1 km in the first minute, 2 km in the second, then standing
// for two: the rows at t1 = 2 min worked out by hand from the straight lines between the samples
// (s(1.5) = 2, s(1.9) = 2.8, s(1.99) = 2.98), dashes where a side leaves the trip's four minutes, the
// tangent over the trip's smoothing window (s(2.5) - s(1.5) = 1 km in 1 min) and no exact one.
TEST(LimitTable, RowsOnMeasuredData) {
    const MeasuredTrip trip(QStringLiteral("small.csv"), {{0, 1, 2, 4}, {0, 1, 3, 3}});
    const LimitTable table = limitTable(trip, 2);
    const QString dash = QStringLiteral("\u2013");
    // clang-format off
    const std::vector<std::array<const char*, 4>> rows{
        {"\u2013", "\u2013", "\u2013", "\u2013"}, {"\u2013", "\u2013", "\u2013", "\u2013"},
        {"\u2013", "\u2013", "\u2013", "\u2013"}, {"\u2013", "\u2013", "\u2013", "\u2013"},
        {"2.00", "120.00", "0.00", "0.00"},     // dt = 1: 1 -> 2 and 2 -> 3
        {"1.00", "120.00", "0.00", "0.00"},     // dt = 0.5
        {"0.20", "120.00", "0.00", "0.00"},     // dt = 0.1
        {"0.02", "120.00", "0.00", "0.00"}};    // dt = 0.01
    // clang-format on
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LimitRow& row = table.Rows[i];
        const SecantTexts backward = secantTexts(row.Dt, row.Backward);
        const SecantTexts forward = secantTexts(row.Dt, row.Forward);
        EXPECT_EQ((std::array{backward.Ds, backward.Velocity, forward.Ds, forward.Velocity}),
                  (std::array{QString::fromUtf8(rows[i][0]), QString::fromUtf8(rows[i][1]),
                              QString::fromUtf8(rows[i][2]), QString::fromUtf8(rows[i][3])}))
            << "dt " << row.Dt;
    }
    EXPECT_DOUBLE_EQ(table.CentralSecant, 60);
    const std::vector<QStringList> cells = limitTableCells(table, LimitTableWords{});
    EXPECT_EQ(cells.back().back(), dash);
}

// The whole text on the uniform trip near its end: the heading, the sides, the captions, dashes where
// a side leaves the trip, Ds as long as its row needs, the tangent rows.
TEST(LimitTable, TabSeparatedText) {
    const LimitTableWords words{QStringLiteral("%1, point 1 at %2 min"),
                                QStringLiteral("Uniform"),
                                QStringLiteral("before"),
                                QStringLiteral("after"),
                                QStringLiteral("dt"),
                                QStringLiteral("ds"),
                                QStringLiteral("v"),
                                QStringLiteral("central"),
                                QStringLiteral("exact")};
    EXPECT_EQ(limitTableText(limitTable(ProfileTrip(TripProfile::Uniform), 130), words),
              QStringLiteral("Uniform, point 1 at 130.0 min\n"
                             "\tbefore\t\tafter\t\n"
                             "dt\tds\tv\tds\tv\n"
                             "60\t75.00\t75.00\t\u2013\t\u2013\n"
                             "30\t37.50\t75.00\t\u2013\t\u2013\n"
                             "10\t12.50\t75.00\t\u2013\t\u2013\n"
                             "5\t6.25\t75.00\t\u2013\t\u2013\n"
                             "1\t1.25\t75.00\t1.25\t75.00\n"
                             "0.5\t0.625\t75.00\t0.625\t75.00\n"
                             "0.1\t0.125\t75.00\t0.125\t75.00\n"
                             "0.01\t0.0125\t75.00\t0.0125\t75.00\n"
                             "central\t\t\t\t75.00\n"
                             "exact\t\t\t\t75.00\n"));
}

// --table in each language, from the program's language file: the heading names the trip and
// point 1, and the numbers carry the language's decimal separator.
TEST(LimitTable, HeadingAndNumbersInEachLanguage) {
    struct Case {
        const char* Code;
        const char* Heading;
        const char* Row; // dt = 0.5
    };
    const Case cases[] = {
        {"en", "Standard Road Situation, point 1 at 50.5 min", "0.5\t0.5166\t61.99\t0.5052\t60.62"},
        {"de", "Normale Verkehrslage, Punkt 1 bei 50,5 min", "0,5\t0,5166\t61,99\t0,5052\t60,62"},
        {"fr", "Circulation normale, point 1 à 50,5 min", "0,5\t0,5166\t61,99\t0,5052\t60,62"},
        {"es", "Tráfico normal, punto 1 en 50,5 min", "0,5\t0,5166\t61,99\t0,5052\t60,62"},
        {"it", "Traffico normale, punto 1 a 50,5 min", "0,5\t0,5166\t61,99\t0,5052\t60,62"},
        {"pl", "Zwykły ruch drogowy, punkt 1 w 50,5 min", "0,5\t0,5166\t61,99\t0,5052\t60,62"},
        {"el", "Κανονική κυκλοφορία, σημείο 1 στα 50,5 min", "0,5\t0,5166\t61,99\t0,5052\t60,62"},
    };
    for (const Case& c : cases) {
        LanguageFileSearch nowhere = systemLanguageFileSearch(QStringLiteral("/nonexistent"));
        nowhere.Environment = [](const char*) { return QByteArray(); };
        const ScopedLanguageFiles files(
            LanguageFiles{QStringLiteral(KYVELO_TEST_DATA "/../../src/app/languages/kyvelo_%1.itl")
                              .arg(QLatin1String(c.Code)),
                          nowhere});
        const QStringList lines =
            limitTableTextInProgramLanguage(ProfileTrip(TripProfile::StandardRoad), 50.5)
                .split(QLatin1Char('\n'));
        EXPECT_EQ(lines[0], QString::fromUtf8(c.Heading)) << c.Code;
        EXPECT_EQ(lines[8], QString::fromUtf8(c.Row)) << c.Code;
    }
}
