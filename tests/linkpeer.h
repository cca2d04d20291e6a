// What the link's tests need to play a peer in another process with plain sockets: the address of
// a link window's socket, and frame headers that announce any size of data (linkheader.h).
#pragma once

#include "linkheader.h"
#include "platform/system/linkdirectory.h"
#include "platform/system/linkframe.h"
#include "platform/system/linkrecord.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <sys/socket.h>
#include <sys/un.h>

// Where the link window with this handle listens, whether it exists or not.
inline sockaddr_un linkWindowAddress(LinkHandle handle) {
    const QByteArray path = QFile::encodeName(linkSocketPath(linkDirectory(), handle));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    return address;
}
