// One run of the simulator between the line and the processor: decodes what arrives, checks the
// 50 ms pacing the link promises, applies frames, writes the trace and decides what goes back on
// the line -- including the misbehaviour a test asks for. Free of I/O, so it can be fed bytes.
#pragma once

#include "tools/tzsim/FrameDecoder.h"
#include "tools/tzsim/Processor.h"

#include <optional>
#include <string>
#include <vector>

namespace tzsim {

struct FailureMode {
    enum Kind { kNone, kNoReply, kLate, kGarbage, kShort, kVanish } kind = kNone;
    int lateMs = 0;
    // "none", "noreply", "late:MS", "garbage", "short", "vanish".
    static std::optional<FailureMode> parse(const std::string& text);
    std::string name() const;
};

struct Reply {
    double atMs = 0;                 // when to write it
    std::vector<std::uint8_t> bytes;
};

class Session {
public:
    static constexpr double kPauseMs = 50.0;   // the link's pause after every ordinary frame

    Session(const WallConfig& wall, const DateTime& clockAtStart, double paceToleranceMs = 5.0);

    void setFailure(const FailureMode& mode);
    const FailureMode& failure() const { return failure_; }

    void feed(const std::uint8_t* data, std::size_t length, double nowMs);
    void idle(double nowMs);

    // Trace lines since the last call, each "<ms> <what>" without a line end.
    std::vector<std::string> takeTrace();
    std::vector<Reply> takeReplies();
    bool vanished() const { return vanished_; }
    bool changed() { bool c = changed_; changed_ = false; return c; }

    std::size_t frameCount() const { return frames_; }
    std::size_t anomalyCount() const { return anomalies_; }
    const Processor& processor() const { return processor_; }

private:
    void handle(const StreamEvent& e);
    void checkPace(double startMs);
    void trace(double ms, const std::string& text);
    void report(double ms, const std::vector<std::string>& anomalies);
    void reply(double ms, std::vector<std::uint8_t> bytes);

    FrameDecoder decoder_;
    Processor processor_;
    double paceToleranceMs_;
    FailureMode failure_;
    double pacedUntilMs_ = -1;    // end of the last frame that promises a pause, -1 none
    std::vector<std::string> trace_;
    std::vector<Reply> replies_;
    bool vanished_ = false;
    bool changed_ = true;
    std::size_t frames_ = 0;
    std::size_t anomalies_ = 0;
};

}  // namespace tzsim
