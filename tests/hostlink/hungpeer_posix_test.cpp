// The main window beside peers that stop halfway: a host stopped with SIGSTOP, and a peer in
// another process that trickles a frame a byte at a time. The window must go on painting, and
// Exit must end within the link's send limit.
#include "../app/mainformfixture.h"
#include "../linkpeer.h"
#include "chart/rchart.h"
#include "hostlink/copydata.h"
#include "hostlink/messagecodes.h"
#include "hostlinktestutil.h"
#include "twoprocess.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEvent>

#include <memory>

#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Counts the paint events that reach a widget; it may outlive the widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) : FWidget(widget) { FWidget.installEventFilter(this); }

    // Asks for a paint and waits a second at most for it.
    bool paintsWithinASecond() {
        const int before = FPaints;
        FWidget.update();
        return waitUntil([&] { return FPaints > before; }, 1000);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++FPaints;
        return false;
    }

private:
    QWidget& FWidget;
    int FPaints = 0;
};

// The program's windows, shown as it shows them.
struct ShownProgram : ProgramWindows {
    ShownProgram() { Shown = showPastStartupScreen(*form); }
    // Closes them as Exit does; the milliseconds that took.
    qint64 exit() {
        QElapsedTimer timer;
        timer.start();
        form.reset();
        about.reset();
        return timer.elapsed();
    }

    bool Shown = false;
};

// A child process that sends the frame to the window one byte every gapMs, and ends when the
// window no longer takes them or the frame is out.
pid_t trickle(LinkHandle window, const QByteArray& frame, int gapMs) {
    const sockaddr_un address = linkWindowAddress(window);
    const pid_t child = fork();
    if (child != 0) return child;
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) _exit(2);
    for (const char byte : frame) {
        if (send(fd, &byte, 1, MSG_NOSIGNAL) != 1) _exit(0);
        usleep(static_cast<useconds_t>(gapMs) * 1000);
    }
    _exit(1);
}

} // namespace

TEST(HungPeers, AHostStoppedWithSigstopHoldsUpNeitherPaintingNorExit) {
    HostProcess host;
    ASSERT_TRUE(host.started());
    const ScopedViewerHandle settings(host.handleText().toUtf8());
    ShownProgram windows;
    ASSERT_TRUE(windows.Shown);
    ASSERT_NE(windows.form->cliDemon->ServerEntity().WindowHandle(), 0u);
    ASSERT_EQ(kill(static_cast<pid_t>(host.processId()), SIGSTOP), 0);
    PaintCounter paints(*windows.form->RC1);
    EXPECT_TRUE(paints.paintsWithinASecond());
    // Exit says farewell to the host, which cannot answer: the send ends at its limit.
    EXPECT_LT(windows.exit(), kLinkSendTimeoutMs + 1000);
    ASSERT_EQ(kill(static_cast<pid_t>(host.processId()), SIGCONT), 0);
    EXPECT_TRUE(host.take(QStringLiteral("unregistered"))) << "no farewell was sent";
}

TEST(HungPeers, APeerTricklingAFrameHoldsUpNeitherPaintingNorExit) {
    ShownProgram windows;
    ASSERT_TRUE(windows.Shown);
    TLernavoMessageStream params(nullptr);
    params.SetMsgCode(mcParams);
    params.WriteLines({QStringLiteral("trickled")});
    const LinkHandle window = windows.form->cliDemon->OwnEntity().WindowHandle();
    const pid_t peer = trickle(window, encodeLinkFrame(copyDataFrame(0x7777, params)), 200);
    PaintCounter paints(*windows.form->RC1);
    QElapsedTimer timer;
    timer.start();
    for (int probe = 0; probe < 5; ++probe) {
        EXPECT_TRUE(paints.paintsWithinASecond()) << "probe " << probe << " at " << timer.elapsed() << " ms";
        waitUntil([&] { return timer.elapsed() > 400 * (probe + 1); });
    }
    EXPECT_LT(windows.exit(), kLinkSendTimeoutMs);
    int status = 0;
    ASSERT_EQ(waitpid(peer, &status, 0), peer);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the frame went through or the peer could not connect";
}
