// Loading: every check and message in its order, the blank scene after a refused header or a
// mismatch, the current scene kept intact after a read failure, and restoring on load.
#include "tests/unit/scene/SceneTestSupport.h"

namespace {

class SceneLoadTest : public SceneTest {
protected:
    std::string path;

    void SetUp() override
    {
        SceneTest::SetUp();
        path = folder.file("scene.tzs");
    }

    // The golden file with one 32-bit header value replaced.
    void writeGoldenWith(std::size_t offset, int value)
    {
        Bytes bytes = goldenMixedScene();
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<unsigned char>((static_cast<unsigned>(value) >> (8 * i)) & 0xFF);
        writeBytes(path, bytes);
    }

    std::vector<std::string> expectBlankAfter(std::vector<std::string> messages)
    {
        for (const std::string& line : blankSceneLog(4))
            messages.push_back(line);
        return messages;
    }
};

TEST_F(SceneLoadTest, WrongMagicIsInvalidThenTheBlankScene)
{
    Bytes bytes = goldenMixedScene();
    bytes[0] = 0x7B;
    writeBytes(path, bytes);
    EXPECT_FALSE(scenes.loadScene(path.c_str(), TRUE));
    EXPECT_TRUE(scenes.invalidFile());
    EXPECT_EQ(services.log, expectBlankAfter({"message 非法的场景文件!",
                                              "message 非法的场景文件，加载失败!"}));
    EXPECT_EQ(wall.cells().GetCount(), 4) << "the configured 2 x 2 blank wall";
}

TEST_F(SceneLoadTest, RowsOrColumnsOutsideOneTo127AreInvalid)
{
    const struct {
        std::size_t offset;
        int value;
    } cases[] = {{202, 128}, {202, 0}, {206, 128}, {206, -1}};
    for (const auto& c : cases) {
        services.log.clear();
        writeGoldenWith(c.offset, c.value);
        EXPECT_FALSE(scenes.loadScene(path.c_str(), FALSE)) << c.offset << " " << c.value;
        EXPECT_EQ(services.log, expectBlankAfter({"message 非法的场景文件!",
                                                  "message 非法的场景文件，加载失败!"}));
    }
    // 127 is still a valid header; it then fails against the configured wall.
    services.log.clear();
    writeGoldenWith(202, 127);
    EXPECT_FALSE(scenes.loadScene(path.c_str(), FALSE));
    EXPECT_FALSE(scenes.invalidFile());
    ASSERT_FALSE(services.log.empty());
    EXPECT_EQ(services.log[0], "message 当前场景为:2x2,加载场景为:127x2\n"
                               "当前场景与加载场景屏数目不一致,加载失败!");
}

TEST_F(SceneLoadTest, MismatchesAreCheckedInOrderAgainstTheConfiguredCopy)
{
    host.working = {1, 1, 0, 0};  // the working copy plays no part in the checks
    host.configured = {2, 3, 5, 8};
    writeBytes(path, goldenMixedScene());
    EXPECT_FALSE(scenes.loadScene(path.c_str(), TRUE));
    ASSERT_FALSE(services.log.empty());
    EXPECT_EQ(services.log[0], "message 当前场景为:2x3,加载场景为:2x2\n"
                               "当前场景与加载场景屏数目不一致,加载失败!");

    services.log.clear();
    host.configured = {2, 2, 5, 8};
    EXPECT_FALSE(scenes.loadScene(path.c_str(), TRUE));
    EXPECT_EQ(services.log, (std::vector<std::string>{
                                "message 当前场景MPD为:8,加载场景MPD为:4\n"
                                "当前场景与加载场景MPD数目不一致,加载失败!",
                                "新建场景", "设置位置", "设置分辨率 5 4",
                                "recent insidemode-newmode.tzs"}));
    EXPECT_EQ(host.working.mpdCount, 8) << "the blank scene took the configured copy";

    services.log.clear();
    host.configured = {2, 2, 5, 4};
    EXPECT_FALSE(scenes.loadScene(path.c_str(), TRUE));
    ASSERT_FALSE(services.log.empty());
    EXPECT_EQ(services.log[0], "message 当前分辨率为:1080i,加载分辨率为:1080p\n"
                               "当前分辨率与加载分辨率不一致,加载失败!");

    services.log.clear();
    host.configured = {2, 2, 9, 4};
    writeGoldenWith(210, -1);
    EXPECT_FALSE(scenes.loadScene(path.c_str(), TRUE));
    ASSERT_FALSE(services.log.empty());
    EXPECT_EQ(services.log[0], "message 当前分辨率为:配置错误,加载分辨率为:配置错误\n"
                               "当前分辨率与加载分辨率不一致,加载失败!");
}

TEST_F(SceneLoadTest, TruncationAtEveryOffsetKeepsTheCurrentScene)
{
    buildMixedWall();
    const std::vector<CCell*> before(wall.cells().begin(), wall.cells().end());
    host.working = {1, 1, 3, 4};
    const Bytes golden = goldenMixedScene();
    for (std::size_t length = 0; length < golden.size(); ++length) {
        services.log.clear();
        writeBytes(path, Bytes(golden.begin(), golden.begin() + static_cast<long>(length)));
        ASSERT_FALSE(scenes.loadScene(path.c_str(), TRUE)) << length;
        ASSERT_EQ(services.log, (std::vector<std::string>{"message 非法的场景文件,加载失败!"}))
            << length;
        ASSERT_TRUE(scenes.invalidFile());
        ASSERT_EQ(std::vector<CCell*>(wall.cells().begin(), wall.cells().end()), before) << length;
        ASSERT_EQ(host.working.rows, 1) << length;
        ASSERT_EQ(host.working.resolution, 3) << length;
    }
    EXPECT_EQ(wall.cells().GetAt(0)->pipCount(), 2);
    EXPECT_EQ(host.interactionClears, 0);
}

TEST_F(SceneLoadTest, MissingFileIsReportedAsUnreadable)
{
    wall.setLayout(2, 2, host.client);
    EXPECT_FALSE(scenes.loadScene(folder.file("nothing.tzs").c_str(), TRUE));
    EXPECT_EQ(services.log, (std::vector<std::string>{"message 非法的场景文件,加载失败!"}));
    EXPECT_EQ(wall.cells().GetCount(), 4);
}

TEST_F(SceneLoadTest, MalformedCellListsAreRefusedWithTheSceneIntact)
{
    wall.setLayout(2, 2, host.client);
    const std::vector<CCell*> before(wall.cells().begin(), wall.cells().end());
    std::vector<Bytes> files;
    {   // A plain cell in a PIP list.
        SceneBytes s;
        s.header(2, 2, 6, 4).count(1);
        s.newClass("CCell").cell(0, 0, 1, 1, 0, 1, 1, 1, 12, 0, 0).count(1);
        s.classRef(1).cell(0, 0, 1, 1, 0, 0, 2, 1, 12, 0, 0).count(0);
        files.push_back(s.b);
    }
    {   // A kind that does not match the class.
        SceneBytes s;
        s.header(2, 2, 6, 4).count(1);
        s.newClass("CCell").cell(0, 0, 1, 1, 0, 0, 1, 1, 12, 0, 1).count(0);
        files.push_back(s.b);
    }
    {   // A missing object in the top-level list.
        SceneBytes s;
        s.header(2, 2, 6, 4).count(2).u16(0);
        s.newClass("CCell").cell(0, 0, 1, 1, 0, 0, 1, 1, 12, 0, 0).count(0);
        files.push_back(s.b);
    }
    {   // The same cell twice (a back reference).
        SceneBytes s;
        s.header(2, 2, 6, 4).count(2);
        s.newClass("CCell").cell(0, 0, 1, 1, 0, 0, 1, 1, 12, 0, 0).count(0);
        s.u16(2);
        files.push_back(s.b);
    }
    {   // A combined cell among a combined cell's members.
        SceneBytes s;
        s.header(2, 2, 6, 4).count(1);
        s.newClass("CCombineCell").cell(0, 0, 1, 1, 0, 0, 0, 0, 12, 0, 2).count(0).count(1);
        s.classRef(1).cell(0, 0, 1, 1, 2, 0, 0, 0, 12, 0, 2).count(0).count(0);
        files.push_back(s.b);
    }
    {   // A PIP window holding a window of its own.
        SceneBytes s;
        s.header(2, 2, 6, 4).count(1);
        s.newClass("CPIPCell").cell(0, 0, 1, 1, 0, 0, 2, 1, 12, 0, 1).count(1);
        s.classRef(1).cell(0, 0, 1, 1, 0, 0, 3, 1, 12, 0, 1).count(0).pipTail(0, -1, -1, -1, -1);
        s.pipTail(0, -1, -1, -1, -1);
        files.push_back(s.b);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        services.log.clear();
        writeBytes(path, files[i]);
        EXPECT_FALSE(scenes.loadScene(path.c_str(), TRUE)) << i;
        EXPECT_EQ(services.log, (std::vector<std::string>{"message 非法的场景文件,加载失败!"})) << i;
        EXPECT_EQ(std::vector<CCell*>(wall.cells().begin(), wall.cells().end()), before) << i;
    }
}

TEST_F(SceneLoadTest, SendingRestoresTheSceneAndRemembersIt)
{
    writeBytes(path, goldenMixedScene());
    ASSERT_TRUE(scenes.loadScene(path.c_str(), TRUE));
    EXPECT_EQ(services.log, (std::vector<std::string>{"恢复场景 3", "recent " + path}));

    // A refused restore is reported; the scene is still taken and remembered.
    services.log.clear();
    host.recent.Empty();
    host.refuseRestore = true;
    EXPECT_TRUE(scenes.loadScene(path.c_str(), TRUE));
    EXPECT_EQ(services.log, (std::vector<std::string>{"恢复场景 3",
                                                      "message 未联机;\n错误码:0X0001",
                                                      "recent " + path}));
}

TEST_F(SceneLoadTest, LoadingWithoutSendingLeavesTheRecentSceneAlone)
{
    writeBytes(path, goldenMixedScene());
    host.recent = "older.tzs";
    ASSERT_TRUE(scenes.loadScene(path.c_str(), FALSE));
    EXPECT_EQ(host.recent, CString("older.tzs"));
    EXPECT_TRUE(services.log.empty());
}

TEST_F(SceneLoadTest, ABlankSceneAfterALoadResetsTheLoadedCellsInPlace)
{
    wall.setLayout(2, 2, host.client);  // the wall as start-up lays it out
    writeBytes(path, goldenMixedScene());
    ASSERT_TRUE(scenes.loadScene(path.c_str(), FALSE));
    ASSERT_EQ(wall.cells().GetCount(), 3);
    CCell* region = wall.cells().GetAt(0);
    CCell* plain = wall.cells().GetAt(1);
    ASSERT_TRUE(region->isMpd());

    // Same rows, columns and area: the loaded cells stay, regions and combinations go.
    scenes.resetScene();
    ASSERT_EQ(wall.cells().GetCount(), 4);
    EXPECT_EQ(wall.cells().GetAt(0), region);
    EXPECT_EQ(wall.cells().GetAt(1), plain);
    EXPECT_FALSE(region->isMpd());
    EXPECT_EQ(region->pipCount(), 0);
    EXPECT_EQ(region->inputType(), INPUT_MPD_CHANNEL);
    EXPECT_EQ(plain->inputType(), INPUT_CVBS) << "the loaded input is kept";
    EXPECT_EQ(plain->inputNo(), 5);
    std::vector<int> numbers;
    for (CCell* c : wall.cells()) {
        EXPECT_EQ(c->kind(), CELL_KIND_PLAIN);
        numbers.push_back(c->number());
    }
    EXPECT_EQ(numbers, (std::vector<int>{3, 4, 1, 2})) << "the members come back at the end";
}

TEST_F(SceneLoadTest, ABlankSceneAfterLoadingAnEmptyWallBuildsTheGrid)
{
    wall.setLayout(2, 2, host.client);
    SceneBytes s;
    s.header(2, 2, 6, 4).count(0);
    writeBytes(path, s.b);
    ASSERT_TRUE(scenes.loadScene(path.c_str(), FALSE));
    EXPECT_TRUE(wall.cells().IsEmpty());
    scenes.resetScene();
    ASSERT_EQ(wall.cells().GetCount(), 4) << "nothing to reset: a fresh grid";
    EXPECT_EQ(wall.cells().GetAt(3)->number(), 4);
}

}  // namespace
