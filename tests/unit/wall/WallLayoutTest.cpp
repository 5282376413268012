// Grid layout, selection, combining and decomposing on the wall.
#include "tests/unit/wall/FakeWallServices.h"

#include <gtest/gtest.h>

namespace {

class WallLayoutTest : public ::testing::Test {
protected:
    FakeWallServices services;
    ScopedWallServices installed{&services};
    RecordingSink sink;
    CCellObjImp wall;

    void SetUp() override { wall.setViewSink(&sink); }

    CCell* cell(int i) const { return wall.cells().GetAt(i); }
};

TEST_F(WallLayoutTest, GridNumbersCellsRowByRowWithIntegerCellSize)
{
    wall.setLayout(3, 2, {0, 0, 100, 51});
    ASSERT_EQ(wall.cells().GetCount(), 6);
    EXPECT_EQ(wall.cellWidth(), 33);
    EXPECT_EQ(wall.cellHeight(), 25);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(cell(i)->number(), i + 1);
        EXPECT_EQ(cell(i)->order(), i + 1);
        EXPECT_EQ(cell(i)->inputType(), INPUT_NONE);
        EXPECT_EQ(cell(i)->kind(), CELL_KIND_PLAIN);
    }
    EXPECT_EQ(cell(4)->rect(), (WallRect{33, 25, 66, 50}));
    EXPECT_EQ(cell(5)->rect(), (WallRect{66, 25, 99, 50}));
}

TEST_F(WallLayoutTest, ZeroOrNegativeColumnsAndRowsBecomeOne)
{
    wall.setLayout(0, -3, {0, 0, 80, 60});
    ASSERT_EQ(wall.cells().GetCount(), 1);
    EXPECT_EQ(cell(0)->rect(), (WallRect{0, 0, 80, 60}));
}

TEST_F(WallLayoutTest, SameGridIsResetInPlaceAnotherIsRebuilt)
{
    wall.setLayout(2, 2, {0, 0, 200, 200});
    CCell* first = cell(0);
    cell(3)->setInputType(INPUT_DVI);
    cell(2)->setMpd(TRUE);
    wall.addPipTo(cell(2));
    wall.select(cell(0), FALSE);
    wall.select(cell(1), TRUE);
    ASSERT_NE(wall.combineSelected(cell(0)), nullptr);
    services.log.clear();

    wall.setLayout(2, 2, {0, 0, 200, 200});
    EXPECT_EQ(wall.cells().GetCount(), 4);
    int plain = 0;
    for (CCell* c : wall.cells()) {
        EXPECT_EQ(c->kind(), CELL_KIND_PLAIN);
        EXPECT_FALSE(c->isMpd());
        EXPECT_FALSE(c->isMember());
        EXPECT_TRUE(c->pips().IsEmpty());
        ++plain;
    }
    EXPECT_EQ(plain, 4);
    EXPECT_NE(wall.cells().Find(first), -1) << "in place: the panel cells survive";
    EXPECT_TRUE(services.log.empty()) << "a layout reset sends nothing";

    // A different column count over the same area builds a new grid.
    wall.setLayout(4, 2, {0, 0, 200, 200});
    EXPECT_EQ(wall.cells().GetCount(), 8);
    EXPECT_EQ(cell(7)->rect(), (WallRect{150, 100, 200, 200}));
}

TEST_F(WallLayoutTest, CellAtFindsTopmostVisibleCell)
{
    wall.setLayout(2, 1, {0, 0, 100, 50});
    EXPECT_EQ(wall.cellAt({10, 10}), cell(0));
    EXPECT_EQ(wall.cellAt({50, 10}), cell(1));
    EXPECT_EQ(wall.cellAt({100, 10}), nullptr);
}

TEST_F(WallLayoutTest, SelectionRepaintsAndRubberBandRules)
{
    wall.setLayout(3, 1, {0, 0, 300, 100});
    sink.rects.clear();
    wall.select(cell(1), FALSE);
    EXPECT_TRUE(cell(1)->isSelected());
    ASSERT_EQ(sink.rects.size(), 1u);
    EXPECT_EQ(sink.rects[0], cell(1)->rect());

    wall.selectInRect({50, 10, 250, 20});
    EXPECT_TRUE(cell(0)->isSelected());
    EXPECT_TRUE(cell(1)->isSelected());
    EXPECT_TRUE(cell(2)->isSelected());

    // A band that touches an MPD region selects nothing.
    wall.deselectAll();
    cell(2)->setMpd(TRUE);
    wall.selectInRect({50, 10, 250, 20});
    for (CCell* c : wall.cells())
        EXPECT_FALSE(c->isSelected());
}

TEST_F(WallLayoutTest, CombineTakesUnionSortsMembersAndAppliesPrimaryInput)
{
    wall.setLayout(2, 2, {0, 0, 200, 100});
    CCell* c1 = cell(0);
    CCell* c2 = cell(1);
    CCell* c3 = cell(2);
    CCell* c4 = cell(3);
    c4->setInputType(INPUT_CVBS);
    c4->setInputNo(7);
    // Selected out of position order: the members are sorted by top, then left.
    wall.select(c4, FALSE);
    wall.select(c2, TRUE);
    wall.select(c3, TRUE);
    wall.select(c1, TRUE);
    ASSERT_TRUE(wall.canCombine());
    CCombineCell* combined = wall.combineSelected(c4);
    ASSERT_NE(combined, nullptr);

    ASSERT_EQ(wall.cells().GetCount(), 1);
    EXPECT_EQ(wall.cells().GetAt(0), combined);
    EXPECT_EQ(combined->rect(), (WallRect{0, 0, 200, 100}));
    ASSERT_EQ(combined->members().GetCount(), 4);
    const CCell* expected[] = {c1, c2, c3, c4};
    for (int i = 0; i < 4; ++i) {
        const CCell* m = combined->members().GetAt(i);
        EXPECT_EQ(m, expected[i]);
        EXPECT_EQ(m->order(), i + 1);
        EXPECT_EQ(m->flags(), static_cast<DWORD>(CELL_FLAG_MEMBER));
        EXPECT_EQ(m->parent(), combined);
        EXPECT_EQ(m->inputType(), INPUT_CVBS);
        EXPECT_EQ(m->inputNo(), 7);
    }
    EXPECT_EQ(combined->inputType(), INPUT_CVBS);
    EXPECT_FALSE(combined->isMpd());
    EXPECT_EQ(wall.cellAt({150, 80}), combined);
    EXPECT_EQ(combined->label(), CString("MPD"));
}

TEST_F(WallLayoutTest, CombineIsRefusedForOneCellOrWithRegionOrCombinedCell)
{
    wall.setLayout(3, 1, {0, 0, 300, 100});
    wall.select(cell(0), FALSE);
    EXPECT_FALSE(wall.canCombine());
    EXPECT_EQ(wall.combineSelected(cell(0)), nullptr);

    cell(1)->setMpd(TRUE);
    wall.select(cell(1), TRUE);
    EXPECT_FALSE(wall.canCombine());
    EXPECT_EQ(wall.combineSelected(cell(0)), nullptr);
    EXPECT_EQ(wall.cells().GetCount(), 3);
}

TEST_F(WallLayoutTest, DecomposeAfterDeviceConfirmsReturnsMembers)
{
    wall.setLayout(2, 1, {0, 0, 200, 100});
    wall.select(cell(0), FALSE);
    wall.select(cell(1), TRUE);
    CCombineCell* combined = wall.combineSelected(cell(0));
    ASSERT_NE(combined, nullptr);
    combined->setMpd(TRUE);
    wall.addPipTo(combined);
    services.log.clear();
    sink.rects.clear();

    ASSERT_TRUE(wall.decomposeCombined(combined));
    EXPECT_EQ(services.log, (std::vector<std::string>{"屏幕分解 2"}));
    ASSERT_EQ(wall.cells().GetCount(), 2);
    for (CCell* c : wall.cells()) {
        EXPECT_EQ(c->flags(), 0u);
        EXPECT_EQ(c->parent(), nullptr);
    }
    ASSERT_FALSE(sink.rects.empty());
    EXPECT_EQ(sink.rects.back(), (WallRect{-5, -5, 205, 105}));
}

TEST_F(WallLayoutTest, RefusedDecomposeShowsResultAndChangesNothing)
{
    wall.setLayout(2, 1, {0, 0, 200, 100});
    wall.select(cell(0), FALSE);
    wall.select(cell(1), TRUE);
    CCombineCell* combined = wall.combineSelected(cell(0));
    services.refuseDecompose = true;
    EXPECT_FALSE(wall.decomposeCombined(combined));
    EXPECT_EQ(services.log,
              (std::vector<std::string>{"屏幕分解 2", "message 通讯失败;\n错误码:0X0003"}));
    ASSERT_EQ(wall.cells().GetCount(), 1);
    EXPECT_EQ(combined->members().GetCount(), 2);

    // Only a combined cell decomposes.
    services.log.clear();
    wall.setLayout(2, 1, {0, 0, 200, 100});
    EXPECT_FALSE(wall.decomposeCombined(cell(0)));
    EXPECT_TRUE(services.log.empty());
}

TEST_F(WallLayoutTest, MpdStateAndInputs)
{
    wall.setLayout(2, 1, {0, 0, 200, 100});
    CCell* region = cell(0);
    region->setInputType(INPUT_DVI);
    region->setMpd(TRUE);
    EXPECT_TRUE(region->isMpd());
    EXPECT_EQ(region->inputType(), INPUT_NONE);
    EXPECT_EQ(region->label(), CString(""));
    wall.addPipTo(region);
    wall.addPipTo(region);
    services.log.clear();

    region->setMpd(FALSE);
    EXPECT_EQ(services.log, (std::vector<std::string>{"关PIP 2", "关PIP 3"}));
    EXPECT_FALSE(region->isMpd());
    EXPECT_TRUE(region->pips().IsEmpty());
    EXPECT_EQ(region->inputType(), INPUT_MPD_CHANNEL);
    EXPECT_EQ(region->inputNo(), 0);

    // A combined cell passes inputs to its members, and becoming a region zeroes theirs.
    wall.select(cell(0), FALSE);
    wall.select(cell(1), TRUE);
    CCombineCell* combined = wall.combineSelected(cell(0));
    ASSERT_NE(combined, nullptr);
    combined->setInputType(INPUT_VGA);
    combined->setInputNo(3);
    for (CCell* m : combined->members()) {
        EXPECT_EQ(m->inputType(), INPUT_VGA);
        EXPECT_EQ(m->inputNo(), 3);
    }
    combined->setMpd(TRUE);
    EXPECT_EQ(combined->inputType(), INPUT_NONE);
    for (CCell* m : combined->members()) {
        EXPECT_EQ(m->inputType(), 0);
        EXPECT_EQ(m->inputNo(), 0);
    }
}

TEST_F(WallLayoutTest, InputTextsAndLabels)
{
    EXPECT_EQ(CCell::inputText(0, 0), CString("MPD通道"));
    EXPECT_EQ(CCell::inputText(1, 0), CString("主视频"));
    EXPECT_EQ(CCell::inputText(2, 0), CString("本地VGA"));
    EXPECT_EQ(CCell::inputText(2, 5), CString("M2-5"));
    EXPECT_EQ(CCell::inputText(3, 0), CString("本地视频"));
    EXPECT_EQ(CCell::inputText(3, 9), CString("M3-9"));
    EXPECT_EQ(CCell::inputText(4, 0), CString("TTL"));
    EXPECT_EQ(CCell::inputText(5, 0), CString("本地YUV"));
    EXPECT_EQ(CCell::inputText(6, 0), CString("本地DVI"));
    EXPECT_EQ(CCell::inputText(6, 2), CString("M6-2"));
    EXPECT_EQ(CCell::inputText(12, 0), CString(""));

    CPIPCell pip;
    pip.setNumber(3);
    pip.setInputType(INPUT_DVI);
    EXPECT_EQ(pip.label(), CString("MPD2 本地DVI"));
    CCell plain;
    EXPECT_EQ(plain.label(), CString("MPD"));
}

}  // namespace
