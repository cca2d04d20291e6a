// The system services' rules that hold alike on Windows and elsewhere.
#include "platform/system/settingsvalue.h"
#include "platform/system/terminationsignals.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <csignal>

TEST(SettingsValue, ReadsOneValueAndEverythingMissingReadsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("marvesto.ini"));
    EXPECT_EQ(readSettingsValue(path, QStringLiteral("demon"), QStringLiteral("ViewerHandle")), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[other]\nViewerHandle=wrong\n\n[demon]\n  ViewerHandle = 00000000 \nList=a, b\n");
    file.close();
    EXPECT_EQ(readSettingsValue(path, QStringLiteral("demon"), QStringLiteral("ViewerHandle")),
              QStringLiteral("00000000"));
    EXPECT_EQ(readSettingsValue(path, QStringLiteral("demon"), QStringLiteral("List")),
              QStringLiteral("a, b"));
    EXPECT_EQ(readSettingsValue(path, QStringLiteral("demon"), QStringLiteral("Missing")), QString());
    EXPECT_EQ(readSettingsValue(path, QStringLiteral("none"), QStringLiteral("ViewerHandle")), QString());
}

TEST(TerminationSignals, TheFirstIsDeliveredABurstAbsorbedALaterOneEndsAtOnce) {
    using V = TerminationSignals::Verdict;
    constexpr std::int64_t grace = TerminationSignals::kGraceNs;
    const struct {
        std::int64_t First, Now;
        V Verdict;
    } cases[] = {
        {0, 5, V::Deliver},
        {5, 5, V::Absorb},
        {5, 5 + grace - 1, V::Absorb},
        {5, 5 + grace, V::EndNow},
        {5, 5 + 10 * grace, V::EndNow},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TerminationSignals::judge(c.First, c.Now), c.Verdict) << c.First << " " << c.Now;
}

TEST(TerminationSignals, EachConsoleEventStandsForTheSignalOfItsKind) {
    constexpr int kHangUp = 1; // SIGHUP, which the Windows headers lack
    const struct {
        unsigned long ControlType;
        int Signal;
    } cases[] = {
        {0, SIGINT},  // Ctrl+C
        {1, SIGINT},  // Ctrl+Break
        {2, kHangUp}, // the console was closed
        {5, SIGTERM}, // logoff
        {6, SIGTERM}, // shutdown
        {3, 0},       // not an event
        {7, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TerminationSignals::consoleEventSignal(c.ControlType), c.Signal) << c.ControlType;
}
