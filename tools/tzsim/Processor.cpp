#include "tools/tzsim/Processor.h"
#include "tools/tzsim/TextFormat.h"

#include <cstdio>
#include <ctime>

namespace tzsim {

void expectFill(const FrameBytes& f, int from, int to, Outcome& o)
{
    for (int i = from; i <= to; ++i)
        if (f[i] != kFill) {
            o.anomalies.push_back(format("byte %d carries 0x%02X where this command has no argument",
                                         i, f[i]));
            return;
        }
}

namespace {

bool validDate(const DateTime& t, bool withSeconds)
{
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > days[t.month - 1])
        return false;
    return t.hour <= 23 && t.minute <= 59 && (!withSeconds || t.second <= 59);
}

// Reads BCD bytes into the fields given; false when any is not BCD.
bool readBcd(const FrameBytes& f, std::initializer_list<std::pair<int, int*>> fields)
{
    bool ok = true;
    for (const auto& [index, target] : fields) {
        const int v = fromBcd(f[index]);
        if (v < 0)
            ok = false;
        *target = v < 0 ? 0 : v;
    }
    return ok;
}

std::string dateText(const DateTime& t)
{
    return format("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
}

std::vector<std::uint8_t> frameVector(const FrameBytes& f) { return {f.begin(), f.end()}; }

std::uint8_t low(int v) { return static_cast<std::uint8_t>(v & 0xFF); }

}  // namespace

int fromBcd(std::uint8_t b)
{
    if ((b >> 4) > 9 || (b & 0x0F) > 9)
        return -1;
    return (b >> 4) * 10 + (b & 0x0F);
}

std::uint8_t toBcd(int v)
{
    if (v < 0 || v > 99)
        return 0;
    return static_cast<std::uint8_t>((v / 10) * 16 + v % 10);
}

Processor::Processor(const WallConfig& wall, const DateTime& clockAtStart) : wall_(wall)
{
    state_.clock.setTo = clockAtStart;
    factory_ = state_;
}

std::string Processor::boardName(int board) const
{
    if (board == 0)
        return "common";
    if (board == 1)
        return "MPD region";
    if (isPipBoard(board))
        return format("PIP %d", board);
    if (isPanelBoard(board))
        return format("panel %d", board - wall_.mpdCount);
    return format("board %d", board);
}

DateTime Processor::clockAt(double nowMs) const
{
    const DateTime& s = state_.clock.setTo;
    std::tm tm{};
    tm.tm_year = s.year - 1900;
    tm.tm_mon = s.month - 1;
    tm.tm_mday = s.day;
    tm.tm_hour = s.hour;
    tm.tm_min = s.minute;
    tm.tm_sec = s.second;
    std::time_t t = timegm(&tm);
    t += static_cast<std::time_t>((nowMs - state_.clock.setAtMs) / 1000.0);
    std::tm out{};
    gmtime_r(&t, &out);
    return DateTime{out.tm_year + 1900, out.tm_mon + 1, out.tm_mday, out.tm_hour, out.tm_min,
                    out.tm_sec};
}

Outcome Processor::applyFrame(const FrameBytes& f, double nowMs)
{
    if (f[2] == kDestDevice && f[3] == 0x09)
        return applyBracket(f);
    if (openBlock_ >= 0) {
        if (f[2] == kDestBoard && f[3] == 0)
            return applyBlockData(f);
        Outcome o = f[2] == kDestDevice ? applyDevice(f, nowMs)
                  : f[2] == kDestBoard  ? applyBoard(f)
                                        : applyMatrix(f);
        o.anomalies.push_back("frame inside an open block transfer");
        return o;
    }
    const bool presetControl = f[2] == kDestDevice && (f[3] == 0x02 || f[3] == 0x07);
    if (recording_ >= 0 && !presetControl) {
        presets_[recording_].push_back(f);
        Outcome o;
        o.meaning = format("stored in preset %d", recording_);
        return o;
    }
    switch (f[2]) {
    case kDestDevice: return applyDevice(f, nowMs);
    case kDestBoard: return applyBoard(f);
    default: return applyMatrix(f);
    }
}

Outcome Processor::applyDevice(const FrameBytes& f, double nowMs)
{
    Outcome o;
    switch (f[3]) {
    case 0x00:
        if (f[4] > 1)
            o.anomalies.push_back(format("power state %d is neither 0 (on) nor 1 (off)", f[4]));
        else
            state_.powerOn = f[4] == 0;
        o.meaning = format("SetPower %s", f[4] == 0 ? "on" : f[4] == 1 ? "off" : "?");
        expectFill(f, 5, 10, o);
        break;
    case 0x01: {
        const int preset = f[4];
        o.meaning = format("CallPreset %d", preset);
        expectFill(f, 5, 10, o);
        auto it = presets_.find(preset);
        if (it == presets_.end() || it->second.empty()) {
            o.anomalies.push_back(format("preset %d holds nothing", preset));
            break;
        }
        if (recalling_ > 0) {
            o.anomalies.push_back("preset recalled from inside a preset");
            break;
        }
        ++recalling_;
        const std::vector<FrameBytes> frames = it->second;
        for (const FrameBytes& stored : frames) {
            Outcome inner = applyFrame(stored, nowMs);
            for (auto& a : inner.anomalies)
                o.anomalies.push_back("in preset: " + a);
        }
        --recalling_;
        o.meaning += format(" (%zu frames replayed)", frames.size());
        break;
    }
    case 0x02: {
        const int preset = f[4];
        expectFill(f, 6, 10, o);
        if (f[5] == 1) {
            o.meaning = format("RecordPreset %d begin", preset);
            if (recording_ >= 0)
                o.anomalies.push_back(format("preset %d begun while preset %d is being recorded",
                                             preset, recording_));
            recording_ = preset;
            presets_[preset].clear();
        } else if (f[5] == 0) {
            o.meaning = format("RecordPreset %d end", preset);
            if (recording_ < 0)
                o.anomalies.push_back("preset recording ended that was never begun");
            else if (recording_ != preset)
                o.anomalies.push_back(format("preset %d ended while preset %d is being recorded",
                                             preset, recording_));
            else
                o.meaning += format(" (%zu frames stored)", presets_[preset].size());
            recording_ = -1;
        } else {
            o.meaning = format("RecordPreset %d ?", preset);
            o.anomalies.push_back(format("preset bracket flag %d is neither 1 nor 0", f[5]));
        }
        break;
    }
    case 0x03:
        o.meaning = "EnterUpgradeMode";
        if (f[4] != 0x11 || f[5] != 0x22)
            o.anomalies.push_back("upgrade request without its 11 22 key");
        else
            state_.upgradeMode = true;
        expectFill(f, 6, 10, o);
        break;
    case 0x04: {
        DateTime t;
        int y = 0;
        const bool bcd = readBcd(f, {{5, &t.second}, {6, &t.minute}, {7, &t.hour}, {8, &t.day},
                                     {9, &t.month}, {10, &y}});
        t.year = 2000 + y;
        o.meaning = format("SetClock flag %d %s", f[4], dateText(t).c_str());
        if (f[4] == 0) {
            state_.clock.valid = false;
        } else if (!bcd || !validDate(t, true)) {
            o.anomalies.push_back("clock set to a value that is not a BCD date and time");
        } else {
            state_.clock.valid = true;
            state_.clock.setTo = t;
            state_.clock.setAtMs = nowMs;
        }
        break;
    }
    case 0x05:
    case 0x06: {
        PowerTimer& timer = f[3] == 0x05 ? state_.powerOffTimer : state_.powerOnTimer;
        DateTime t;
        int y = 0;
        const bool bcd = readBcd(f, {{6, &t.minute}, {7, &t.hour}, {8, &t.day}, {9, &t.month},
                                     {10, &y}});
        t.year = 2000 + y;
        t.second = 0;
        o.meaning = format("%s flag %d %04d-%02d-%02d %02d:%02d",
                           f[3] == 0x05 ? "SetPowerOffTimer" : "SetPowerOnTimer", f[4], t.year,
                           t.month, t.day, t.hour, t.minute);
        expectFill(f, 5, 5, o);
        if (f[4] == 0) {
            timer.enabled = false;
        } else if (!bcd || !validDate(t, false)) {
            o.anomalies.push_back("timer set to a value that is not a BCD date and time");
        } else {
            timer.enabled = true;
            timer.at = t;
        }
        break;
    }
    case 0x07: {
        static const char* const names[] = {"ReadClock", "ReadPowerOffTimer", "ReadPowerOnTimer",
                                            "ReadStatusByte", "Transfer 4", "Transfer 5",
                                            "Transfer 6", "Transfer 7", "Transfer 8"};
        const int kind = f[4];
        expectFill(f, 5, 10, o);
        if (kind > 8) {
            o.meaning = format("query %d", kind);
            o.anomalies.push_back(format("unknown query kind %d", kind));
            break;
        }
        o.meaning = format("%s query", names[kind]);
        o.reply = answer(kind, nowMs);
        break;
    }
    default:
        o.meaning = format("device event 0x%02X", f[3]);
        o.anomalies.push_back(format("unknown device event 0x%02X", f[3]));
    }
    return o;
}

std::vector<std::uint8_t> Processor::answer(int kind, double nowMs) const
{
    const DeviceState& s = state_;
    const auto timerReply = [](const PowerTimer& t) {
        if (!t.enabled)
            return makeFrame({0x00, 0x07, 0x00, 0x55, 0, 0, 0, 0, 0});
        return makeFrame({0x00, 0x07, 0x01, 0x55, toBcd(t.at.minute), toBcd(t.at.hour),
                          toBcd(t.at.day), toBcd(t.at.month), toBcd(t.at.year - 2000)});
    };
    switch (kind) {
    case 0: {
        if (!s.clock.valid)
            return frameVector(makeFrame({0x00, 0x07, 0x00, 0, 0, 0, 0, 0, 0}));
        const DateTime t = clockAt(nowMs);
        return frameVector(makeFrame({0x00, 0x07, 0x01, toBcd(t.second), toBcd(t.minute),
                                      toBcd(t.hour), toBcd(t.day), toBcd(t.month),
                                      toBcd(t.year - 2000)}));
    }
    case 1: return frameVector(timerReply(s.powerOffTimer));
    case 2: return frameVector(timerReply(s.powerOnTimer));
    case 3: {
        const int status = (s.powerOn ? 1 : 0) | (recording_ >= 0 ? 2 : 0) |
                           (s.upgradeMode ? 4 : 0) | (s.clock.valid ? 8 : 0) |
                           (s.powerOffTimer.enabled ? 16 : 0) | (s.powerOnTimer.enabled ? 32 : 0);
        return frameVector(makeFrame({0x00, 0x07, low(status)}));
    }
    case 4:
        return frameVector(makeFrame({0x00, 0x07, 0x04, 'T', 'Z', 0x01, low(wall_.columns),
                                      low(wall_.rows), low(wall_.mpdCount)}));
    case 5:
        return frameVector(makeFrame({0x00, 0x07, 0x05, low(s.resolution), low(s.naturalScene),
                                      low(s.hdBaseImage), low(s.startupImage), low(s.edgeMask),
                                      low(s.powerOn ? 1 : 0)}));
    case 6:
        return frameVector(makeFrame({0x00, 0x07, 0x06, low(s.powerUp.drv), low(s.powerUp.mpd),
                                      low(s.powerUp.subtitle)}));
    case 7: {
        int pipsOn = 0;
        for (const auto& [n, pip] : s.pips)
            pipsOn += pip.on ? 1 : 0;
        int stored = 0;
        for (const auto& [n, frames] : presets_)
            stored += frames.empty() ? 0 : 1;
        return frameVector(makeFrame({0x00, 0x07, 0x07, low(stored), low(pipsOn),
                                      low(static_cast<int>(s.boards.size()))}));
    }
    default: {
        // Kind 8: the shield-edge block read back as three frames of four values each.
        std::vector<std::uint8_t> out;
        const auto& e = s.powerUp.shieldEdge;
        for (int part = 0; part < 3; ++part) {
            const int b = part * 4;
            const FrameBytes f = makeFrame({0x00, 0x07, 0x08, low(0x11 + part), low(e[b]),
                                            low(e[b + 1]), low(e[b + 2]), low(e[b + 3])});
            out.insert(out.end(), f.begin(), f.end());
        }
        return out;
    }
    }
}

Outcome Processor::applyBracket(const FrameBytes& f)
{
    static const char* const names[] = {"DRV", "MPD", "Subtitle", "?", "ShieldEdge"};
    Outcome o;
    const int code = f[4];
    const bool open = f[5] == 1;
    o.meaning = format("Transfer %s block %s", names[code], open ? "open" : "close");
    if (open) {
        if (openBlock_ >= 0)
            o.anomalies.push_back("block transfer opened while another is open");
        openBlock_ = code;
        blockFrames_.clear();
        return o;
    }
    if (openBlock_ < 0) {
        o.anomalies.push_back("block transfer closed that was never opened");
        return o;
    }
    if (openBlock_ != code) {
        o.anomalies.push_back(format("block %s closed while block %s is open", names[code],
                                     names[openBlock_]));
        openBlock_ = -1;
        return o;
    }
    openBlock_ = -1;
    const std::size_t expected = code == 4 ? 3 : 1;
    if (blockFrames_.size() != expected) {
        o.anomalies.push_back(format("block carried %zu data frames, expected %zu",
                                     blockFrames_.size(), expected));
        return o;
    }
    PowerUpBlocks& p = state_.powerUp;
    if (code == 4) {
        for (int part = 0; part < 3; ++part)
            for (int i = 0; i < 4; ++i)
                p.shieldEdge[part * 4 + i] = blockFrames_[part][5 + i];
    } else {
        const int value = blockFrames_[0][4];
        (code == 0 ? p.drv : code == 1 ? p.mpd : p.subtitle) = value;
        if (code == 1 && value != 1 && value != 7)
            o.anomalies.push_back(format("MPD block value %d is neither 1 nor 7", value));
    }
    o.meaning += " (stored)";
    return o;
}

Outcome Processor::applyBlockData(const FrameBytes& f)
{
    Outcome o;
    const std::size_t index = blockFrames_.size();
    if (openBlock_ == 4) {
        o.meaning = format("ShieldEdge block data %zu", index + 1);
        if (index >= 3 || f[4] != 0x11 + index || f[9] != 0x00 || f[10] != kFill)
            o.anomalies.push_back("ShieldEdge block data out of order or malformed");
    } else {
        o.meaning = format("block data %d", f[4]);
        expectFill(f, 5, 10, o);
        if (index >= 1)
            o.anomalies.push_back("more than one data frame in a one-value block");
    }
    if (o.anomalies.empty())
        blockFrames_.push_back(f);
    return o;
}

Outcome Processor::applyMatrix(const FrameBytes& f)
{
    Outcome o;
    std::string why;
    const auto c = decodeMatrixData(&f[3], why);
    if (!c) {
        o.meaning = "matrix frame";
        o.anomalies.push_back(why);
        return o;
    }
    recordCrosspoint(*c, o);
    return o;
}

void Processor::recordCrosspoint(const Crosspoint& c, Outcome& o)
{
    o.meaning = format("matrix %s address %d%s: output %d <- input %d", c.protocol.c_str(),
                       c.address, c.kind >= 0 ? format(" kind %d", c.kind).c_str() : "",
                       c.output, c.input);
    const std::string key = format("%s/%d/%d/%d", c.protocol.c_str(), c.address, c.kind, c.output);
    state_.crosspoints[key] = c;
}

Outcome Processor::applyRaw(const std::vector<std::uint8_t>& bytes, double)
{
    Outcome o;
    std::string junk;
    for (std::uint8_t b : bytes) {
        if (b < 0x20 || b > 0x7E) {
            junk += format(junk.empty() ? "%02X" : " %02X", b);
            text_.clear();
            continue;
        }
        text_ += static_cast<char>(b);
        if (b != kTextTerminator)
            continue;
        std::string why;
        const auto c = decodeTextCommand(text_, why);
        if (c) {
            Outcome one;
            recordCrosspoint(*c, one);
            o.meaning += (o.meaning.empty() ? "" : "; ") + one.meaning;
        } else {
            o.anomalies.push_back(why + ": \"" + text_ + "\"");
        }
        text_.clear();
    }
    if (!junk.empty())
        o.anomalies.push_back("bytes outside any frame: " + junk);
    if (o.meaning.empty())
        o.meaning = text_.empty() ? "bytes outside any frame" : "text \"" + text_ + "\" so far";
    return o;
}

Outcome Processor::idle()
{
    Outcome o;
    if (!text_.empty()) {
        o.meaning = "text";
        o.anomalies.push_back("text without its terminator: \"" + text_ + "\"");
        text_.clear();
    }
    return o;
}

}  // namespace tzsim
