#include "tools/tzsim/Session.h"

#include <cstdio>
#include <cstdlib>

namespace tzsim {

std::optional<FailureMode> FailureMode::parse(const std::string& text)
{
    FailureMode m;
    if (text == "none") m.kind = kNone;
    else if (text == "noreply") m.kind = kNoReply;
    else if (text == "garbage") m.kind = kGarbage;
    else if (text == "short") m.kind = kShort;
    else if (text == "vanish") m.kind = kVanish;
    else if (text.rfind("late:", 0) == 0 && text.size() > 5) {
        char* end = nullptr;
        const long ms = std::strtol(text.c_str() + 5, &end, 10);
        if (*end || ms < 0 || ms > 600000)
            return std::nullopt;
        m.kind = kLate;
        m.lateMs = static_cast<int>(ms);
    } else {
        return std::nullopt;
    }
    return m;
}

std::string FailureMode::name() const
{
    switch (kind) {
    case kNoReply: return "noreply";
    case kLate: return "late:" + std::to_string(lateMs);
    case kGarbage: return "garbage";
    case kShort: return "short";
    case kVanish: return "vanish";
    default: return "none";
    }
}

Session::Session(const WallConfig& wall, const DateTime& clockAtStart, double paceToleranceMs)
    : processor_(wall, clockAtStart), paceToleranceMs_(paceToleranceMs)
{
}

void Session::setFailure(const FailureMode& mode)
{
    failure_ = mode;
}

void Session::feed(const std::uint8_t* data, std::size_t length, double nowMs)
{
    if (vanished_)
        return;
    std::vector<StreamEvent> events;
    decoder_.feed(data, length, nowMs, events);
    for (const StreamEvent& e : events)
        handle(e);
}

void Session::idle(double nowMs)
{
    std::vector<StreamEvent> events;
    decoder_.idle(nowMs, events);
    for (const StreamEvent& e : events)
        handle(e);
    if (decoder_.pending() == 0) {
        Outcome o = processor_.idle();
        if (!o.anomalies.empty())
            report(nowMs, o.anomalies);
    }
}

std::vector<std::string> Session::takeTrace()
{
    std::vector<std::string> out;
    out.swap(trace_);
    return out;
}

std::vector<Reply> Session::takeReplies()
{
    std::vector<Reply> out;
    out.swap(replies_);
    return out;
}

void Session::trace(double ms, const std::string& text)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%10.1f ", ms);
    trace_.push_back(stamp + text);
}

void Session::report(double ms, const std::vector<std::string>& anomalies)
{
    for (const std::string& a : anomalies) {
        trace(ms, "! " + a);
        ++anomalies_;
    }
}

void Session::checkPace(double startMs)
{
    if (pacedUntilMs_ < 0)
        return;
    const double gap = startMs - pacedUntilMs_;
    if (gap < kPauseMs - paceToleranceMs_) {
        char text[128];
        std::snprintf(text, sizeof text,
                      "arrived %.1f ms after the previous frame; the link promises %.0f ms", gap,
                      kPauseMs);
        report(startMs, {text});
    }
}

void Session::handle(const StreamEvent& e)
{
    changed_ = true;
    switch (e.kind) {
    case StreamEvent::kAnomaly:
        trace(e.ms, "! " + e.text + " [" + hexBytes(e.raw.data(), e.raw.size()) + "]");
        ++anomalies_;
        pacedUntilMs_ = -1;
        return;
    case StreamEvent::kRaw: {
        checkPace(e.ms);
        pacedUntilMs_ = -1;
        const Outcome o = processor_.applyRaw(e.raw, e.ms);
        trace(e.ms, "raw " + hexBytes(e.raw.data(), e.raw.size()) + "  " + o.meaning);
        report(e.ms, o.anomalies);
        return;
    }
    case StreamEvent::kFrame:
        break;
    }
    const FrameBytes& f = e.frame.bytes;
    ++frames_;
    checkPace(e.frame.startMs);
    pacedUntilMs_ = f[2] == kDestMatrix ? -1 : e.frame.endMs;
    if (failure_.kind == FailureMode::kVanish) {
        trace(e.ms, hexBytes(f) + "  received; the line vanishes");
        vanished_ = true;
        return;
    }
    const Outcome o = processor_.applyFrame(f, e.frame.endMs);
    trace(e.ms, hexBytes(f) + "  " + o.meaning);
    report(e.ms, o.anomalies);
    if (!o.reply.empty())
        reply(e.ms, o.reply);
}

void Session::reply(double ms, std::vector<std::uint8_t> bytes)
{
    Reply r;
    r.atMs = ms;
    switch (failure_.kind) {
    case FailureMode::kNoReply:
        trace(ms, "> (no reply, as asked)");
        return;
    case FailureMode::kLate:
        r.atMs = ms + failure_.lateMs;
        break;
    case FailureMode::kGarbage:
        // Same length, but nothing a reader could take for a frame.
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(0x3C + 7 * i);
        break;
    case FailureMode::kShort:
        bytes.resize(5);
        break;
    default:
        break;
    }
    r.bytes = bytes;
    trace(ms, "> " + hexBytes(bytes.data(), bytes.size()) +
                  (failure_.kind == FailureMode::kNone ? "" : "  (" + failure_.name() + ")"));
    replies_.push_back(std::move(r));
}

}  // namespace tzsim
