// Frame headers that announce any size of data, allowed or not.
#pragma once

#include "platform/system/linkframe.h"

#include <QByteArray>

// A header of an empty frame whose size field says size, allowed or not.
inline QByteArray headerAnnouncing(quint32 size) {
    QByteArray header = encodeLinkHeader({});
    header.replace(12, 4, QByteArray(reinterpret_cast<const char*>(&size), 4));
    return header;
}
