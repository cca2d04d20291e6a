#include "app/restart.h"

#include "app/mainfrm.h"

namespace {

std::optional<QByteArrayList>& pending() {
    static std::optional<QByteArrayList> arguments;
    return arguments;
}

} // namespace

void requestRestart(const QByteArrayList& arguments) {
    pending() = arguments;
    if (Form1) Form1->Close();
}

const std::optional<QByteArrayList>& requestedRestart() {
    return pending();
}
