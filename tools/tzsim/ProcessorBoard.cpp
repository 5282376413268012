// Board frames (dest 2): what each event does to the boards, the MPD region and its PIP windows.
#include "tools/tzsim/Processor.h"
#include "tools/tzsim/TextFormat.h"

#include <cstdio>

namespace tzsim {

namespace {

int word(const FrameBytes& f, int at) { return f[at] * 256 + f[at + 1]; }

// Events the processor accepts without giving them a meaning here.
bool unusedEvent(int event)
{
    switch (event) {
    case 0x07: case 0x0B: case 0x0C: case 0x15: case 0x16: case 0x17: case 0x18: case 0x19:
    case 0x1C:
        return true;
    default:
        return false;
    }
}

// Input types a board takes: the sources 0..6, and 12 for "no input", which leaves the board
// without a source.
const int kNoInput = 12;

bool knownInput(int type) { return type <= 6 || type == kNoInput; }

int sourceOf(int type) { return type == kNoInput ? -1 : type; }

}  // namespace

Outcome Processor::applyBoard(const FrameBytes& f)
{
    Outcome o;
    const int board = f[3];
    const int event = f[4];
    const std::string name = boardName(board);
    if (board > wall_.mpdCount + wall_.panelCount()) {
        o.meaning = format("board %d event 0x%02X", board, event);
        o.anomalies.push_back(format("board %d does not exist (MPD count %d, %d panels)", board,
                                     wall_.mpdCount, wall_.panelCount()));
        return o;
    }
    switch (event) {
    case 0x00:
        o.meaning = format("NewScene %s", name.c_str());
        expectFill(f, 5, 10, o);
        if (board == 0) {
            state_.boards.clear();
            state_.pips.clear();
        } else {
            state_.boards.erase(board);
            state_.pips.erase(board);
        }
        break;
    case 0x01:
        o.meaning = format("AutoPosition %s", name.c_str());
        expectFill(f, 5, 10, o);
        ++state_.boards[board].autoPositions;
        break;
    case 0x02:
        o.meaning = format("SetResolution %d", f[5]);
        expectFill(f, 6, 10, o);
        if (board != 0)
            o.anomalies.push_back("resolution sent to a board other than 0");
        else if (f[5] > 7)
            o.anomalies.push_back(format("resolution index %d is not in the table", f[5]));
        else
            state_.resolution = f[5];
        break;
    case 0x03: case 0x04: case 0x05: case 0x06:
        applyPicture(f, o);
        break;
    case 0x08:
        o.meaning = format("SelectInput %s type %d", name.c_str(), f[5]);
        expectFill(f, 6, 10, o);
        if (!knownInput(f[5]))
            o.anomalies.push_back(format("input type %d is not 0..6 or 12 (none)", f[5]));
        else
            state_.boards[board].input = sourceOf(f[5]);
        break;
    case 0x09:
        o.meaning = format("SelectPipInput %s type %d", name.c_str(), f[5]);
        expectFill(f, 6, 10, o);
        if (!isPipBoard(board))
            o.anomalies.push_back(format("PIP input for %s, which is not a PIP window", name.c_str()));
        else if (!knownInput(f[5]))
            o.anomalies.push_back(format("input type %d is not 0..6 or 12 (none)", f[5]));
        else
            state_.pips[board].input = sourceOf(f[5]);
        break;
    case 0x0A: {
        o.meaning = format("SetLayout %s %dx%d order %d", name.c_str(), f[5], f[6], f[7]);
        expectFill(f, 8, 10, o);
        if (f[5] < 1 || f[6] < 1 || f[7] < 1 || f[7] > f[5] * f[6]) {
            o.anomalies.push_back("layout needs columns and rows of at least 1 and an order within them");
        } else if (board != 0) {
            Board& b = state_.boards[board];
            b.columns = f[5];
            b.rows = f[6];
            b.order = f[7];
        }
        break;
    }
    case 0x0D: {
        o.meaning = format("SetColorBalance %s %d %d %d", name.c_str(), f[5], f[6], f[7]);
        expectFill(f, 8, 10, o);
        Picture& p = isPipBoard(board) ? state_.pips[board].picture : state_.boards[board].picture;
        p.colorBalance = {{f[5], f[6], f[7]}};
        break;
    }
    case 0x0E:
        applyPip(f, o);
        break;
    case 0x0F:
        applyModes(f, o);
        break;
    case 0x10:
        o.meaning = format("FactorySettings %s", f[5] == 0 ? "restore" : f[5] == 1 ? "save" : "?");
        expectFill(f, 6, 10, o);
        if (f[5] == 1) {
            factory_ = state_;
            ++state_.factorySaves;
        } else if (f[5] == 0) {
            const int saves = state_.factorySaves, restores = state_.factoryRestores + 1;
            const Clock clock = state_.clock;
            state_ = factory_;
            state_.clock = clock;
            state_.factorySaves = saves;
            state_.factoryRestores = restores;
        } else {
            o.anomalies.push_back(format("factory settings action %d is neither 0 nor 1", f[5]));
        }
        break;
    case 0x11: case 0x12: case 0x13: {
        const int part = event - 0x11;
        o.meaning = format("SetPanelSize %s part %d: %d %d%s", name.c_str(), part + 1, word(f, 5),
                           word(f, 7), f[9] ? " (last)" : "");
        expectFill(f, 10, 10, o);
        if (f[9] != (part == 2 ? 1 : 0))
            o.anomalies.push_back("panel size part with the wrong last-part flag");
        Board& b = state_.boards[board];
        b.panelSize[part * 2] = word(f, 5);
        b.panelSize[part * 2 + 1] = word(f, 7);
        b.panelSizeComplete = part == 2;
        break;
    }
    case 0xFF:
        o.meaning = format("SetEdgeMask %d", f[9]);
        expectFill(f, 10, 10, o);
        if (f[5] != 0xAC || f[6] != 0xFE || f[7] != 0xFD || f[8] != 0x07)
            o.anomalies.push_back("edge mask without its AC FE FD 07 key");
        else if (f[9] != 0 && f[9] != 1 && f[9] != 4)
            o.anomalies.push_back(format("edge mask state %d is not 0, 1 or 4", f[9]));
        else
            state_.edgeMask = f[9];
        break;
    default:
        o.meaning = format("board event 0x%02X to %s", event, name.c_str());
        if (!unusedEvent(event))
            o.anomalies.push_back(format("unknown board event 0x%02X", event));
    }
    return o;
}

void Processor::applyPicture(const FrameBytes& f, Outcome& o)
{
    static const char* const names[] = {"SetBrightness", "SetContrast", "SetSaturation",
                                        "ResetPicture"};
    const int board = f[3];
    const int event = f[4];
    const bool pipFlag = f[5] == 1;
    o.meaning = format("%s %s%s", names[event - 3], boardName(board).c_str(),
                       event == 6 ? "" : f[6] == 1 ? " up" : f[6] == 0 ? " down" : " ?");
    expectFill(f, event == 6 ? 6 : 7, 10, o);
    if (f[5] > 1 || pipFlag != isPipBoard(board)) {
        o.anomalies.push_back(format("PIP flag %d does not match %s", f[5], boardName(board).c_str()));
        return;
    }
    Picture& p = pipFlag ? state_.pips[board].picture : state_.boards[board].picture;
    if (event == 6) {
        p.brightness = p.contrast = p.saturation = 0;
        return;
    }
    if (f[6] > 1) {
        o.anomalies.push_back(format("step direction %d is neither 1 (up) nor 0 (down)", f[6]));
        return;
    }
    int& value = event == 3 ? p.brightness : event == 4 ? p.contrast : p.saturation;
    value += f[6] == 1 ? 1 : -1;
}

void Processor::applyPip(const FrameBytes& f, Outcome& o)
{
    const int board = f[3];
    const int sub = f[5];
    const std::string name = boardName(board);
    if (!isPipBoard(board)) {
        o.meaning = format("SetPip %s sub %d", name.c_str(), sub);
        o.anomalies.push_back(format("PIP command for %s, which is not a PIP window", name.c_str()));
        return;
    }
    Pip& pip = state_.pips[board];
    const int a = f[6] * 256 + f[7], b = f[8] * 256 + f[9];
    switch (sub) {
    case 0:
        o.meaning = format("SetPip %s %s", name.c_str(), f[6] == 1 ? "on" : f[6] == 0 ? "off" : "?");
        expectFill(f, 7, 10, o);
        if (f[6] > 1)
            o.anomalies.push_back(format("PIP on/off value %d", f[6]));
        else
            pip.on = f[6] == 1;
        break;
    case 1:
        o.meaning = format("SetPip %s position %d,%d", name.c_str(), a, b);
        expectFill(f, 10, 10, o);
        pip.x = a;
        pip.y = b;
        pip.placed = true;
        break;
    case 2:
        o.meaning = format("SetPip %s size %dx%d", name.c_str(), a, b);
        expectFill(f, 10, 10, o);
        if (a < 48 || b < 48 || a > wall_.mpdWidth || b > wall_.mpdHeight)
            o.anomalies.push_back(format("PIP size %dx%d outside 48x48..%dx%d", a, b,
                                         wall_.mpdWidth, wall_.mpdHeight));
        pip.width = a;
        pip.height = b;
        pip.sized = true;
        break;
    case 3:
        o.meaning = format("SetPip %s transparency %d", name.c_str(), f[6]);
        expectFill(f, 7, 10, o);
        pip.transparency = f[6];
        break;
    default:
        o.meaning = format("SetPip %s sub %d", name.c_str(), sub);
        o.anomalies.push_back(format("unknown PIP sub-command %d", sub));
        return;
    }
    if ((sub == 1 || sub == 2) && pip.placed && pip.sized &&
        (pip.x + pip.width > wall_.mpdWidth || pip.y + pip.height > wall_.mpdHeight))
        o.anomalies.push_back(format("PIP %d,%d %dx%d reaches past the MPD region %dx%d", pip.x,
                                     pip.y, pip.width, pip.height, wall_.mpdWidth, wall_.mpdHeight));
}

void Processor::applyModes(const FrameBytes& f, Outcome& o)
{
    const int board = f[3];
    switch (f[5]) {
    case 0x02:
        o.meaning = format("SetMenu %s %s", boardName(board).c_str(), f[6] ? "on" : "off");
        expectFill(f, 7, 10, o);
        if (f[6] > 1)
            o.anomalies.push_back(format("menu value %d", f[6]));
        else
            state_.boards[board].menu = f[6];
        return;
    case 0x05:
    case 0x06:
        o.meaning = format("SetBoardMode %d %d", f[5], f[6]);
        expectFill(f, 7, 10, o);
        if (board != 0 || f[6] > 1)
            o.anomalies.push_back("board mode needs board 0 and a value of 0 or 1");
        else
            (f[5] == 6 ? state_.naturalScene : state_.hdBaseImage) = f[6];
        return;
    case 0x00: case 0x01: case 0x03: case 0x04:
        o.meaning = format("SetStartupImage %d", f[5]);
        expectFill(f, 6, 10, o);
        if (board != 0)
            o.anomalies.push_back("startup image sent to a board other than 0");
        else
            state_.startupImage = f[5];
        return;
    default:
        o.meaning = format("board event 0x0F sub %d", f[5]);
        o.anomalies.push_back(format("unknown mode 0x%02X for event 0x0F", f[5]));
    }
}

}  // namespace tzsim
