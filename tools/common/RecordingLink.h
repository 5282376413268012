// The device link with a recording for a line: every operation builds its frames exactly as
// TzComm does (it is TzComm's own object), but what would be written is kept in memory, nothing is
// logged and nothing pauses. Matrix switching goes through TzCommFun.dll when the caller loaded
// it (CreateComm does). The pauses the line would take are kept with each write, so the time a
// real line needs can be worked out.
#pragma once

#include "comm/SerialComm.h"

#include <vector>

struct RecordedWrite {
    enum Kind {
        kFrame,
        kMatrixFrame,
        kRaw
    };
    Kind kind = kFrame;
    std::vector<unsigned char> bytes;
    int pauseBeforeMs = 0;  // matrix pieces: the matrix delay before them
    int pauseAfterMs = 0;   // 50 ms after an ordinary frame; half the delay after matrix pieces
};

class RecordingLink : public CSerialComm {
public:
    // matrixDelayMs: the delay the real link would take around matrix pieces.
    explicit RecordingLink(int matrixDelayMs);
    ~RecordingLink() override;
    RecordingLink(const RecordingLink&) = delete;
    RecordingLink& operator=(const RecordingLink&) = delete;

    int SendFrame(const unsigned char* frame) override;
    int SendMatrixFrame(const unsigned char* frame, int pauseMs) override;
    int WriteRaw(const unsigned char* bytes, int length, int pauseMs) override;
    // Nothing answers a recording: a query fails as on a silent line.
    int ReadReply() override;

    const std::vector<RecordedWrite>& writes() const { return writes_; }

    // Seconds a line at baudRate needs at least for the writes: every pause plus the bits on the
    // wire (10 per byte: start, 8 data, stop); 0 baud leaves the wire out.
    double floorSeconds(int baudRate) const;

private:
    std::vector<RecordedWrite> writes_;
    int matrixDelayMs_;
    int savedDelayMs_;
};
