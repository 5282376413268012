// The processor itself: applies each accepted frame to the device state, says what it meant,
// reports what a real processor would silently mis-handle, and answers the queries.
#pragma once

#include "tools/tzsim/DeviceState.h"
#include "tools/tzsim/Frame.h"

#include <map>
#include <string>
#include <vector>

namespace tzsim {

struct Outcome {
    std::string meaning;                  // one line for the trace
    std::vector<std::string> anomalies;
    std::vector<std::uint8_t> reply;      // bytes to answer with, empty for none
};

// Bytes from..to (inclusive) must be the fill: a value there means the sender put an argument
// where this command has none, which is reported as an anomaly.
void expectFill(const FrameBytes& f, int from, int to, Outcome& o);

class Processor {
public:
    explicit Processor(const WallConfig& wall, const DateTime& clockAtStart);

    Outcome applyFrame(const FrameBytes& f, double nowMs);
    // Bytes outside any frame: plain-text matrix commands, or junk.
    Outcome applyRaw(const std::vector<std::uint8_t>& bytes, double nowMs);
    // A text command left without its terminator when the line went quiet.
    Outcome idle();

    const DeviceState& state() const { return state_; }
    const WallConfig& wall() const { return wall_; }
    const std::map<int, std::vector<FrameBytes>>& presets() const { return presets_; }
    int recordingPreset() const { return recording_; }
    // The clock as it reads at nowMs: it runs on from the value last set.
    DateTime clockAt(double nowMs) const;

    bool isPipBoard(int board) const { return board >= 2 && board <= wall_.mpdCount; }
    bool isPanelBoard(int board) const
    {
        return board > wall_.mpdCount && board <= wall_.mpdCount + wall_.panelCount();
    }
    std::string boardName(int board) const;

private:
    Outcome applyDevice(const FrameBytes& f, double nowMs);
    Outcome applyBoard(const FrameBytes& f);
    Outcome applyMatrix(const FrameBytes& f);
    Outcome applyBracket(const FrameBytes& f);
    Outcome applyBlockData(const FrameBytes& f);
    void applyPicture(const FrameBytes& f, Outcome& o);
    void applyPip(const FrameBytes& f, Outcome& o);
    void applyModes(const FrameBytes& f, Outcome& o);
    std::vector<std::uint8_t> answer(int kind, double nowMs) const;
    void recordCrosspoint(const Crosspoint& c, Outcome& o);

    WallConfig wall_;
    DeviceState state_;
    DeviceState factory_;
    std::map<int, std::vector<FrameBytes>> presets_;
    int recording_ = -1;
    int recalling_ = 0;
    int openBlock_ = -1;                 // code of an open block transfer
    std::vector<FrameBytes> blockFrames_;
    std::string text_;                   // a plain-text command being received
};

// BCD byte -> value, or -1 when a nibble is not a decimal digit.
int fromBcd(std::uint8_t b);
std::uint8_t toBcd(int v);

}  // namespace tzsim
