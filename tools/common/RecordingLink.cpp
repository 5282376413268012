#include "tools/common/RecordingLink.h"

#include "comm/CommState.h"

RecordingLink::RecordingLink(int matrixDelayMs)
    : matrixDelayMs_(matrixDelayMs), savedDelayMs_(g_commState.matrixDelayMs)
{
    // The link sleeps the matrix delay before each matrix piece itself; a recording keeps the
    // delay with the piece instead of waiting for it.
    g_commState.matrixDelayMs = 0;
}

RecordingLink::~RecordingLink() { g_commState.matrixDelayMs = savedDelayMs_; }

int RecordingLink::SendFrame(const unsigned char* frame)
{
    RecordedWrite w;
    w.bytes.assign(frame, frame + FRAME_SIZE);
    w.pauseAfterMs = 50;
    writes_.push_back(w);
    return COMM_OK;
}

int RecordingLink::SendMatrixFrame(const unsigned char* frame, int)
{
    RecordedWrite w;
    w.kind = RecordedWrite::kMatrixFrame;
    w.bytes.assign(frame, frame + FRAME_SIZE);
    w.pauseBeforeMs = matrixDelayMs_ > 0 ? matrixDelayMs_ : 0;
    w.pauseAfterMs = matrixDelayMs_ > 0 ? matrixDelayMs_ / 2 : 0;
    writes_.push_back(w);
    return COMM_OK;
}

int RecordingLink::WriteRaw(const unsigned char* bytes, int length, int)
{
    RecordedWrite w;
    w.kind = RecordedWrite::kRaw;
    if (length > 0)
        w.bytes.assign(bytes, bytes + length);
    w.pauseBeforeMs = matrixDelayMs_ > 0 ? matrixDelayMs_ : 0;
    w.pauseAfterMs = matrixDelayMs_ > 0 ? matrixDelayMs_ / 2 : 0;
    writes_.push_back(w);
    return COMM_OK;
}

int RecordingLink::ReadReply() { return COMM_FAILED; }

double RecordingLink::floorSeconds(int baudRate) const
{
    double seconds = 0;
    for (const RecordedWrite& w : writes_) {
        seconds += (w.pauseBeforeMs + w.pauseAfterMs) / 1000.0;
        if (baudRate > 0)
            seconds += 10.0 * static_cast<double>(w.bytes.size()) / baudRate;
    }
    return seconds;
}
