// A real wall for the command tests: 4 columns by 2 rows of 200 x 200 view pixels, panels numbered
// 1..8 left to right, top to bottom, with the helpers the tests use to shape it.
#pragma once

#include "app/core/wall/Cell.h"
#include "tests/unit/command/CommandTestSupport.h"

class WallTest : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        wall.setLayout(4, 2, WallRect{0, 0, 800, 400});
    }

    // The top-level cell with this number.
    CCell* Panel(int number)
    {
        for (CCell* cell : wall.cells())
            if (cell->number() == number && cell->getKind() == CELL_KIND_PLAIN)
                return cell;
        return nullptr;
    }

    // Combines the panels given; the first is the primary cell.
    CCombineCell* Combine(std::initializer_list<int> numbers)
    {
        wall.deselectAll();
        CCell* primary = nullptr;
        for (int n : numbers) {
            CCell* cell = Panel(n);
            if (!primary)
                primary = cell;
            wall.select(cell, TRUE);
        }
        CCombineCell* combined = wall.combineSelected(primary);
        wall.deselectAll();
        return combined;
    }

    // A PIP window in a region, placed by the wall model (its commands are not recorded).
    CPIPCell* AddPip(CCell* region, int inputType = 12, int transparency = 0)
    {
        CPIPCell* pip = wall.addPipTo(region);
        if (pip) {
            pip->setInputType(inputType);
            pip->setTransparency(transparency);
        }
        link.Clear();
        return pip;
    }

    CCellObjImp wall;
};
