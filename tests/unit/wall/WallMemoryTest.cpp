// Running out of memory while the wall builds cells: the wall stays as it was. The model makes
// its cells with the non-throwing new, which this test program replaces so that it can fail on
// a chosen call.
#include "tests/unit/wall/FakeWallServices.h"

#include <gtest/gtest.h>

#include <new>
#include <vector>

namespace {

// Calls of the non-throwing new still to succeed before the next one fails; -1 never fails.
int g_nothrowCallsLeft = -1;

class NothrowNewFailsAfter {
public:
    explicit NothrowNewFailsAfter(int calls) { g_nothrowCallsLeft = calls; }
    ~NothrowNewFailsAfter() { g_nothrowCallsLeft = -1; }
};

}  // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (g_nothrowCallsLeft == 0)
        return nullptr;
    if (g_nothrowCallsLeft > 0)
        --g_nothrowCallsLeft;
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

class WallMemoryTest : public ::testing::Test {
protected:
    FakeWallServices services;
    ScopedWallServices installed{&services};
    RecordingSink sink;
    CCellObjImp wall;

    void SetUp() override { wall.setViewSink(&sink); }

    std::vector<CCell*> cells() const { return {wall.cells().begin(), wall.cells().end()}; }
};

TEST_F(WallMemoryTest, AGridThatCannotBeBuiltLeavesTheOldOne)
{
    ASSERT_TRUE(wall.setLayout(2, 2, {0, 0, 200, 200}));
    wall.cells().GetAt(1)->setInputType(INPUT_DVI);
    const std::vector<CCell*> before = cells();
    // The first, a middle and the last of the nine cells fail in turn.
    for (int made : {0, 4, 8}) {
        {
            NothrowNewFailsAfter failing(made);
            EXPECT_FALSE(wall.setLayout(3, 3, {0, 0, 300, 300})) << made;
        }
        EXPECT_EQ(cells(), before) << made;
        EXPECT_EQ(wall.columns(), 2);
        EXPECT_EQ(wall.rows(), 2);
        EXPECT_EQ(wall.wallRect(), (WallRect{0, 0, 200, 200}));
        EXPECT_EQ(wall.cellWidth(), 100);
        EXPECT_EQ(wall.cells().GetAt(1)->inputType(), INPUT_DVI);
    }
    // With memory the same call builds the new grid.
    ASSERT_TRUE(wall.setLayout(3, 3, {0, 0, 300, 300}));
    EXPECT_EQ(wall.cells().GetCount(), 9);
    EXPECT_EQ(wall.cells().GetAt(8)->number(), 9);
    EXPECT_EQ(wall.cells().GetAt(8)->rect(), (WallRect{200, 200, 300, 300}));
}

TEST_F(WallMemoryTest, AWallBuiltOnlyOnceTheFirstGridIsComplete)
{
    {
        NothrowNewFailsAfter failing(3);
        EXPECT_FALSE(wall.setLayout(2, 2, {0, 0, 200, 200}));
    }
    EXPECT_TRUE(wall.cells().IsEmpty());
    EXPECT_EQ(wall.columns(), 0) << "no grid, so the next layout builds";
    ASSERT_TRUE(wall.setLayout(2, 2, {0, 0, 200, 200}));
    EXPECT_EQ(wall.cells().GetCount(), 4);
}

}  // namespace
