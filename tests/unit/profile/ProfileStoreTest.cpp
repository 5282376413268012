// The profile service: every key, default, clamp and parsing rule of the program's profiles,
// and the process-wide copies.
#include "app/core/profile/ProfilePaths.h"
#include "app/core/profile/ProfileReader.h"
#include "app/core/profile/ProfileState.h"
#include "app/core/profile/ProfileStore.h"
#include "tests/unit/profile/FullViewProfile.h"
#include "tests/unit/profile/ProfileTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace profiletest;

namespace {

// A fresh folder holding the profiles of one test.
class ProfileFolder {
public:
    explicit ProfileFolder(const char* name) : m_path(CString(".\\ps_") + name)
    {
        removeFile(file("TzView.ini"));
        removeFile(file("com.ini"));
        createFolder(m_path);
    }
    CString path() const { return m_path; }
    std::string file(const char* name) const { return std::string(m_path.GetString()) + "\\" + name; }
    void write(const char* name, const std::string& bytes) const { writeFile(file(name), bytes); }
    std::string read(const char* name) const { return readFile(file(name)); }

private:
    CString m_path;
};

}  // namespace

TEST(ProfileComm, MissingFileGivesNoPortTenSecondsAndNoBaudRate)
{
    ProfileFolder folder("comm_missing");
    CommSettings settings;
    settings.commPort = settings.timeout = settings.baudRate = 5;
    EXPECT_EQ(1, ProfileStore(folder.path()).readComm(settings));
    EXPECT_EQ(999, settings.commPort);
    EXPECT_EQ(10, settings.timeout);
    EXPECT_EQ(0, settings.baudRate);
}

TEST(ProfileComm, TimeoutIsClampedToTenToSixtySeconds)
{
    ProfileFolder folder("comm_clamp");
    const ProfileStore store(folder.path());
    CommSettings settings;
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"5", 10}, {"90", 60}, {"10", 10}, {"60", 60}, {"33", 33}, {"-4", 10}};
    for (const auto& c : cases) {
        folder.write("com.ini", std::string("[comm]\r\ncommport=4\r\nbaudrate=57600\r\ntimeout=") + c.text + "\r\n");
        store.readComm(settings);
        EXPECT_EQ(c.expected, settings.timeout) << c.text;
        EXPECT_EQ(4, settings.commPort);
        EXPECT_EQ(57600, settings.baudRate);
    }
}

TEST(ProfileComm, WriteStoresDecimalTextInOrderAndKeepsOtherKeys)
{
    ProfileFolder folder("comm_write");
    const ProfileStore store(folder.path());
    CommSettings settings;
    settings.commPort = 3;
    settings.timeout = 20;
    settings.baudRate = 115200;
    EXPECT_EQ(1, store.writeComm(settings));
    EXPECT_EQ("[comm]\r\ncommport=3\r\ntimeout=20\r\nbaudrate=115200\r\n", folder.read("com.ini"));

    folder.write("com.ini", "[comm]\r\ncommport=1\r\nlog=1\r\n[comm_delay]\r\nmaxtrix_delay=150\r\n");
    settings.commPort = 999;
    store.writeComm(settings);
    EXPECT_EQ("[comm]\r\ncommport=999\r\nlog=1\r\ntimeout=20\r\nbaudrate=115200\r\n[comm_delay]\r\nmaxtrix_delay=150\r\n",
              folder.read("com.ini"));
    CommSettings back;
    store.readComm(back);
    EXPECT_EQ(999, back.commPort);
    EXPECT_EQ(20, back.timeout);
    EXPECT_EQ(115200, back.baudRate);
}

TEST(ProfileSystem, MissingProfileGivesTheDefaults)
{
    ProfileFolder folder("system_missing");
    SystemConfig config;
    config.mpdCount = config.commonInputs = config.wallRows = 9;
    EXPECT_EQ(1, ProfileStore(folder.path()).readSystem(config));
    EXPECT_EQ(0, config.mpdCount);
    EXPECT_EQ(0, config.cvbsInputs);
    EXPECT_EQ(0, config.vgaInputs);
    EXPECT_EQ(0, config.dviInputs);
    EXPECT_EQ(-1, config.commonInputs);
    EXPECT_EQ(1, config.wallRows);
    EXPECT_EQ(1, config.wallColumns);
    EXPECT_EQ(-1, config.resolution);
    EXPECT_EQ(-1, config.mpdResolution);
    EXPECT_EQ(-1, config.subColorR);
    EXPECT_EQ(-1, config.subColorG);
    EXPECT_EQ(-1, config.subColorB);
    EXPECT_EQ(-1, config.subSource);
}

TEST(ProfileSystem, CountsAreShiftedAndClampedAndTheWallIsOneByOne)
{
    ProfileFolder folder("system_clamp");
    const ProfileStore store(folder.path());
    folder.write("TzView.ini",
                 "[application]\r\nmpdnums=3\r\ncells=4x2\r\nresolution=6\r\nmpdresolution=7\r\n"
                 "subcolorR=255\r\nsubcolorG=-2\r\nsubcolorB=300\r\nsubsource=9\r\n"
                 "[CVBS_Matrix]\r\nnumofinput=-3\r\n[VGA_Matrix]\r\nnumofinput=300\r\n"
                 "[DVI_Matrix]\r\nnumofinput=16\r\n[COMMON_Matrix]\r\nnumofinput=1000\r\n");
    SystemConfig config;
    store.readSystem(config);
    EXPECT_EQ(4, config.mpdCount);
    EXPECT_EQ(0, config.cvbsInputs);
    EXPECT_EQ(255, config.vgaInputs);
    EXPECT_EQ(16, config.dviInputs);
    EXPECT_EQ(1000, config.commonInputs);
    EXPECT_EQ(1, config.wallRows);
    EXPECT_EQ(1, config.wallColumns);
    EXPECT_EQ(6, config.resolution);
    EXPECT_EQ(7, config.mpdResolution);
    EXPECT_EQ(255, config.subColorR);
    EXPECT_EQ(-2, config.subColorG);
    EXPECT_EQ(300, config.subColorB);
    EXPECT_EQ(9, config.subSource);

    const struct {
        const char* mpdnums;
        int expected;
    } counts[] = {{"500", 127}, {"2147483647", 127}, {"2147483646", 127}, {"126", 127}, {"125", 126}, {"0", 1}, {"-1", 0}, {"-9", 0}};
    for (const auto& c : counts) {
        folder.write("TzView.ini", std::string("[application]\r\nmpdnums=") + c.mpdnums + "\r\n");
        store.readSystem(config);
        EXPECT_EQ(c.expected, config.mpdCount) << c.mpdnums;
    }
}

TEST(ProfileSystem, CopyToWorkingKeepsCommonInputsAndSubSource)
{
    SystemConfig configured;
    configured.mpdCount = 8;
    configured.cvbsInputs = 16;
    configured.vgaInputs = 12;
    configured.dviInputs = 4;
    configured.commonInputs = 32;
    configured.resolution = 6;
    configured.mpdResolution = 5;
    configured.subColorR = 1;
    configured.subColorG = 2;
    configured.subColorB = 3;
    configured.subSource = 7;
    SystemConfig working;
    working.commonInputs = 99;
    working.subSource = 98;
    working.wallRows = 4;
    copyConfiguredToWorking(configured, working);
    EXPECT_EQ(8, working.mpdCount);
    EXPECT_EQ(16, working.cvbsInputs);
    EXPECT_EQ(12, working.vgaInputs);
    EXPECT_EQ(4, working.dviInputs);
    EXPECT_EQ(1, working.wallRows);
    EXPECT_EQ(6, working.resolution);
    EXPECT_EQ(5, working.mpdResolution);
    EXPECT_EQ(3, working.subColorB);
    EXPECT_EQ(99, working.commonInputs);
    EXPECT_EQ(98, working.subSource);
}

TEST(ProfileText, CellsParsing)
{
    const struct {
        const char* text;
        int rows, columns;
    } cases[] = {
        {"4x2", 4, 2},    {"  3X5  ", 3, 5}, {"abc", 1, 1},     {"", 1, 1},        {"x", 1, 1},
        {"0x200", 1, 128}, {"-2x7", 1, 7},  {"200x3", 128, 3}, {"128x129", 128, 128},
        {"2 x 3", 2, 3},  {"5xy", 5, 1},
        // 0x81 0x78 is one GBK character, not an 'x'.
        {"3\x81\x78", 1, 1}, {"3\x81\x78x4", 3, 4},
    };
    for (const auto& c : cases) {
        int rows = -7, columns = -7;
        parseCells(c.text, &rows, &columns);
        EXPECT_EQ(c.rows, rows) << c.text;
        EXPECT_EQ(c.columns, columns) << c.text;
    }
}

TEST(ProfileText, SubGridParsing)
{
    const struct {
        const char* text;
        int rows, columns;
    } cases[] = {
        {"4x0", 0, 0},   {"200X3", 128, 128}, {"3", 0, 0},     {"2x3", 2, 3},   {"0x200", 0, 0},
        {"128x128", 128, 128}, {"129x1", 128, 128}, {"", 0, 0}, {"x", 0, 0},   {"3\x81\x78", 0, 0},
    };
    for (const auto& c : cases) {
        const MpdSubGrid grid = parseSubGrid(c.text);
        EXPECT_EQ(c.rows, grid.rows) << c.text;
        EXPECT_EQ(c.columns, grid.columns) << c.text;
    }
}

TEST(ProfileText, SubGridIsReadFromTheApplicationSection)
{
    ProfileFolder folder("subgrid");
    const ProfileStore store(folder.path());
    int rows = -1, columns = -1;
    store.readSubGrid(&rows, &columns);
    EXPECT_EQ(0, rows);
    EXPECT_EQ(0, columns);
    folder.write("TzView.ini", "[application]\r\nmpdsubcells = 3x4 \r\n");
    store.readSubGrid(&rows, &columns);
    EXPECT_EQ(3, rows);
    EXPECT_EQ(4, columns);
}

TEST(ProfileText, GbkCutsKeepWholeCharacters)
{
    // "一二三" is six bytes.
    const char* text = "\xD2\xBB\xB6\xFE\xC8\xFD";
    EXPECT_EQ(6u, gbkFitLength(text, 6));
    EXPECT_EQ(4u, gbkFitLength(text, 5));
    EXPECT_EQ(0u, gbkFitLength(text, 1));
    EXPECT_EQ(3u, gbkFitLength("a\xD2\xBB", 3));
    char slot[4];
    copyGbkCut(slot, sizeof(slot), "a\xD2\xBB\xB6\xFE");
    EXPECT_STREQ("a\xD2\xBB", slot);
    copyGbkCut(slot, sizeof(slot), "\xD2\xBB\xB6\xFE");
    EXPECT_STREQ("\xD2\xBB", slot);
}

TEST(ProfileTables, ResolutionNamesAndMpdPixelSizes)
{
    const char* names[] = {"1024x768", "1280x1024", "1366x768", "1280x768", "720P", "1080i", "1080p"};
    const ProfileStore store(".");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(CString(names[i]), store.resolutionName(i)) << i;
    EXPECT_EQ(CString("配置错误"), store.resolutionName(7));
    EXPECT_EQ(CString("配置错误"), store.resolutionName(-1));

    const int sizes[][2] = {{1024, 768}, {1280, 1024}, {1366, 768}, {1280, 768}, {1280, 720},
                            {1920, 1080}, {1920, 1080}, {1728, 972}, {48, 48}, {48, 48}};
    const int indices[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, -1};
    const int saved = workingSystem().mpdResolution;
    for (int k = 0; k < 10; ++k) {
        workingSystem().mpdResolution = indices[k];
        int width = 0, height = 0;
        store.mpdPixelSize(&width, &height);
        EXPECT_EQ(sizes[k][0], width) << indices[k];
        EXPECT_EQ(sizes[k][1], height) << indices[k];
    }
    workingSystem().mpdResolution = saved;
}

TEST(ProfileMatrices, MissingKeysGiveNumberedDefaults)
{
    ProfileFolder folder("matrices_default");
    folder.write("TzView.ini", "[DVI_Matrix]\r\ninput1=\xD6\xF7\xBB\xFA\r\ninput8=Cam8\r\ndevno=5\r\ndevfactory=2\r\n"
                               "drv5=9\r\nmpd2=3\r\n[COMMON_Matrix]\r\ndevno=7\r\n");
    auto config = std::make_unique<MatrixConfig>();
    EXPECT_EQ(1, ProfileStore(folder.path()).readMatrices(*config));
    const MatrixBlock& dvi = (*config)[MATRIX_DVI];
    EXPECT_STREQ("\xD6\xF7\xBB\xFA", dvi.inputName(0));
    EXPECT_STREQ("HDMI7", dvi.inputName(6));
    EXPECT_STREQ("Cam8", dvi.inputName(7));
    EXPECT_STREQ("HDMI255", dvi.inputName(254));
    EXPECT_STREQ("", dvi.inputName(255));
    EXPECT_STREQ("", dvi.inputName(-1));
    EXPECT_EQ(5, dvi.devNo);
    EXPECT_EQ(2, dvi.devFactory);
    EXPECT_EQ(9, dvi.portMap[4]);
    EXPECT_EQ(4, dvi.portMap[3]);
    EXPECT_EQ(3, dvi.portMap[255 + 1]);
    EXPECT_EQ(1, dvi.portMap[255]);
    EXPECT_EQ(255, dvi.portMap[509]);
    EXPECT_STREQ("\xCA\xD3\xC6\xB5" "1", (*config)[MATRIX_CVBS].inputName(0));  // 视频1
    EXPECT_STREQ("VGA12", (*config)[MATRIX_VGA].inputName(11));
    EXPECT_STREQ("\xCA\xE4\xC8\xEB 3", (*config)[MATRIX_COMMON].inputName(2));  // 输入 3
    EXPECT_EQ(7, (*config)[MATRIX_COMMON].devNo);
    EXPECT_EQ(0, (*config)[MATRIX_CVBS].devNo);
    EXPECT_EQ(0, (*config)[MATRIX_CVBS].devFactory);
    EXPECT_EQ(200, (*config)[MATRIX_CVBS].portMap[199]);
}

TEST(ProfileMatrices, LongNamesAreCutToNineteenBytesAtACharacterBoundary)
{
    ProfileFolder folder("matrices_long");
    // Ten two-byte characters (20 bytes), then "A" + ten (21 bytes), then 25 ASCII letters.
    folder.write("TzView.ini",
                 "[VGA_Matrix]\r\ninput1=\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5\xCA\xAE\r\n"
                 "input2=A\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5\xCA\xAE\r\n"
                 "input3=ABCDEFGHIJKLMNOPQRSTUVWXY\r\n");
    auto config = std::make_unique<MatrixConfig>();
    ProfileStore(folder.path()).readMatrices(*config);
    EXPECT_STREQ("\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5", (*config)[MATRIX_VGA].inputName(0));
    EXPECT_STREQ("A\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5", (*config)[MATRIX_VGA].inputName(1));
    EXPECT_STREQ("ABCDEFGHIJKLMNOPQRS", (*config)[MATRIX_VGA].inputName(2));
}

TEST(ProfileMatrices, ListedCommonInputsAreBoundedToTheNames)
{
    EXPECT_EQ(255, listedMatrixInputs(1000));
    EXPECT_EQ(255, listedMatrixInputs(255));
    EXPECT_EQ(16, listedMatrixInputs(16));
    EXPECT_EQ(0, listedMatrixInputs(-1));
}

TEST(ProfilePanel, NegativeSizesBecomeZeroAndManualModeIsNeverWritten)
{
    ProfileFolder folder("panel");
    const ProfileStore store(folder.path());
    folder.write("TzView.ini", "[application]\r\nmpdnums=3\r\n[manuset]\r\nmanumode=-4\r\nwidth=-10\r\nheight=500\r\n"
                               "leftedge=-1\r\nrightedge=2\r\ntopedge=3\r\nbottomedge=-5\r\n");
    PanelGeometry panel;
    EXPECT_EQ(1, store.readPanel(panel));
    EXPECT_EQ(-4, panel.manualMode);
    EXPECT_EQ(0, panel.width);
    EXPECT_EQ(500, panel.height);
    EXPECT_EQ(0, panel.leftEdge);
    EXPECT_EQ(2, panel.rightEdge);
    EXPECT_EQ(3, panel.topEdge);
    EXPECT_EQ(0, panel.bottomEdge);

    panel.manualMode = 1;
    panel.width = 1200;
    panel.height = 680;
    panel.leftEdge = 3;
    panel.rightEdge = 4;
    panel.topEdge = 5;
    panel.bottomEdge = 6;
    EXPECT_EQ(1, store.writePanel(panel));
    EXPECT_EQ("[application]\r\nmpdnums=3\r\n[manuset]\r\nmanumode=-4\r\nwidth=1200\r\nheight=680\r\n"
              "leftedge=3\r\nrightedge=4\r\ntopedge=5\r\nbottomedge=6\r\n",
              folder.read("TzView.ini"));

    ProfileFolder fresh("panel_new");
    ProfileStore(fresh.path()).writePanel(panel);
    EXPECT_EQ("[manuset]\r\nwidth=1200\r\nheight=680\r\nleftedge=3\r\nrightedge=4\r\ntopedge=5\r\nbottomedge=6\r\n",
              fresh.read("TzView.ini"));
}

TEST(ProfileRecent, OnlyAnExistingFileCounts)
{
    ProfileFolder folder("recent");
    const ProfileStore store(folder.path());
    CString path;
    EXPECT_EQ(0, store.readRecent(path));

    const std::string scene = folder.file("last.tzs");
    writeFile(scene, "scene");
    EXPECT_EQ(1, store.writeRecent(scene.c_str()));
    EXPECT_EQ(1, store.readRecent(path));
    EXPECT_EQ(CString(scene.c_str()), path);

    removeFile(scene);
    EXPECT_EQ(0, store.readRecent(path));

    store.writeRecent("");
    EXPECT_EQ(0, store.readRecent(path));
}

TEST(ProfileRecent, NewScenePathCreatesTheInsidemodeFolder)
{
    ProfileFolder folder("newscene");
    const CString nested = folder.path() + "\\deeper\\still";
    const ProfileStore store(nested);
    CString path;
    EXPECT_EQ(1, store.newScenePath(path));
    EXPECT_EQ(nested + "\\insidemode\\newmode.tzs", path);
    EXPECT_TRUE(pathExists(nested + "\\insidemode"));
    writeFile(std::string(path.GetString()), "x");
    EXPECT_EQ("x", readFile(std::string(path.GetString())));
    EXPECT_EQ(1, store.newScenePath(path));  // an existing folder is fine
}

TEST(ProfilePresets, CaptionsDefaultToTheirNumberAndAreCut)
{
    removeFile(ProfileStore::buttonProfilePath());
    const ProfileStore store(".");
    CString caption;
    EXPECT_EQ(1, store.readPresetCaption(7, caption));
    EXPECT_EQ(CString("7"), caption);
    store.readPresetCaption(19, caption);
    EXPECT_EQ(CString("19"), caption);

    EXPECT_EQ(1, store.writePresetCaption(3, "\xBB\xE1\xD2\xE9"));
    store.readPresetCaption(3, caption);
    EXPECT_EQ(CString("\xBB\xE1\xD2\xE9"), caption);
    EXPECT_EQ("[quick2_text]\r\npreset_button3=\xBB\xE1\xD2\xE9\r\n", readFile(ProfileStore::buttonProfilePath()));

    // 'a' and 49 two-byte characters: 99 bytes, cut to 'a' and 48 characters (97 bytes).
    std::string longCaption = "a";
    for (int i = 0; i < 49; ++i)
        longCaption += "\xD2\xBB";
    store.writePresetCaption(4, longCaption.c_str());
    store.readPresetCaption(4, caption);
    EXPECT_EQ(97, caption.GetLength());
    removeFile(ProfileStore::buttonProfilePath());
}

TEST(ProfileStartup, ReadsFillTheProcessWideCopies)
{
    ProfileFolder folder("startup");
    folder.write("TzView.ini", fullViewProfile());
    ProfileStore store(folder.path());
    readStartupProfiles(store);
    EXPECT_EQ(8, configuredSystem().mpdCount);
    EXPECT_EQ(8, workingSystem().mpdCount);
    EXPECT_EQ(255, configuredSystem().commonInputs);
    EXPECT_EQ(6, workingSystem().resolution);
    EXPECT_EQ(5, workingSystem().mpdResolution);
    EXPECT_EQ(2, workingSystem().subSource);
    EXPECT_EQ(2, mpdSubGrid().rows);
    EXPECT_EQ(2, mpdSubGrid().columns);
    EXPECT_EQ(13, matrixConfig()[MATRIX_COMMON].devNo);
    EXPECT_EQ(4, matrixConfig()[MATRIX_COMMON].devFactory);
    EXPECT_EQ(255, matrixConfig()[MATRIX_CVBS].portMap[0]);
    EXPECT_EQ(8, matrixConfig()[MATRIX_DVI].portMap[255]);
    EXPECT_STREQ("\xBC\xE0\xBF\xD8" "1", matrixConfig()[MATRIX_VGA].inputName(0));
}

TEST(ProfileLimits, SubGridTextIsReadToNinetyEightBytes)
{
    ProfileFolder folder("subgridlimit");
    const ProfileStore store(folder.path());
    int rows = -1, columns = -1;
    // 98 bytes: the last digit is read, so the columns are 3.
    folder.write("TzView.ini", "[application]\r\nmpdsubcells=2x" + std::string(95, '0') + "3\r\n");
    store.readSubGrid(&rows, &columns);
    EXPECT_EQ(2, rows);
    EXPECT_EQ(3, columns);
    // 99 bytes: the last digit falls off, the columns read 0 and the sub-grid is off.
    folder.write("TzView.ini", "[application]\r\nmpdsubcells=2x" + std::string(96, '0') + "3\r\n");
    store.readSubGrid(&rows, &columns);
    EXPECT_EQ(0, rows);
    EXPECT_EQ(0, columns);
}

TEST(ProfileLimits, RecentSceneIsReadToTwoHundredFiftyEightBytes)
{
    ProfileFolder folder("rl");
    const ProfileStore store(folder.path());
    // A scene file whose path is exactly 258 bytes.
    std::string scene = folder.file("");
    scene += std::string(258 - scene.size() - 4, 's') + ".tzs";
    ASSERT_EQ(258u, scene.size());
    writeFile(scene, "scene");
    ASSERT_TRUE(pathExists(scene.c_str()));
    CString path;
    store.writeRecent(scene.c_str());
    EXPECT_EQ(1, store.readRecent(path));
    EXPECT_EQ(CString(scene.c_str()), path);
    // Bytes past the 258th are not read: the same file counts.
    store.writeRecent((scene + "xyz").c_str());
    EXPECT_EQ(1, store.readRecent(path));
    EXPECT_EQ(258, path.GetLength());
    removeFile(scene);
    EXPECT_EQ(0, store.readRecent(path));
}

TEST(ProfilePaths, DirectoryOfCutsAtTheLastSeparatorAndTrimsTrailingOnes)
{
    EXPECT_EQ(CString("C:\\TaveloPro"), directoryOf("C:\\TaveloPro\\TaveloPro.exe"));
    EXPECT_EQ(CString("C:\\TaveloPro"), directoryOf("C:\\TaveloPro\\\\TaveloPro.exe"));
    EXPECT_EQ(CString("C:"), directoryOf("C:\\TaveloPro.exe"));
    EXPECT_EQ(CString("TaveloPro.exe"), directoryOf("TaveloPro.exe")) << "no separator: nothing cut";
    // "\xD5\x5C" is one GBK character whose second byte is '\': not a separator.
    EXPECT_EQ(CString("C:\\\xD5\x5C" "a"), directoryOf("C:\\\xD5\x5C" "a\\b.exe"));
    EXPECT_EQ(CString("C:"), directoryOf("C:\\\xD5\x5C" "a"));
}

TEST(ProfilePaths, ProgramDirectoryIsThisProgramsFolder)
{
    const CString& folder = programDirectory();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_NE('\\', folder[folder.GetLength() - 1]);
    EXPECT_TRUE(pathExists(folder));
    EXPECT_EQ(&folder, &programDirectory()) << "computed once";
#ifdef _WIN32
    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ(directoryOf(module), folder);
#endif
}

TEST(ProfilePaths, EnsureFolderMakesEveryMissingLevelAndFailsOnAFile)
{
    ProfileFolder folder("ensure");
    const CString deep = folder.path() + "\\a\\b\\c";
    EXPECT_TRUE(ensureFolder(deep));
    EXPECT_TRUE(pathExists(folder.path() + "\\a\\b"));
    EXPECT_TRUE(pathExists(deep));
    EXPECT_TRUE(ensureFolder(deep + "\\")) << "an existing folder, trailing separator";
    // A file where a folder should be stops the walk.
    writeFile(folder.file("plain"), "x");
    EXPECT_FALSE(ensureFolder(folder.path() + "\\plain\\below"));
    EXPECT_FALSE(pathExists(folder.path() + "\\plain\\below"));
}
