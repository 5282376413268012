// What the commands read from the profiles when they are sent: the working SystemConfig's MPD
// count and resolution index, the MPD pixel size, the sub-grid, and the matrices' maker codes,
// device addresses, port maps and input names. The default reads the process-wide profile records
// (the working SystemConfig, the matrix configuration); tests install their own values.
#pragma once

#include "fx/core/String.h"

// Matrix kinds (MATRIX_CVBS 0, MATRIX_VGA 1, MATRIX_DVI 2) as the matrix-switch operation numbers
// them.
#include "app/core/profile/ProfileRecords.h"

class CommandConfig {
public:
    virtual ~CommandConfig() = default;

    // Working SystemConfig: number of MPD channels.
    virtual int MpdCount() const = 0;
    // Working SystemConfig: resolution index sent by "设置分辨率".
    virtual int Resolution() const = 0;
    // The MPD pixel size (device coordinate space of PIP windows).
    virtual void MpdPixelSize(int* pWidth, int* pHeight) const = 0;
    // Maker code and device address of a matrix (MatrixKind).
    virtual int MatrixMaker(int nKind) const = 0;
    virtual int MatrixAddress(int nKind) const = 0;
    // Entry of a matrix's port map: 0..254 the outputs feeding driver boards 1..255, 255..509 the
    // outputs feeding MPD channels 1..255.
    virtual int MatrixPort(int nKind, int nEntry) const = 0;
    // The MPD sub-grid (rows and columns, 0 and 0 without one) that lays out new PIP windows.
    virtual void SubGrid(int* pRows, int* pColumns) const = 0;
    // Name of input nInput (1-based) of the matrix behind input type 2 (VGA), 3 (CVBS) or 6 (DVI).
    virtual CString MatrixInputName(int nInputType, int nInput) const = 0;

    // The configuration commands read: the installed one, else the profile records.
    static const CommandConfig& Current();
    // Installs a configuration (null: back to the profiles); returns the previous one.
    static const CommandConfig* Install(const CommandConfig* pConfig);
};

// Installs a configuration for one scope.
class ScopedCommandConfig {
public:
    explicit ScopedCommandConfig(const CommandConfig* pConfig)
        : m_pPrevious(CommandConfig::Install(pConfig)) {}
    ~ScopedCommandConfig() { CommandConfig::Install(m_pPrevious); }
    ScopedCommandConfig(const ScopedCommandConfig&) = delete;
    ScopedCommandConfig& operator=(const ScopedCommandConfig&) = delete;

private:
    const CommandConfig* m_pPrevious;
};
