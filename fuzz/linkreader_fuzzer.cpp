// libFuzzer target: a link window's reader of incoming connections, over real sockets. The input
// is a script of writes: each step is one byte, whose low seven bits say how many of the bytes
// after it go to the connection next and whose top bit first ends the connection (the window must
// then close it) and opens a fresh one. The window's event loop runs after every write, so frames
// arrive split wherever the script says. Whatever arrives must be answered, dropped or end its
// connection, never crash, hang or leak; and what the window hands on is exactly what was sent,
// frame after frame, each answered.
#include "fuzzsupport.h"
#include "platform/system/linkdirectory.h"
#include "platform/system/linkrecord.h"
#include "platform/system/linkwindow.h"

#include <QCoreApplication>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <vector>

namespace {

// Enough turns of the event loop for the window to read everything written and see the end.
constexpr int kMaxTurns = 1000;

struct Window {
    Window() : Link(LinkWindow::create(QStringLiteral("FuzzReader"), QString()).Window) {
        require(Link != nullptr);
        Link->setHandler([this](LinkFrame frame) {
            Received.push_back(std::move(frame));
            return static_cast<qint32>(Received.size());
        });
    }
    std::unique_ptr<LinkWindow> Link;
    std::vector<LinkFrame> Received;
};

class Peer {
public:
    explicit Peer(LinkHandle window) : FFd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        const QByteArray path = QFile::encodeName(linkSocketPath(linkDirectory(), window));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::copy(path.begin(), path.end(), address.sun_path);
        require(FFd >= 0 && connect(FFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    }
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;
    ~Peer() { close(FFd); }

    // Once the window has closed the connection, writing fails; the script goes on regardless.
    void write(const char* bytes, std::size_t size) {
        if (::send(FFd, bytes, size, MSG_NOSIGNAL) > 0) FSent.append(bytes, static_cast<qsizetype>(size));
    }

    // Ends the writing side and checks what the window made of the stream.
    void finish(Window& window) {
        shutdown(FFd, SHUT_WR);
        QByteArray answers;
        bool closed = false;
        for (int turn = 0; turn < kMaxTurns && !closed; ++turn) {
            QCoreApplication::processEvents();
            char chunk[4096];
            const ssize_t got = recv(FFd, chunk, sizeof chunk, MSG_DONTWAIT);
            if (got > 0) answers.append(chunk, got);
            closed = got == 0;
        }
        require(closed);
        QByteArray handedOn;
        for (const LinkFrame& frame : window.Received)
            handedOn += encodeLinkFrame(frame);
        require(FSent.startsWith(handedOn));
        require(answers.size() == kLinkResultSize * static_cast<qsizetype>(window.Received.size()));
        window.Received.clear();
    }

private:
    int FFd;
    QByteArray FSent;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepareQtForFuzzing();
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Window window;
    auto peer = std::make_unique<Peer>(window.Link->handle());
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t step = data[at++];
        if (step & 0x80) {
            peer->finish(window);
            peer = std::make_unique<Peer>(window.Link->handle());
        }
        const std::size_t count = std::min<std::size_t>(step & 0x7F, size - at);
        peer->write(reinterpret_cast<const char*>(data) + at, count);
        at += count;
        QCoreApplication::processEvents();
    }
    peer->finish(window);
    return 0;
}
