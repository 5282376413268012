#include "fx/core/Archive.h"
#include "fx/core/Collections.h"
#include "tests/unit/fx_core/SampleObjects.h"
#include "tests/unit/fx_core/TestBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
std::vector<std::intptr_t> Contents(const CPtrList& list)
{
    std::vector<std::intptr_t> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back(reinterpret_cast<std::intptr_t>(list.GetNext(pos)));
    return out;
}
void* P(std::intptr_t v) { return reinterpret_cast<void*>(v); }
}  // namespace

TEST(PtrList, NodesComeInGrowthBlocksAndAreReused)
{
    CPtrList list(10);
    EXPECT_EQ(list.GetBlockCount(), 0);
    for (std::intptr_t i = 1; i <= 10; ++i)
        list.AddTail(P(i));
    EXPECT_EQ(list.GetBlockCount(), 1);
    list.AddTail(P(11));
    EXPECT_EQ(list.GetBlockCount(), 2);

    // Freed nodes are used again before a new block is taken.
    list.RemoveHead();
    list.RemoveTail();
    list.AddHead(P(0));
    list.AddTail(P(12));
    EXPECT_EQ(list.GetBlockCount(), 2);
    EXPECT_EQ(list.GetCount(), 11);

    // Emptying the list gives every block back.
    while (!list.IsEmpty())
        list.RemoveHead();
    EXPECT_EQ(list.GetBlockCount(), 0);
    list.AddTail(P(1));
    EXPECT_EQ(list.GetBlockCount(), 1);
    list.RemoveAll();
    EXPECT_EQ(list.GetBlockCount(), 0);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(PtrList, OrderedOperations)
{
    CPtrList list;
    EXPECT_EQ(list.GetBlockSize(), 10);
    const POSITION two = list.AddTail(P(2));
    list.AddHead(P(1));
    list.AddTail(P(4));
    list.InsertAfter(two, P(3));
    list.InsertBefore(list.GetHeadPosition(), P(0));
    list.InsertAfter(nullptr, P(5));
    EXPECT_EQ(Contents(list), (std::vector<std::intptr_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(list.GetHead(), P(0));
    EXPECT_EQ(list.GetTail(), P(5));

    EXPECT_EQ(list.Find(P(3)), list.FindIndex(3));
    EXPECT_EQ(list.Find(P(2), list.Find(P(2))), nullptr);
    EXPECT_EQ(list.FindIndex(6), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);

    list.RemoveAt(two);
    list.SetAt(list.FindIndex(0), P(9));
    EXPECT_EQ(Contents(list), (std::vector<std::intptr_t>{9, 1, 3, 4, 5}));

    POSITION pos = list.GetTailPosition();
    std::vector<std::intptr_t> backwards;
    while (pos != nullptr)
        backwards.push_back(reinterpret_cast<std::intptr_t>(list.GetPrev(pos)));
    EXPECT_EQ(backwards, (std::vector<std::intptr_t>{5, 4, 3, 1, 9}));

    CPtrList other;
    other.AddTail(P(7));
    other.AddTail(P(8));
    list.AddTail(&other);
    list.AddHead(&other);
    EXPECT_EQ(Contents(list), (std::vector<std::intptr_t>{7, 8, 9, 1, 3, 4, 5, 7, 8}));
}

TEST(PtrList, HeadOfAnEmptyListRaisesInsteadOfCrashing)
{
    CPtrList list;
    bool thrown = false;
    try {
        list.RemoveHead();
    } catch (CException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST(ObList, SerializesAsAnObjectList)
{
    CItem a(1), b(2);
    CObList list;
    list.AddTail(&a);
    list.AddTail(nullptr);
    list.AddTail(&b);
    list.AddTail(&a);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        list.Serialize(ar);
        ar.Close();
    }
    TestBytes expected;
    expected.w16(4).newClass(0, "CItem").w32(1).w16(0).w16(0x8001).w32(2).w16(2);
    EXPECT_EQ(file.Data(), expected.bytes());

    CMemFile in(file.Data().data(), static_cast<UINT>(file.Data().size()));
    CArchive ar(&in, CArchive::load);
    CObList back;
    back.Serialize(ar);
    ASSERT_EQ(back.GetCount(), 4);
    CObject* first = back.GetHead();
    EXPECT_EQ(static_cast<CItem*>(first)->m_value, 1);
    EXPECT_EQ(back.GetAt(back.FindIndex(1)), nullptr);
    EXPECT_EQ(back.GetTail(), first);  // the same object, not a copy
    delete back.GetAt(back.FindIndex(2));
    delete first;
}
