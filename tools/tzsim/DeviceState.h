// What the processor holds after the frames it has received: plain records, written out as JSON
// and drawn as SVG.
#pragma once

#include "tools/tzsim/Frame.h"
#include "tools/tzsim/MatrixProtocols.h"

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace tzsim {

// The wall the processor drives: fixed by its installation, not by frames.
struct WallConfig {
    int columns = 4;
    int rows = 2;
    int mpdCount = 4;        // board 1 is the MPD region, boards 2..mpdCount its PIP windows
    int mpdWidth = 1920;     // the MPD region's device coordinate space
    int mpdHeight = 1080;
    int panelCount() const { return columns * rows; }
};

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

struct Clock {
    bool valid = true;
    DateTime setTo;          // the value last set
    double setAtMs = 0;      // when it was set; the clock runs on from there
};

struct PowerTimer {
    bool enabled = false;
    DateTime at;             // seconds unused
};

struct Picture {
    int brightness = 0, contrast = 0, saturation = 0;   // steps up minus steps down
    std::array<int, 3> colorBalance{{-1, -1, -1}};
};

struct Board {
    int columns = 1, rows = 1, order = 1;   // combined area this panel belongs to
    int input = -1;                         // input type 0..6, -1 none (never set, or type 12)
    int menu = 0;
    int autoPositions = 0;
    Picture picture;
    std::array<int, 6> panelSize{{0, 0, 0, 0, 0, 0}};   // events 0x11..0x13
    bool panelSizeComplete = false;
};

struct Pip {
    bool on = false;
    int x = 0, y = 0, width = 0, height = 0;
    bool placed = false, sized = false;
    int transparency = 0;
    int input = -1;
    Picture picture;
};

// Values the power-up command blocks (block transfers) store.
struct PowerUpBlocks {
    int drv = -1, mpd = -1, subtitle = -1;
    std::array<int, 12> shieldEdge{{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}};
};

struct DeviceState {
    bool powerOn = true;
    bool upgradeMode = false;
    Clock clock;
    PowerTimer powerOffTimer, powerOnTimer;
    int resolution = -1;
    int naturalScene = -1;      // board mode 6: 0 natural, 1 monitoring
    int hdBaseImage = -1;       // board mode 5
    int startupImage = -1;
    int edgeMask = -1;          // 1 on, 0 off, 4 the combined choice
    int factorySaves = 0, factoryRestores = 0;
    PowerUpBlocks powerUp;
    std::map<int, Board> boards;   // by board id: 0 common, 1 MPD region, panels above mpdCount
    std::map<int, Pip> pips;       // by window number 2..mpdCount
    std::map<std::string, Crosspoint> crosspoints;   // by protocol/address/kind/output
};

}  // namespace tzsim
