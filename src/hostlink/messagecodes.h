// The codes of the messages between the link components (dwData of each transfer).
#pragma once

#include <QtGlobal>

enum MessageCode : qint32 {
    mcQuit = 4096,          // host: 1 byte ServerDown
    mcReply = 4097,         // host: the answer to the request with the same time stamp
    mcRegister = 4098,      // client: its own entity record
    mcUnregister = 4099,    // client: its own entity record
    mcQueryEntity = 4100,   // client: selector 1 + 32-bit window handle, or selector 2 + title
    mcParams = 4101,        // second copy to the first: its command line as text lines
    mcExecute = 4102,       // client: file, parameters, wait byte, 32-bit option
    mcGetFile = 4103,       // client: file name
    mcQueryFileName = 4104, // client: full path of its executable
    mcQueryText = 4105,     // client: text
    mcQueryVariable = 4106, // client: variable name
};

// Selectors of mcQueryEntity.
constexpr quint8 kQueryByHandle = 1;
constexpr quint8 kQueryByTitle = 2;
