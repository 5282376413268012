#include "tools/common/FrameMeaning.h"

#include "comm/CommandFrame.h"

#include <cstdio>

namespace {

// Board events: name and how many parameter bytes (from byte 5 on) the operation fills. The
// bytes after them must keep the fill. Event 0x0F, 0x16 and 0x19 are several operations and are
// read apart below.
struct BoardEvent {
    int event;
    const char* name;
    int params;
};

const BoardEvent kBoardEvents[] = {
    {0x00, "NewScene", 0},        {0x01, "AutoPosition", 0},    {0x02, "SetResolution", 1},
    {0x03, "SetBrightness", 2},   {0x04, "SetContrast", 2},     {0x05, "SetSaturation", 2},
    {0x06, "ResetPicture", 1},    {0x07, "BoardEvent07", 0},    {0x08, "SelectInput", 1},
    {0x09, "SelectPipInput", 1},  {0x0A, "SetLayout", 3},       {0x0B, "BoardEvent0B", 2},
    {0x0C, "BoardEvent0C", 2},    {0x0D, "SetColorBalance", 3}, {0x0E, "SetPip", 5},
    {0x10, "FactorySettings", 1}, {0x11, "SetPanelSize", 5},    {0x12, "SetPanelSize", 5},
    {0x13, "SetPanelSize", 5},    {0x15, "BoardEvent15", 2},    {0x17, "BoardEvent17", 3},
    {0x18, "BoardEvent18", 6},    {0x1C, "BoardEvent1C", 1},    {0xFF, "SetEdgeMask", 5},
};

const char* const kQueryNames[] = {"ReadClock", "ReadPowerOffTimer", "ReadPowerOnTimer",
                                   "ReadStatusByte"};

std::string format(const char* fmt, int a, int b = 0, int c = 0)
{
    char text[160];
    std::snprintf(text, sizeof text, fmt, a, b, c);
    return text;
}

bool isFill(const unsigned char* f, int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (f[i] != FRAME_FILL)
            return false;
    return true;
}

// Bytes from..to must be the fill: the operation has no argument there.
void expectFill(const unsigned char* f, int from, int to, FrameMeaning& m)
{
    for (int i = from; i <= to; ++i)
        if (f[i] != FRAME_FILL)
            m.problems.push_back(
                format("byte %d carries 0x%02X where the operation has no argument", i, f[i]));
}

void takeBytes(const unsigned char* f, int from, int count, FrameMeaning& m)
{
    for (int i = 0; i < count; ++i)
        m.args.push_back(f[from + i]);
}

// A BCD byte as its number; a nibble above 9 is reported.
void takeBcd(const unsigned char* f, int at, FrameMeaning& m)
{
    if ((f[at] >> 4) > 9 || (f[at] & 0x0F) > 9)
        m.problems.push_back(format("byte %d (0x%02X) is not a BCD number", at, f[at]));
    m.args.push_back(FromBcd(f[at]));
}

void checkSum(const unsigned char* f, FrameMeaning& m)
{
    const unsigned char sum = FrameChecksum(f);
    if (f[11] != sum)
        m.problems.push_back(format("checksum 0x%02X; bytes 2..10 sum to 0x%02X", f[11], sum));
}

// The Transfer kind of a block code (byte 4 of a bracket), -1 for none.
int kindOfBlock(int code)
{
    switch (code) {
    case 0: return 10;
    case 1: return 11;
    case 2: return 12;
    case 4: return 13;
    default: return -1;
    }
}

}  // namespace

std::string hexText(const unsigned char* bytes, std::size_t n)
{
    std::string text;
    char part[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(part, sizeof part, i ? " %02X" : "%02X", bytes[i]);
        text += part;
    }
    return text;
}

std::string FrameMeaning::text() const
{
    std::string t = operation;
    if (kind == kBlockData || kind == kReply || kind == kMatrix) {
        if (kind == kBlockData)
            t += "(" + std::to_string(args.empty() ? 0 : args[0]) + ")";
        t += " " + detail + ":";
        for (std::size_t i = kind == kBlockData ? 1 : 0; i < args.size(); ++i)
            t += " " + std::to_string(args[i]);
        return t;
    }
    t += "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        t += (i ? "," : "") + std::to_string(args[i]);
    t += ")";
    if (!detail.empty())
        t += " " + detail;
    return t;
}

const char* FrameMeaning::destName() const
{
    switch (kind) {
    case kDevice:
    case kBracket:
    case kReply: return "device";
    case kBoard:
    case kBlockData: return "board";
    case kMatrix: return "matrix";
    default: return "?";
    }
}

FrameMeaning FrameInterpreter::next(const unsigned char* f)
{
    const int query = pendingQuery_;
    pendingQuery_ = -1;
    FrameMeaning m;
    if (f[2] == FRAME_DEST_DEVICE && f[3] == 0x07 && query >= 0 &&
        !(f[4] == query && isFill(f, 5, 10) && f[11] == FrameChecksum(f))) {
        // Replies are taken as they come: nothing in them is the device's promise.
        return reply(f, query);
    } else if (f[2] == FRAME_DEST_DEVICE && f[3] == 0x09) {
        m = bracket(f);
    } else if (f[2] == FRAME_DEST_DEVICE) {
        m = device(f);
    } else if (f[2] == FRAME_DEST_BOARD && openBlock_ >= 0 && f[3] == 0) {
        m = blockData(f);
    } else if (f[2] == FRAME_DEST_BOARD) {
        m = board(f);
    } else if (f[2] == FRAME_DEST_MATRIX) {
        m.kind = FrameMeaning::kMatrix;
        m.operation = "MatrixSwitch";
        m.detail = "frame";
        takeBytes(f, 3, 8, m);
        checkSum(f, m);
    } else {
        m.operation = "?";
        m.problems.push_back(
            format("byte 2 (%d) is no frame class (0 device, 1 matrix, 2 board)", f[2]));
    }
    if (f[0] != FRAME_MAGIC1 || f[1] != FRAME_MAGIC2)
        m.problems.push_back(format("magic %02X %02X, not AA BB", f[0], f[1]));
    if (m.kind != FrameMeaning::kBlockData && m.kind != FrameMeaning::kBracket && openBlock_ >= 0 &&
        m.kind != FrameMeaning::kUnknown) {
        // The link logs a frame before writing it, so a block whose line failed shows its opening
        // and never its closing bracket. Said once, here; the frames after it are read as what
        // they are instead of each being blamed on a block that is long over.
        m.problems.push_back(format("inside the open block of Transfer(%d), which takes only "
                                    "board 0 data: its closing bracket never came",
                                    openBlock_));
        openBlock_ = -1;
    }
    return m;
}

FrameMeaning FrameInterpreter::device(const unsigned char* f)
{
    FrameMeaning m;
    m.kind = FrameMeaning::kDevice;
    checkSum(f, m);
    const int event = f[3];
    switch (event) {
    case 0x00:
    case 0x01:
        m.operation = event == 0 ? "SetPower" : "CallPreset";
        takeBytes(f, 4, 1, m);
        expectFill(f, 5, 10, m);
        break;
    case 0x02:
        m.operation = "RecordPreset";
        takeBytes(f, 4, 2, m);
        expectFill(f, 6, 10, m);
        break;
    case 0x03:
        m.operation = "EnterUpgradeMode";
        if (f[4] != 0x11 || f[5] != 0x22)
            m.problems.push_back(format("upgrade key %02X %02X, not 11 22", f[4], f[5]));
        expectFill(f, 6, 10, m);
        break;
    case 0x04:
        m.operation = "SetClock";
        takeBytes(f, 4, 1, m);
        for (int at = 5; at <= 10; ++at)
            takeBcd(f, at, m);
        break;
    case 0x05:
    case 0x06:
        m.operation = event == 5 ? "SetPowerOffTimer" : "SetPowerOnTimer";
        takeBytes(f, 4, 1, m);
        expectFill(f, 5, 5, m);
        for (int at = 6; at <= 10; ++at)
            takeBcd(f, at, m);
        break;
    case 0x07:
        expectFill(f, 5, 10, m);
        if (f[4] <= 3) {
            m.operation = kQueryNames[f[4]];
            pendingQuery_ = f[4];
        } else {
            m.operation = "Transfer";
            m.args.push_back(f[4]);
            m.detail = "query";
            if (f[4] > 8)
                m.problems.push_back(format("query %d is none of 0..8", f[4]));
        }
        break;
    default:
        m.operation = "?";
        m.args.push_back(event);
        m.problems.push_back(format("device event 0x%02X is no operation", event));
        break;
    }
    return m;
}

FrameMeaning FrameInterpreter::board(const unsigned char* f)
{
    FrameMeaning m;
    m.kind = FrameMeaning::kBoard;
    m.board = f[3];
    checkSum(f, m);
    const int event = f[4];
    int params = -1;
    for (const BoardEvent& e : kBoardEvents) {
        if (e.event == event) {
            m.operation = e.name;
            params = e.params;
        }
    }
    if (event == 0x0F) {
        if (f[5] == 0x02) {
            m.operation = "SetMenu";
            m.args = {f[3], f[6]};
            expectFill(f, 7, 10, m);
        } else if (f[5] == 0x05 || f[5] == 0x06) {
            m.operation = "SetBoardMode";
            m.args = {f[3], f[5], f[6]};
            expectFill(f, 7, 10, m);
        } else {
            m.operation = "SetStartupImage";
            m.args = {f[5]};
            if (f[3] != 0)
                m.problems.push_back(format("the startup image goes to board 0, not %d", f[3]));
            expectFill(f, 6, 10, m);
        }
        return m;
    }
    if (event == 0x16) {  // three overloads: 3, 5 or 6 arguments
        m.operation = "BoardEvent16";
        params = isFill(f, 8, 10) ? 3 : isFill(f, 10, 10) ? 5 : 6;
    }
    if (event == 0x19 && !isFill(f, 7, 10) && isFill(f, 6, 8)) {
        // The overload that drops its 2nd to 4th arguments.
        m.operation = "BoardEvent19";
        m.args = {f[3], f[5], f[9], f[10]};
        m.detail = "(a3..a5 dropped)";
        return m;
    }
    if (event == 0x19) {
        m.operation = "BoardEvent19";
        params = isFill(f, 7, 10) ? 2 : 6;
    }
    if (params < 0) {
        m.operation = "?";
        m.args = {f[3], event};
        m.problems.push_back(format("board event 0x%02X is no operation", event));
        return m;
    }
    m.args.push_back(f[3]);
    takeBytes(f, 5, params, m);
    expectFill(f, 5 + params, 10, m);
    return m;
}

FrameMeaning FrameInterpreter::bracket(const unsigned char* f)
{
    FrameMeaning m;
    m.kind = FrameMeaning::kBracket;
    m.operation = "Transfer";
    const int kind = kindOfBlock(f[4]);
    m.args.push_back(kind);
    const bool open = f[5] == 1;
    m.detail = open ? "open" : f[5] == 0 ? "close" : "bracket";
    if (kind < 0)
        m.problems.push_back(format("block code %d is none of 0, 1, 2, 4", f[4]));
    if (f[5] > 1)
        m.problems.push_back(format("bracket byte 5 is %d, neither 1 (open) nor 0 (close)", f[5]));
    for (int at = 6; at <= 11; ++at)
        if (f[at] != FRAME_FILL)
            m.problems.push_back(
                format("bracket byte %d is 0x%02X; bytes 6..11 are the fill", at, f[at]));
    if (open) {
        if (openBlock_ >= 0)
            m.problems.push_back(format("opens a block while Transfer(%d)'s is open", openBlock_));
        openBlock_ = kind;
        blockPart_ = 0;
    } else if (f[5] == 0) {
        if (openBlock_ != kind)
            m.problems.push_back(openBlock_ < 0 ? std::string("closes a block that is not open")
                                                : format("closes Transfer(%d)'s block while "
                                                         "Transfer(%d)'s is open",
                                                         kind, openBlock_));
        else if (blockPart_ != (kind == 13 ? 3 : 1))
            m.problems.push_back(
                format("the block had %d data frames, not %d", blockPart_, kind == 13 ? 3 : 1));
        openBlock_ = -1;
    }
    return m;
}

FrameMeaning FrameInterpreter::blockData(const unsigned char* f)
{
    FrameMeaning m;
    m.kind = FrameMeaning::kBlockData;
    m.board = 0;
    m.operation = "Transfer";
    m.args.push_back(openBlock_);
    checkSum(f, m);
    ++blockPart_;
    if (openBlock_ == 13) {
        m.detail = format("data %d", blockPart_);
        if (f[4] != 0x10 + blockPart_)
            m.problems.push_back(format("data frame %d carries event 0x%02X, not 0x%02X",
                                        blockPart_, f[4], 0x10 + blockPart_));
        takeBytes(f, 5, 4, m);
        if (f[9] != 0)
            m.problems.push_back(format("byte 9 is 0x%02X, not 00", f[9]));
        expectFill(f, 10, 10, m);
    } else {
        m.detail = "data";
        takeBytes(f, 4, 1, m);
        expectFill(f, 5, 10, m);
    }
    if (blockPart_ > (openBlock_ == 13 ? 3 : 1))
        m.problems.push_back("one data frame more than the block takes");
    return m;
}

FrameMeaning FrameInterpreter::reply(const unsigned char* f, int query)
{
    FrameMeaning m;
    m.kind = FrameMeaning::kReply;
    m.operation = kQueryNames[query];
    m.detail = "reply";
    m.args.push_back(f[4]);
    // The clock: flag, then second .. year; a timer: flag, byte 5 skipped, minute .. year.
    if (query <= 2) {
        for (int at = query == 0 ? 5 : 6; at <= 10; ++at)
            takeBcd(f, at, m);
    }
    return m;
}
