// A soak of the link under load: the stand-in host, in its own process, sends ten thousand host
// messages at full speed to the main window's link while the user drags a measuring point across
// the chart. None may be lost or come out of order, and memory must stay flat.
#include "../app/mainformfixture.h"
#include "../chartmouse.h"
#include "hostlink/marvestodemon.h"
#include "twoprocess.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace {

constexpr int kMessages = 10000;
constexpr int kWarmUpMessages = 1000;
// Resident memory may move by this much after the warm-up (about 40 KiB is usual); a leak of
// 60 bytes on each of the remaining 9000 messages exceeds it.
constexpr qint64 kMemoryMarginKiB = 512;
// The address sanitizer keeps freed memory in quarantine, so resident memory grows with every
// message there; its leak check at the end stands in for this one.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kFreedMemoryIsKept = true;
#elif defined(__has_feature)
constexpr bool kFreedMemoryIsKept = __has_feature(address_sanitizer);
#else
constexpr bool kFreedMemoryIsKept = false;
#endif
constexpr int kSoakTimeoutMs = 50000;
// 2 ms of messages after each mouse move, so that a build that paints slowly (sanitizers) still
// passes them at the link's own pace; that is still a move every few milliseconds, faster than a
// hand gives them.
constexpr qint64 kDragPauseNs = 2'000'000;

qint64 residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// A link directory of this test's own: the main window's link takes the program's single-instance
// lock, which another test process running at the same time must not find taken.
class PrivateLinkDirectory {
public:
    PrivateLinkDirectory() : FSaved(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", FDir.path().toLocal8Bit());
    }
    ~PrivateLinkDirectory() { qputenv("XDG_RUNTIME_DIR", FSaved); }

private:
    QTemporaryDir FDir;
    QByteArray FSaved;
};

// Drags measuring point 1 to and fro between 20 and 45 min with the left button held, a new
// pixel column on every step.
class PointDrag {
public:
    explicit PointDrag(TRChart& chart) : FChart(chart) {
        mouseOnChart(FChart, QEvent::MouseButtonPress, FTime, kHeight, Qt::LeftButton);
    }
    ~PointDrag() { mouseOnChart(FChart, QEvent::MouseButtonRelease, FTime, kHeight, Qt::NoButton); }

    void step() {
        if (FTime + FStride > 45 || FTime + FStride < 20) FStride = -FStride;
        FTime += FStride;
        mouseOnChart(FChart, QEvent::MouseMove, FTime, kHeight, Qt::LeftButton);
        ++FSteps;
    }
    int steps() const { return FSteps; }

private:
    static constexpr double kHeight = 60;
    TRChart& FChart;
    double FTime = 20;
    double FStride = 0.8; // about three pixels
    int FSteps = 0;
};

} // namespace

TEST(Soak, TenThousandHostMessagesDuringADragArriveAllInOrderAndMemoryStaysFlat) {
    const PrivateLinkDirectory links;
    const ProgramWindows windows;
    TForm1* const form = windows.form.get();
    ASSERT_TRUE(showPastStartupScreen(*form));
    HostProcess host;
    ASSERT_TRUE(host.started());

    std::vector<int> received;
    received.reserve(kMessages);
    int malformed = 0;
    form->cliDemon->SetOnParamsChange([&](QObject*) {
        const QStringList& lines = form->cliDemon->Params();
        if (lines.size() != 2 || lines[0] != QLatin1String("soak")) ++malformed;
        received.push_back(lines.value(1).toInt());
    });
    host.command(
        QStringLiteral("params %1 %2").arg(kMessages).arg(form->cliDemon->OwnEntity().WindowHandle(), 0, 16));

    qint64 warmKiB = 0;
    int warmSteps = 0;
    QElapsedTimer elapsed;
    QElapsedTimer sinceStep;
    elapsed.start();
    sinceStep.start();
    {
        PointDrag drag(*form->RC1);
        while (!host.seen(QStringLiteral("params sent")) && elapsed.elapsed() < kSoakTimeoutMs) {
            if (sinceStep.nsecsElapsed() >= kDragPauseNs) {
                drag.step();
                sinceStep.restart();
            }
            QCoreApplication::processEvents();
            if (warmKiB == 0 && received.size() >= kWarmUpMessages) {
                warmKiB = residentKiB();
                warmSteps = drag.steps();
            }
        }
        EXPECT_GT(warmSteps, 0) << "the drag ran before the warm-up ended";
        EXPECT_GT(drag.steps() - warmSteps, 20) << "the drag ran alongside the messages after the warm-up";
    }
    ASSERT_TRUE(host.take(QStringLiteral("params sent %1").arg(kMessages), 1000))
        << "not every message reached the window within " << kSoakTimeoutMs << " ms";
    const qint64 endKiB = residentKiB();

    EXPECT_EQ(received.size(), static_cast<std::size_t>(kMessages));
    EXPECT_EQ(malformed, 0);
    // The i-th message (from 1) says i: the first place where that fails, or the end.
    std::size_t inOrder = 0;
    while (inOrder < received.size() && received[inOrder] == static_cast<int>(inOrder) + 1)
        ++inOrder;
    EXPECT_EQ(inOrder, received.size()) << "message " << inOrder + 1 << " arrived out of order";
    ASSERT_GT(warmKiB, 0);
    if (!kFreedMemoryIsKept) {
        EXPECT_LE(endKiB - warmKiB, kMemoryMarginKiB)
            << "resident " << warmKiB << " KiB after the warm-up, " << endKiB << " KiB at the end";
    }
    EXPECT_NE(form->Time1(), 50) << "the drag moved point 1";
}
