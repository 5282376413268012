#include "app/core/command/CommandConfig.h"

#include "app/core/profile/ProfileState.h"

namespace {

// The process-wide profile records as start-up read them (ProfileState.h).
class ProfileConfig : public CommandConfig {
public:
    int MpdCount() const override { return workingSystem().mpdCount; }
    int Resolution() const override { return workingSystem().resolution; }
    void MpdPixelSize(int* pWidth, int* pHeight) const override
    {
        mpdPixelSizeFor(workingSystem().mpdResolution, pWidth, pHeight);
    }
    int MatrixMaker(int nKind) const override { return Block(nKind).devFactory; }
    int MatrixAddress(int nKind) const override { return Block(nKind).devNo; }
    int MatrixPort(int nKind, int nEntry) const override
    {
        if (nEntry < 0 || nEntry >= kMatrixPortEntries)
            return nEntry;
        return Block(nKind).portMap[nEntry];
    }
    void SubGrid(int* pRows, int* pColumns) const override
    {
        *pRows = mpdSubGrid().rows;
        *pColumns = mpdSubGrid().columns;
    }
    CString MatrixInputName(int nInputType, int nInput) const override
    {
        switch (nInputType) {
        case 2: return Block(MATRIX_VGA).inputName(nInput - 1);
        case 3: return Block(MATRIX_CVBS).inputName(nInput - 1);
        case 6: return Block(MATRIX_DVI).inputName(nInput - 1);
        default: return CString();
        }
    }

private:
    static const MatrixBlock& Block(int nKind)
    {
        const int kind = nKind >= MATRIX_CVBS && nKind < MATRIX_KINDS ? nKind : MATRIX_CVBS;
        return matrixConfig()[static_cast<MatrixKind>(kind)];
    }
};

const CommandConfig* g_pConfig = nullptr;

}  // namespace

const CommandConfig& CommandConfig::Current()
{
    static ProfileConfig profiles;
    return g_pConfig ? *g_pConfig : profiles;
}

const CommandConfig* CommandConfig::Install(const CommandConfig* pConfig)
{
    const CommandConfig* previous = g_pConfig;
    g_pConfig = pConfig;
    return previous;
}
