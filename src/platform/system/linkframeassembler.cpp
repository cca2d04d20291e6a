#include "platform/system/linkframeassembler.h"

#include <algorithm>

char* LinkFrameAssembler::space() {
    return FHeader ? FData.data() + FDataDone : FHeaderBytes + FHeaderDone;
}

qsizetype LinkFrameAssembler::spaceSize() const {
    if (FBroken) return 0;
    return FHeader ? FData.size() - FDataDone : kLinkHeaderSize - FHeaderDone;
}

LinkFrameAssembler::State LinkFrameAssembler::commit(qsizetype count, qint64 nowMs) {
    if (count <= 0) return state();
    if (state() == State::Idle) FStartedAt = nowMs;
    if (FHeader) {
        FDataDone += count;
        return state();
    }
    FHeaderDone += count;
    if (FHeaderDone < kLinkHeaderSize) return state();
    FHeader = decodeLinkHeader(QByteArray::fromRawData(FHeaderBytes, kLinkHeaderSize));
    if (!FHeader) {
        FBroken = true;
        return state();
    }
    FData = QByteArray(FHeader->Size, Qt::Uninitialized);
    return state();
}

LinkFrameAssembler::State LinkFrameAssembler::feed(const char* bytes, qsizetype count, qint64 nowMs) {
    while (count > 0 && !FBroken) {
        const qsizetype part = std::min(count, spaceSize());
        if (part == 0) {
            FBroken = true; // beyond the frame
            break;
        }
        std::copy_n(bytes, part, space());
        commit(part, nowMs);
        bytes += part;
        count -= part;
    }
    return state();
}

LinkFrameAssembler::State LinkFrameAssembler::state() const {
    if (FBroken) return State::Broken;
    if (FHeaderDone == 0) return State::Idle;
    return FHeader && FDataDone == FData.size() ? State::Complete : State::Incomplete;
}

std::optional<qint64> LinkFrameAssembler::deadline() const {
    if (state() != State::Incomplete) return std::nullopt;
    return FStartedAt + kLinkSendTimeoutMs;
}

LinkFrame LinkFrameAssembler::take() {
    LinkFrame frame{FHeader->Message, FHeader->WParam, FHeader->DwData, std::move(FData)};
    *this = LinkFrameAssembler();
    return frame;
}
