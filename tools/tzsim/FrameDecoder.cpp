#include "tools/tzsim/FrameDecoder.h"

#include <cstdio>

namespace tzsim {

std::string hexBytes(const std::uint8_t* data, std::size_t length)
{
    std::string s;
    char b[4];
    for (std::size_t i = 0; i < length; ++i) {
        std::snprintf(b, sizeof b, i ? " %02X" : "%02X", data[i]);
        s += b;
    }
    return s;
}

FrameBytes makeFrame(std::initializer_list<std::uint8_t> bytes2to10)
{
    FrameBytes f;
    f.fill(kFill);
    f[0] = kMagic1;
    f[1] = kMagic2;
    std::size_t i = 2;
    for (std::uint8_t b : bytes2to10)
        if (i <= 10)
            f[i++] = b;
    f[11] = frameChecksum(f);
    return f;
}

void FrameDecoder::feed(const std::uint8_t* data, std::size_t length, double nowMs,
                        std::vector<StreamEvent>& out)
{
    if (length == 0)
        return;
    if (buffer_.empty() || buffer_[0] != kMagic1)
        frameStartMs_ = nowMs;
    buffer_.insert(buffer_.end(), data, data + length);
    lastByteMs_ = nowMs;
    scan(nowMs, out);
}

void FrameDecoder::idle(double nowMs, std::vector<StreamEvent>& out)
{
    if (buffer_.empty() || nowMs - lastByteMs_ < truncateAfterMs_)
        return;
    if (buffer_.size() >= 2 && buffer_[0] == kMagic1 && buffer_[1] == kMagic2) {
        char text[96];
        std::snprintf(text, sizeof text, "truncated frame: %zu of 12 bytes, then silence",
                      buffer_.size());
        anomaly(text, buffer_.size(), lastByteMs_, out);
    } else {
        emitRaw(buffer_.size(), lastByteMs_, out);   // a lone trailing 0xAA
    }
}

void FrameDecoder::emitRaw(std::size_t count, double nowMs, std::vector<StreamEvent>& out)
{
    StreamEvent e;
    e.kind = StreamEvent::kRaw;
    e.raw.assign(buffer_.begin(), buffer_.begin() + static_cast<long>(count));
    e.ms = nowMs;
    out.push_back(std::move(e));
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(count));
}

void FrameDecoder::anomaly(std::string text, std::size_t drop, double nowMs,
                           std::vector<StreamEvent>& out)
{
    StreamEvent e;
    e.kind = StreamEvent::kAnomaly;
    e.text = std::move(text);
    e.raw.assign(buffer_.begin(), buffer_.begin() + static_cast<long>(drop));
    e.ms = nowMs;
    out.push_back(std::move(e));
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(drop));
}

void FrameDecoder::scan(double nowMs, std::vector<StreamEvent>& out)
{
    for (;;) {
        // Everything before the next 0xAA 0xBB is outside any frame.
        std::size_t start = 0;
        while (start < buffer_.size()) {
            if (buffer_[start] == kMagic1 &&
                (start + 1 == buffer_.size() || buffer_[start + 1] == kMagic2))
                break;
            ++start;
        }
        if (start > 0) {
            emitRaw(start, nowMs, out);
            frameStartMs_ = nowMs;
        }
        if (buffer_.size() < kFrameSize)
            return;

        FrameBytes f;
        std::copy(buffer_.begin(), buffer_.begin() + kFrameSize, f.begin());
        const bool bracketShape = f[2] == kDestDevice && f[3] == 0x09;
        const bool destKnown = f[2] <= kDestBoard;
        const bool valid = bracketShape ? isExactBracket(f) : destKnown && f[11] == frameChecksum(f);
        if (valid) {
            StreamEvent e;
            e.kind = StreamEvent::kFrame;
            e.frame.bytes = f;
            e.frame.startMs = frameStartMs_;
            e.frame.endMs = nowMs;
            e.ms = nowMs;
            out.push_back(e);
            buffer_.erase(buffer_.begin(), buffer_.begin() + kFrameSize);
            frameStartMs_ = nowMs;
            continue;
        }
        // A new frame start inside this one means the first was cut short.
        std::size_t restart = 0;
        for (std::size_t k = 2; k + 1 < kFrameSize; ++k)
            if (f[k] == kMagic1 && f[k + 1] == kMagic2) {
                restart = k;
                break;
            }
        char text[128];
        std::size_t drop = kFrameSize;
        if (restart) {
            std::snprintf(text, sizeof text, "truncated frame: %zu bytes, then a new frame start",
                          restart);
            drop = restart;
        } else if (bracketShape) {
            std::snprintf(text, sizeof text,
                          "malformed block-transfer bracket: needs kind 0/1/2/4, open 1 or close 0 "
                          "and 0x55 in bytes 6..11");
        } else if (!destKnown) {
            std::snprintf(text, sizeof text, "unknown dest 0x%02X", f[2]);
        } else {
            std::snprintf(text, sizeof text, "bad checksum: carries 0x%02X, bytes 2..10 sum to 0x%02X",
                          f[11], frameChecksum(f));
        }
        anomaly(text, drop, nowMs, out);
        frameStartMs_ = nowMs;
    }
}

}  // namespace tzsim
