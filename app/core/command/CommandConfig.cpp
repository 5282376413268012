#include "app/core/command/CommandConfig.h"

namespace {

// The profile values with nothing read: no MPD channel, the first resolution, the MPD pixel size
// of an unknown index, makers and addresses 0, and every port mapped to its own number.
class DefaultConfig : public CommandConfig {
public:
    int MpdCount() const override { return 0; }
    int Resolution() const override { return 0; }
    void MpdPixelSize(int* pWidth, int* pHeight) const override
    {
        *pWidth = 48;
        *pHeight = 48;
    }
    int MatrixMaker(int) const override { return 0; }
    int MatrixAddress(int) const override { return 0; }
    int MatrixPort(int, int nEntry) const override { return nEntry % 255 + 1; }
    void SubGrid(int* pRows, int* pColumns) const override
    {
        *pRows = 0;
        *pColumns = 0;
    }
    CString MatrixInputName(int nInputType, int nInput) const override
    {
        CString name;
        switch (nInputType) {
        case 2: name.Format("VGA%d", nInput); break;
        case 3: name.Format("视频%d", nInput); break;
        case 6: name.Format("HDMI%d", nInput); break;
        default: break;
        }
        return name;
    }
};

const CommandConfig* g_pConfig = nullptr;

}  // namespace

const CommandConfig& CommandConfig::Current()
{
    static DefaultConfig defaults;
    return g_pConfig ? *g_pConfig : defaults;
}

const CommandConfig* CommandConfig::Install(const CommandConfig* pConfig)
{
    const CommandConfig* previous = g_pConfig;
    g_pConfig = pConfig;
    return previous;
}
