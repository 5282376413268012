// Cuts the processor's serial input into frames: resynchronises on 0xAA 0xBB, checks dest and
// checksum (the block-transfer brackets only in their exact form), and reports every byte it has
// to throw away and why. Bytes outside any frame are passed on as raw bytes, because matrix
// libraries may write plain-text commands on the same line.
#pragma once

#include "tools/tzsim/Frame.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tzsim {

struct DecodedFrame {
    FrameBytes bytes{};
    double startMs = 0;   // arrival of its first byte
    double endMs = 0;     // arrival of its last byte
};

struct StreamEvent {
    enum Kind { kFrame, kRaw, kAnomaly } kind = kFrame;
    DecodedFrame frame;              // kFrame
    std::vector<std::uint8_t> raw;   // kRaw; also the discarded bytes of kAnomaly
    std::string text;                // kAnomaly
    double ms = 0;
};

class FrameDecoder {
public:
    // A frame begun but not finished after this much silence is reported as truncated.
    explicit FrameDecoder(double truncateAfterMs = 30.0) : truncateAfterMs_(truncateAfterMs) {}

    // Bytes that arrived at time nowMs (milliseconds since start). Events are appended to out.
    void feed(const std::uint8_t* data, std::size_t length, double nowMs, std::vector<StreamEvent>& out);
    // Called while the line is quiet: reports a frame that stopped short.
    void idle(double nowMs, std::vector<StreamEvent>& out);
    // Bytes held waiting for the rest of a frame.
    std::size_t pending() const { return buffer_.size(); }

private:
    void scan(double nowMs, std::vector<StreamEvent>& out);
    void emitRaw(std::size_t count, double nowMs, std::vector<StreamEvent>& out);
    void anomaly(std::string text, std::size_t drop, double nowMs, std::vector<StreamEvent>& out);

    double truncateAfterMs_;
    std::vector<std::uint8_t> buffer_;
    double frameStartMs_ = 0;
    double lastByteMs_ = 0;
};

}  // namespace tzsim
