// Byte-exact writing of the object-graph format, and reading back to the same graph and bytes.
#include "tests/unit/fx_core/ArchiveTestSupport.h"
#include "tests/unit/fx_core/TestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
class ArchiveGolden : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(CSampleBase::s_nLive, 0); }
};
}  // namespace

TEST_F(ArchiveGolden, NullsRepeatsAndSeveralClasses)
{
    CItem seven(7), eight(8);
    CNode node(3);
    node.m_children.AddTail(new CItem(9));
    CRef ref(&eight);
    const std::vector<BYTE> bytes =
        StoreList({&seven, nullptr, &eight, &seven, &node, &ref, &ref});

    TestBytes expected;
    expected.w16(7)
        .newClass(0, "CItem").w32(7)                   // class 1, object 2
        .w16(0)                                        // no object
        .w16(0x8001).w32(8)                            // object 3 of class 1
        .w16(2)                                        // object 2 again
        .newClass(1, "CNode").w16(3)                   // class 4, object 5: kind 3
        .w16(1).w16(0x8001).w32(9)                     //   children: object 6
        .newClass(2, "CRef").w16(3)                    // class 7, object 8 -> object 3
        .w16(8);                                       // object 8 again
    ASSERT_EQ(bytes, expected.bytes());

    std::vector<CObject*> back = LoadList(bytes);
    ASSERT_EQ(back.size(), 7u);
    ASSERT_TRUE(back[0]->IsKindOf(RUNTIME_CLASS(CItem)));
    EXPECT_EQ(static_cast<CItem*>(back[0])->m_value, 7);
    EXPECT_EQ(back[1], nullptr);
    EXPECT_EQ(static_cast<CItem*>(back[2])->m_value, 8);
    EXPECT_EQ(back[3], back[0]);  // the same object, not a copy
    ASSERT_TRUE(back[4]->IsKindOf(RUNTIME_CLASS(CNode)));
    CNode* n = static_cast<CNode*>(back[4]);
    EXPECT_EQ(n->m_kind, 3);
    ASSERT_EQ(n->m_children.GetCount(), 1);
    EXPECT_EQ(static_cast<CItem*>(n->m_children.GetHead())->m_value, 9);
    ASSERT_TRUE(back[5]->IsKindOf(RUNTIME_CLASS(CRef)));
    EXPECT_EQ(static_cast<CRef*>(back[5])->m_pTarget, back[2]);
    EXPECT_EQ(back[6], back[5]);

    EXPECT_EQ(StoreList(back), bytes);
    DeleteDistinct(back);
}

TEST_F(ArchiveGolden, CountsBelowAtAndAboveTheSixteenBitEscape)
{
    for (DWORD count : {0u, 1u, 0xFFFEu, 0xFFFFu, 0x10000u}) {
        const std::vector<CObject*> nulls(count, nullptr);
        const std::vector<BYTE> bytes = StoreList(nulls);
        TestBytes head;
        if (count < 0xFFFF)
            head.w16(count);
        else
            head.w16(0xFFFF).w32(count);
        ASSERT_EQ(bytes.size(), head.size() + 2 * count) << count;
        EXPECT_TRUE(std::equal(head.bytes().begin(), head.bytes().end(), bytes.begin())) << count;
        EXPECT_TRUE(std::all_of(bytes.begin() + static_cast<long>(head.size()), bytes.end(),
                                [](BYTE b) { return b == 0; }));
        const std::vector<CObject*> back = LoadList(bytes);
        EXPECT_EQ(back.size(), count);
        EXPECT_EQ(StoreList(back), bytes);
    }
}

// Indices from 0x7FFF on are written as the escape 0x7FFF and a 32-bit tag; smaller ones keep
// the 16-bit forms, also after the counter has passed 0x7FFF.
TEST_F(ArchiveGolden, IndicesPastTheSixteenBitEscape)
{
    const int items = 0x7FFE;  // objects 2 .. 0x7FFF
    std::vector<CObject*> objects;
    for (int i = 0; i < items; ++i)
        objects.push_back(new CItem(i));
    CObject* at7FFF = objects.back();
    CObject* at7FFE = objects[objects.size() - 2];
    CRef* firstRef = new CRef(at7FFF);  // class 0x8000, object 0x8001
    CRef* secondRef = new CRef(nullptr);  // object 0x8002
    std::vector<CObject*> list = objects;
    list.push_back(at7FFF);
    list.push_back(at7FFE);
    list.push_back(firstRef);
    list.push_back(secondRef);
    list.push_back(firstRef);
    list.push_back(objects.front());
    const std::vector<BYTE> bytes = StoreList(list);

    TestBytes expected;
    expected.w16(static_cast<DWORD>(list.size())).newClass(0, "CItem").w32(0);
    for (int i = 1; i < items; ++i)
        expected.w16(0x8001).w32(static_cast<DWORD>(i));
    expected.w16(0x7FFF).w32(0x7FFF)                   // object 0x7FFF again
        .w16(0x7FFE)                                    // object 0x7FFE again
        .newClass(2, "CRef").w16(0x7FFF).w32(0x7FFF)    // class 0x8000, object 0x8001
        .w16(0x7FFF).w32(0x80008000u).w16(0)            // object 0x8002 of class 0x8000
        .w16(0x7FFF).w32(0x8001)                        // object 0x8001 again
        .w16(2);                                        // the first object again
    ASSERT_EQ(bytes.size(), expected.size());
    ASSERT_EQ(bytes, expected.bytes());

    std::vector<CObject*> back = LoadList(bytes);
    ASSERT_EQ(back.size(), list.size());
    EXPECT_EQ(back[items], back[items - 1]);
    EXPECT_EQ(back[items + 1], back[items - 2]);
    EXPECT_EQ(static_cast<CRef*>(back[items + 2])->m_pTarget, back[items - 1]);
    EXPECT_TRUE(back[items + 3]->IsKindOf(RUNTIME_CLASS(CRef)));
    EXPECT_EQ(back[items + 4], back[items + 2]);
    EXPECT_EQ(back[items + 5], back[0]);
    EXPECT_EQ(StoreList(back), bytes);
    DeleteDistinct(back);
    DeleteDistinct(list);
}

// Small buffers force every field across buffer boundaries; the bytes must not change.
TEST_F(ArchiveGolden, BufferSizeDoesNotChangeTheBytes)
{
    CNode root(1);
    for (int i = 0; i < 50; ++i) {
        CNode* child = new CNode(static_cast<WORD>(i));
        child->m_children.AddTail(new CItem(i));
        root.m_children.AddTail(child);
    }
    const std::vector<BYTE> reference = StoreList({&root}, 4096);
    for (int size : {1, 16, 17, 100}) {
        EXPECT_EQ(StoreList({&root}, size), reference) << size;
        std::vector<CObject*> back = LoadList(reference, TRUE, size);
        EXPECT_EQ(StoreList(back), reference) << size;
        DeleteDistinct(back);
    }
}

// Trees of owners read with shared references refused, as scene files are.
TEST_F(ArchiveGolden, TreeOfOwnersLoadsWithSharingRefused)
{
    CNode root(2);
    CNode* region = new CNode(1);
    region->m_children.AddTail(new CItem(5));
    region->m_children.AddTail(new CItem(6));
    root.m_children.AddTail(region);
    root.m_children.AddTail(new CItem(7));
    const std::vector<BYTE> bytes = StoreList({&root, nullptr});
    std::vector<CObject*> back = LoadList(bytes, FALSE);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(StoreList(back), bytes);
    DeleteDistinct(back);
}

TEST_F(ArchiveGolden, ClassRecordsOnTheirOwn)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteClass(RUNTIME_CLASS(CNode));
        ar.WriteClass(RUNTIME_CLASS(CItem));
        ar.WriteClass(RUNTIME_CLASS(CNode));
        ar.Close();
    }
    TestBytes expected;
    expected.newClass(1, "CNode").newClass(0, "CItem").w16(0x8001);
    ASSERT_EQ(file.Data(), expected.bytes());

    CMemFile in(file.Data().data(), static_cast<UINT>(file.Data().size()));
    CArchive ar(&in, CArchive::load);
    UINT schema = 0;
    EXPECT_EQ(ar.ReadClass(nullptr, &schema), RUNTIME_CLASS(CNode));
    EXPECT_EQ(schema, 1u);
    EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CSampleBase)), RUNTIME_CLASS(CItem));
    EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CNode));
}
