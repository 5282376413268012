// Commands for PIP windows: switching a window on and off, its size and position on the MPD
// output, its transparency, and the fine adjustments of the sub-window dialog. A window is
// addressed by its window number (its board id).
#pragma once

#include "app/core/command/DeviceCommand.h"

class CPIPCell;

// Smallest PIP window the device shows, in device pixels.
const int MIN_PIP_SIZE = 48;

// "开PIP" / "关PIP". Counted; always succeeds.
class CPipSwitchCommand : public DeviceCommand {
public:
    CPipSwitchCommand(int nWindow, bool bOn);

protected:
    int Send() override;

private:
    bool m_bOn;
};

// The window's size: raised to at least 48 and then lowered to at most the MPD output size.
// Counted.
class CPipSizeCommand : public DeviceCommand {
public:
    CPipSizeCommand(int nWindow, int nWidth, int nHeight);

    // The size as sent, for a requested size.
    static void Limit(int* pWidth, int* pHeight);

protected:
    int Send() override;

private:
    int m_nWidth;
    int m_nHeight;
};

// The window's position: moved left (up) so that the window, at the size the size command sends,
// ends at the output's right (bottom) edge when it would pass it. Counted.
class CPipPositionCommand : public DeviceCommand {
public:
    CPipPositionCommand(int nWindow, int nX, int nY, int nWidth, int nHeight);

protected:
    int Send() override;

private:
    int m_nX;
    int m_nY;
    int m_nWidth;
    int m_nHeight;
};

// The two window-geometry commands for a window's device rectangle, size first, run directly.
// Returns 1 when both succeeded; a failure's message goes to pMessage when given.
int SendPipGeometry(int nWindow, int nX, int nY, int nWidth, int nHeight,
                    CString* pMessage = nullptr);

// "设置PIP透明度": the window's transparency level. Counted; always succeeds.
class CPipTransparencyCommand : public DeviceCommand {
public:
    CPipTransparencyCommand(int nWindow, int nLevel);

protected:
    int Send() override;

private:
    int m_nLevel;
};

// "位置微调" / "PIP大小微调": moves or resizes the window in the model by the step, then sends its
// geometry. Fails when a geometry command fails.
class CPipFineAdjustCommand : public DeviceCommand {
public:
    // nHow is a CPIPCell::Adjust value; the title follows from it.
    CPipFineAdjustCommand(CPIPCell* pWindow, int nHow, int nStep);

    // Called while this command runs, for the geometry the model asks to send.
    void SendGeometry(int nWindow, int nX, int nY, int nWidth, int nHeight);

protected:
    int Send() override;

private:
    int m_nHow;
    int m_nStep;
    int m_nGeometryOk;
};
