// Scene files byte for byte: the golden mixed wall, round trips, deselect on save, and saves that
// fail without harming the previous file.
#include "tests/unit/scene/SceneTestSupport.h"

#include <algorithm>

namespace {

class SceneFileTest : public SceneTest {};

TEST_F(SceneFileTest, SavedMixedWallMatchesTheGoldenFile)
{
    buildMixedWall();
    const CCell* selected = wall.cells().GetAt(1);
    ASSERT_TRUE(selected->isSelected());
    const std::string path = folder.file("mixed.tzs");

    ASSERT_TRUE(scenes.saveScene(path.c_str()));
    EXPECT_EQ(readBytes(path), goldenMixedScene());
    EXPECT_FALSE(selected->isSelected()) << "saving deselects in memory too";
    EXPECT_EQ(host.recent, CString(path.c_str()));
    EXPECT_EQ(services.log, (std::vector<std::string>{"recent " + path}));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"mixed.tzs"})) << "no temporary left";
}

TEST_F(SceneFileTest, GoldenFileLoadsIntoTheWallItDescribes)
{
    const std::string path = folder.file("golden.tzs");
    writeBytes(path, goldenMixedScene());
    ASSERT_TRUE(scenes.loadScene(path.c_str(), FALSE));

    const CCellList& cells = wall.cells();
    ASSERT_EQ(cells.GetCount(), 3);
    const CCell* region = cells.GetAt(0);
    EXPECT_EQ(region->GetRuntimeClass(), RUNTIME_CLASS(CCell));
    EXPECT_TRUE(region->isMpd());
    EXPECT_EQ(region->number(), 3);
    EXPECT_EQ(region->parent(), nullptr);
    ASSERT_EQ(region->pipCount(), 2);
    const CPIPCell* window = static_cast<const CPIPCell*>(region->pips().GetAt(1));
    EXPECT_EQ(window->GetRuntimeClass(), RUNTIME_CLASS(CPIPCell));
    EXPECT_EQ(window->parent(), region);
    EXPECT_EQ(window->number(), 3);
    EXPECT_EQ(window->inputType(), INPUT_DVI);
    EXPECT_EQ(window->transparency(), 5);
    int x, y, w, h;
    window->deviceRect(&x, &y, &w, &h);
    EXPECT_EQ(x, 960);
    EXPECT_EQ(h, 540);

    const CCell* plain = cells.GetAt(1);
    EXPECT_EQ(plain->inputType(), INPUT_CVBS);
    EXPECT_EQ(plain->inputNo(), 5);

    ASSERT_EQ(cells.GetAt(2)->GetRuntimeClass(), RUNTIME_CLASS(CCombineCell));
    const CCombineCell* combined = static_cast<const CCombineCell*>(cells.GetAt(2));
    ASSERT_EQ(combined->members().GetCount(), 2);
    for (const CCell* m : combined->members()) {
        EXPECT_EQ(m->parent(), combined);
        EXPECT_TRUE(m->isMember());
    }
    EXPECT_EQ(combined->members().GetAt(1)->rect(), (WallRect{200, 0, 400, 150}));

    // The header's values went into the working copy; nothing was sent or remembered.
    EXPECT_EQ(host.working.mpdCount, 4);
    EXPECT_EQ(host.working.resolution, 6);
    EXPECT_TRUE(services.log.empty());
    EXPECT_TRUE(host.recent.IsEmpty());
    EXPECT_EQ(host.interactionClears, 1);
}

TEST_F(SceneFileTest, ReSavingALoadedFileGivesIdenticalBytes)
{
    const std::string in = folder.file("in.tzs");
    const std::string out = folder.file("out.tzs");
    writeBytes(in, goldenMixedScene());
    ASSERT_TRUE(scenes.loadScene(in.c_str(), FALSE));
    ASSERT_TRUE(scenes.saveScene(out.c_str()));
    EXPECT_EQ(readBytes(out), goldenMixedScene());
}

TEST_F(SceneFileTest, LargestWallRoundTrips)
{
    host.configured = {127, 127, 6, 17};
    host.working = host.configured;
    services.mpd = 17;
    wall.setLayout(127, 127, {0, 0, 127 * 20, 127 * 20});
    CCell* region = wall.cells().GetAt(0);
    region->setMpd(TRUE);
    for (int i = 0; i < 16; ++i)
        ASSERT_NE(wall.addPipTo(region), nullptr);
    const std::string first = folder.file("big1.tzs");
    const std::string second = folder.file("big2.tzs");
    ASSERT_TRUE(scenes.saveScene(first.c_str()));
    ASSERT_TRUE(scenes.loadScene(first.c_str(), FALSE));
    ASSERT_EQ(wall.cells().GetCount(), 127 * 127);
    EXPECT_EQ(wall.cells().GetAt(0)->pipCount(), 16);
    EXPECT_EQ(wall.cells().GetAt(127 * 127 - 1)->number(), 127 * 127);
    ASSERT_TRUE(scenes.saveScene(second.c_str()));
    EXPECT_EQ(readBytes(first), readBytes(second));
}

// A window class that cannot be stored: writing it fails in the middle of the file.
class CUnstorablePip : public CPIPCell {
    DECLARE_DYNAMIC(CUnstorablePip)
};
IMPLEMENT_DYNAMIC(CUnstorablePip, CPIPCell)

TEST_F(SceneFileTest, FailureMidWriteKeepsThePreviousFile)
{
    const std::string path = folder.file("keep.tzs");
    const Bytes previous = goldenMixedScene();
    writeBytes(path, previous);
    host.recent = "earlier.tzs";

    // Enough cells before the bad one that the archive has already written to the file.
    wall.setLayout(20, 20, {0, 0, 400, 400});
    CCell* last = wall.cells().GetTail();
    last->setMpd(TRUE);
    last->addPip(new CUnstorablePip);

    EXPECT_FALSE(scenes.saveScene(path.c_str()));
    EXPECT_EQ(readBytes(path), previous);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"keep.tzs"}));
    EXPECT_EQ(services.log, (std::vector<std::string>{"message 保存场景文件失败!"}));
    EXPECT_EQ(host.recent, CString("earlier.tzs"));

    // The save at exit fails the same way, without a word.
    services.log.clear();
    EXPECT_FALSE(scenes.saveSceneSilently(path.c_str()));
    EXPECT_EQ(readBytes(path), previous);
    EXPECT_TRUE(services.log.empty());
}

TEST_F(SceneFileTest, SaveIntoAMissingFolderIsReported)
{
    wall.setLayout(2, 2, host.client);
    const std::string path = folder.file("missing") + "/x.tzs";
    EXPECT_FALSE(scenes.saveScene(path.c_str()));
    EXPECT_EQ(services.log, (std::vector<std::string>{"message 保存场景文件失败!"}));
}

}  // namespace
