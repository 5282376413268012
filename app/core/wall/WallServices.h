// What the wall model needs from the rest of the program: the working configuration, the device
// commands its edits produce, and the operator's message box. The program installs one
// implementation at start-up (wired to the profiles and the command layer); tests install a
// recording fake. The configuration and the runners are process-wide in the program, so the
// model reaches them through one process-wide pointer as well.
#pragma once

#include "fx/core/String.h"

class CPIPCell;
class CCombineCell;

// Runner results, as the command layer's runners return them.
enum WallRunResult {
    WALL_RUN_OK = 1,
    WALL_RUN_FAILED = 2
};

class WallServices {
public:
    virtual ~WallServices() = default;

    // Working SystemConfig: number of MPD channels (mpdCount).
    virtual int mpdCount() const = 0;
    // The MPD sub-grid (0 and 0 when there is none).
    virtual void subGrid(int* rows, int* columns) const = 0;
    // The MPD pixel size: the device coordinate space of PIP windows.
    virtual void mpdPixelSize(int* width, int* height) const = 0;
    // Name of input inputNo (1-based) of the matrix behind input type 2 (VGA), 3 (CVBS) or
    // 6 (DVI).
    virtual CString matrixInputName(int inputType, int inputNo) const = 0;

    // "开PIP" / "关PIP" for the window, through the progress runner. Return WALL_RUN_OK or
    // WALL_RUN_FAILED; on failure *message holds the command's composed text.
    virtual int openPip(CPIPCell& pip, CString* message) = 0;
    virtual int closePip(CPIPCell& pip, CString* message) = 0;
    // The two window-geometry commands (size, then position) for window number with the device
    // rectangle given. Nested in other actions, so their results are not reported.
    virtual void sendPipGeometry(int number, int x, int y, int width, int height) = 0;
    // "屏幕分解" for the combined cell, through the progress runner.
    virtual int decompose(CCombineCell& cell, CString* message) = 0;

    // A plain message box captioned with the application name.
    virtual void showMessage(LPCSTR text) = 0;

    // The installed services, or null. install returns the previous ones; the caller keeps
    // ownership.
    static WallServices* current();
    static WallServices* install(WallServices* services);
};

// Installs services for one scope and puts the previous ones back (tests, start-up).
class ScopedWallServices {
public:
    explicit ScopedWallServices(WallServices* services) : m_previous(WallServices::install(services)) {}
    ~ScopedWallServices() { WallServices::install(m_previous); }
    ScopedWallServices(const ScopedWallServices&) = delete;
    ScopedWallServices& operator=(const ScopedWallServices&) = delete;

private:
    WallServices* m_previous;
};
