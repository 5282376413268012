// The files the installer puts beside a fresh program, read through the program's own readers:
// the default profiles give the wall they describe, the preset captions equal the program's own
// defaults, and the default new-scene file is exactly the blank scene the program would save for
// that profile, so the first start-up loads it without a mismatch message.
#include "app/core/profile/ProfileReader.h"
#include "app/core/profile/ProfileStore.h"
#include "tests/unit/scene/SceneTestSupport.h"

#include <cstdio>
#include <string>

namespace {

const char DEFAULTS[] = TAVELO_DEFAULTS_DIR;

std::string DefaultFile(const char* name) { return std::string(DEFAULTS) + "/" + name; }

// The wall view control's drawing area on the wall page, over which a blank scene is laid out.
const WallRect WALL_VIEW_AREA{0, 0, 640, 480};

SceneGeometry GeometryOf(const SystemConfig& config)
{
    SceneGeometry g;
    g.rows = config.wallRows;
    g.columns = config.wallColumns;
    g.resolution = config.resolution;
    g.mpdCount = config.mpdCount;
    return g;
}

}  // namespace

TEST(DefaultProfiles, DescribeOnePanelAtFullHdWithFourMpdChannels)
{
    ProfileStore store{CString(DEFAULTS)};
    SystemConfig config;
    store.readSystem(config);
    EXPECT_EQ(config.mpdCount, 4);
    EXPECT_EQ(store.resolutionName(config.resolution), CString("1080p"));
    EXPECT_EQ(config.mpdResolution, 5);
    EXPECT_EQ(config.wallRows, 1);
    EXPECT_EQ(config.wallColumns, 1);
    EXPECT_EQ(config.cvbsInputs + config.vgaInputs + config.dviInputs, 0) << "no outside matrix";
    int subRows = 0, subColumns = 0;
    store.readSubGrid(&subRows, &subColumns);
    EXPECT_EQ(subRows, 2);
    EXPECT_EQ(subColumns, 2);
    PanelGeometry panel;
    store.readPanel(panel);
    EXPECT_EQ(panel.width, 0) << "the panel size is left to the factory settings";

    CommSettings comm;
    store.readComm(comm);
    EXPECT_EQ(comm.commPort, 1);
    EXPECT_EQ(comm.timeout, 10);
    EXPECT_EQ(comm.baudRate, 115200);
    SectionProfileReader commFile(CString(DefaultFile("com.ini").c_str()));
    EXPECT_EQ(commFile.readInt("comm", "log", -1), 0) << "no traffic log unless switched on";
}

TEST(DefaultProfiles, PresetCaptionsAreTheProgramsOwnDefaults)
{
    // Shipping button.ini changes nothing the operator sees; it shows integrators the keys.
    SectionProfileReader shipped(CString(DefaultFile("button.ini").c_str()));
    SectionProfileReader missing = SectionProfileReader::fromBytes("");
    for (int n = 0; n < 20; ++n) {
        char key[32], fallback[12], a[100] = {}, b[100] = {};
        std::snprintf(key, sizeof(key), "preset_button%d", n);
        std::snprintf(fallback, sizeof(fallback), "%d", n);
        shipped.readString("quick2_text", key, "", a, sizeof(a));
        missing.readString("quick2_text", key, fallback, b, sizeof(b));
        EXPECT_STREQ(a, b) << key;
    }
}

class DefaultSceneTest : public SceneTest {
protected:
    void SetUp() override
    {
        SystemConfig config;
        ProfileStore{CString(DEFAULTS)}.readSystem(config);
        host.configured = GeometryOf(config);
        host.working = host.configured;
        host.client = WALL_VIEW_AREA;
        services.mpd = config.mpdCount;
    }
};

TEST_F(DefaultSceneTest, IsTheBlankSceneOfTheDefaultProfile)
{
    scenes.resetScene();
    const std::string saved = folder.file("blank.tzs");
    ASSERT_TRUE(scenes.saveScene(saved.c_str()));
    const Bytes shipped = readBytes(DefaultFile("insidemode/newmode.tzs"));
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(readBytes(saved), shipped);
}

TEST_F(DefaultSceneTest, LoadsAtStartupWithoutAMessage)
{
    services.log.clear();
    ASSERT_TRUE(scenes.loadScene(DefaultFile("insidemode/newmode.tzs").c_str(), FALSE));
    EXPECT_FALSE(scenes.invalidFile());
    EXPECT_TRUE(services.log.empty()) << "no message, nothing sent";
    ASSERT_EQ(wall.cells().GetCount(), 1);
    EXPECT_EQ(wall.cells().GetAt(0)->rect(), WALL_VIEW_AREA);
    EXPECT_EQ(wall.cells().GetAt(0)->inputType(), INPUT_NONE);
}
