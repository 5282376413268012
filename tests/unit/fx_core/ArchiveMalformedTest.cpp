// Reading malformed input: every fault raises CArchiveException with its cause, and nothing
// read before the fault is left alive.
#include "tests/unit/fx_core/ArchiveTestSupport.h"
#include "tests/unit/fx_core/TestBytes.h"

#include <gtest/gtest.h>

// A node that goes on reading its list after a child failed to read, counting the failures: what
// a lenient reader could do, and what the archive must stay safe under.
class CForgivingNode : public CNode {
    DECLARE_SERIAL(CForgivingNode)
public:
    void Serialize(CArchive& ar) override
    {
        for (DWORD n = ar.ReadCount(); n > 0; --n) {
            try {
                m_children.AddTail(ar.ReadObject(RUNTIME_CLASS(CSampleBase)));
            } catch (CArchiveException* e) {
                e->Delete();
                ++m_nFailures;
            }
        }
    }
    int m_nFailures = 0;
};
IMPLEMENT_SERIAL(CForgivingNode, CNode, 0)

namespace {
class ArchiveMalformed : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(CSampleBase::s_nLive, 0); }
};

std::vector<BYTE> SmallFile()
{
    CItem seven(7);
    CNode node(3);
    CNode* inner = new CNode(4);
    inner->m_children.AddTail(new CItem(1));
    node.m_children.AddTail(inner);
    node.m_children.AddTail(nullptr);
    node.m_children.AddTail(new CItem(2));
    CRef ref(&seven);
    return StoreList({&seven, &node, nullptr, &ref, &seven});
}
}  // namespace

TEST_F(ArchiveMalformed, EveryTruncationRaises)
{
    const std::vector<BYTE> whole = SmallFile();
    ASSERT_EQ(LoadCause(whole), -1);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const std::vector<BYTE> part(whole.begin(), whole.begin() + static_cast<long>(cut));
        const int cause = LoadCause(part);
        // The data ends inside a record, or a count promises more than is left.
        EXPECT_TRUE(cause == CArchiveException::endOfFile || cause == CArchiveException::badIndex)
            << "cut at " << cut << " cause " << cause;
        ASSERT_EQ(CSampleBase::s_nLive, 0) << "cut at " << cut;
    }
}

TEST_F(ArchiveMalformed, ReferencesToIndicesNotGiven)
{
    // Back reference before anything was numbered.
    EXPECT_EQ(LoadCause(TestBytes().w16(1).w16(1).bytes()), CArchiveException::badIndex);
    EXPECT_EQ(LoadCause(TestBytes().w16(1).w16(0x7FFF).w32(3).bytes()),
              CArchiveException::badIndex);
    // Object of a class index not given, and of class index 0.
    EXPECT_EQ(LoadCause(TestBytes().w16(1).w16(0x8001).w32(0).bytes()),
              CArchiveException::badIndex);
    EXPECT_EQ(LoadCause(TestBytes().w16(1).w16(0x8000).bytes()), CArchiveException::badIndex);
    EXPECT_EQ(LoadCause(TestBytes().w16(1).w16(0x7FFF).w32(0xFFFFFFFFu).bytes()),
              CArchiveException::badIndex);
    // Index 1 is a class: it cannot stand for an object, and index 2 (an object) not for a class.
    TestBytes classAsObject;
    classAsObject.w16(2).newClass(0, "CItem").w32(5).w16(1);
    EXPECT_EQ(LoadCause(classAsObject.bytes()), CArchiveException::badIndex);
    TestBytes objectAsClass;
    objectAsClass.w16(2).newClass(0, "CItem").w32(5).w16(0x8002).w32(6);
    EXPECT_EQ(LoadCause(objectAsClass.bytes()), CArchiveException::badIndex);
}

TEST_F(ArchiveMalformed, BadClassRecords)
{
    EXPECT_EQ(LoadCause(TestBytes().w16(1).newClass(0, "CNothing").w32(0).bytes()),
              CArchiveException::badClass);
    EXPECT_EQ(LoadCause(TestBytes().w16(1).newClass(0, "citem").w32(0).bytes()),
              CArchiveException::badClass);
    // Known to the program but not serialisable.
    EXPECT_EQ(LoadCause(TestBytes().w16(1).newClass(0xFFFF, "CSampleBase").bytes()),
              CArchiveException::badClass);
    EXPECT_EQ(LoadCause(TestBytes().w16(1).newClass(0, "").bytes()), CArchiveException::badClass);
    // A name longer than any class name, claimed but not present.
    EXPECT_EQ(LoadCause(TestBytes().w16(1).w16(0xFFFF).w16(0).w16(60000).bytes()),
              CArchiveException::badClass);
    EXPECT_EQ(LoadCause(TestBytes().w16(1).newClass(0, std::string(65, 'C').c_str()).bytes()),
              CArchiveException::badClass);
    // The right class with another schema.
    EXPECT_EQ(LoadCause(TestBytes().w16(1).newClass(5, "CItem").w32(0).bytes()),
              CArchiveException::badSchema);
    EXPECT_EQ(LoadCause(TestBytes().w16(1).newClass(0, "CNode").w16(0).w16(0).bytes()),
              CArchiveException::badSchema);
}

TEST_F(ArchiveMalformed, ObjectOfAnotherClassThanAsked)
{
    const auto readItem = [](const TestBytes& bytes) {
        CMemFile file(bytes.bytes().data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        CItem* item = nullptr;
        CObject* first = nullptr;
        int cause = -1;
        try {
            ar >> first;  // whatever comes first, of any class
            ar >> item;   // must be a CItem
        } catch (CArchiveException* e) {
            cause = e->m_cause;
            e->Delete();
        }
        delete first;
        delete item;
        return cause;
    };
    TestBytes newNode;
    newNode.newClass(0, "CItem").w32(1).newClass(1, "CNode").w16(0).w16(0);
    EXPECT_EQ(readItem(newNode), CArchiveException::badClass);
    TestBytes nodeAgain;
    nodeAgain.newClass(1, "CNode").w16(0).w16(0).w16(0x8001).w16(0).w16(0);
    EXPECT_EQ(readItem(nodeAgain), CArchiveException::badClass);
    TestBytes backToNode;
    backToNode.newClass(1, "CNode").w16(0).w16(0).w16(2);
    EXPECT_EQ(readItem(backToNode), CArchiveException::badClass);
    TestBytes items;
    items.newClass(0, "CItem").w32(1).w16(0x8001).w32(2);
    EXPECT_EQ(readItem(items), -1);
}

TEST_F(ArchiveMalformed, CountsBeyondTheDataAreRefusedBeforeAnyWork)
{
    EXPECT_EQ(LoadCause(TestBytes().w16(0xFFFF).w32(0xFFFFFFFFu).bytes()),
              CArchiveException::badIndex);
    EXPECT_EQ(LoadCause(TestBytes().w16(5).w16(0).w16(0).bytes()), CArchiveException::badIndex);
    TestBytes nested;
    nested.w16(1).newClass(1, "CNode").w16(0).w16(0xFFFF).w32(0x7FFFFFFF);
    EXPECT_EQ(LoadCause(nested.bytes()), CArchiveException::badIndex);
}

TEST_F(ArchiveMalformed, NestingDepthIsBounded)
{
    const auto chain = [](int depth) {
        CNode* root = new CNode(0);
        CNode* at = root;
        for (int i = 1; i < depth; ++i) {
            CNode* next = new CNode(static_cast<WORD>(i));
            at->m_children.AddTail(next);
            at = next;
        }
        std::vector<BYTE> bytes = StoreList({root});
        delete root;
        return bytes;
    };
    EXPECT_EQ(LoadCause(chain(CArchive::kDefaultMaxDepth)), -1);
    EXPECT_EQ(LoadCause(chain(CArchive::kDefaultMaxDepth + 1)),
              CArchiveException::genericException);
    EXPECT_EQ(LoadCause(chain(5000)), CArchiveException::genericException);
}

TEST_F(ArchiveMalformed, AnObjectCannotContainItself)
{
    // Node (object 2) whose child list refers back to object 2 while it is being read.
    TestBytes bytes;
    bytes.w16(1).newClass(1, "CNode").w16(0).w16(2).w16(0x8001).w16(0).w16(0).w16(2);
    EXPECT_EQ(LoadCause(bytes.bytes()), CArchiveException::badIndex);
}

TEST_F(ArchiveMalformed, SharedReferencesRefusedWhenReadingATree)
{
    TestBytes bytes;
    bytes.w16(2).newClass(0, "CItem").w32(1).w16(2);
    EXPECT_EQ(LoadCause(bytes.bytes(), TRUE), -1);
    EXPECT_EQ(LoadCause(bytes.bytes(), FALSE), CArchiveException::badIndex);
    // A node that holds an item already owned elsewhere.
    TestBytes owned;
    owned.w16(2).newClass(0, "CItem").w32(1).newClass(1, "CNode").w16(0).w16(1).w16(2);
    EXPECT_EQ(LoadCause(owned.bytes(), FALSE), CArchiveException::badIndex);
}

TEST_F(ArchiveMalformed, EscapedTagsForSmallIndicesAreAccepted)
{
    TestBytes bytes;
    bytes.w16(3).newClass(0, "CItem").w32(1).w16(0x7FFF).w32(0x80000001u).w32(2)
        .w16(0x7FFF).w32(2);
    std::vector<CObject*> back = LoadList(bytes.bytes());
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(static_cast<CItem*>(back[1])->m_value, 2);
    EXPECT_EQ(back[2], back[0]);
    DeleteDistinct(back);
}

TEST_F(ArchiveMalformed, WrongDirection)
{
    CMemFile file;
    CArchive store(&file, CArchive::store);
    int cause = -1;
    try {
        BYTE b;
        store >> b;
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::writeOnly);

    const BYTE data[2] = {0, 0};
    CMemFile in(data, 2);
    CArchive load(&in, CArchive::load);
    cause = -1;
    try {
        load << static_cast<BYTE>(1);
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::readOnly);
}

TEST_F(ArchiveMalformed, NothingReadInsideAFailedObjectCanBeReferredToLater)
{
    // A lenient node (object 2) reads two children: node 4, which holds item 6 and then fails on
    // an unknown class (deleting itself and item 6), and then a reference back to item 6.
    TestBytes bytes;
    bytes.w16(1).newClass(0, "CForgivingNode").w16(2);
    bytes.newClass(1, "CNode").w16(0).w16(2).newClass(0, "CItem").w32(9).newClass(0, "CNothing");
    bytes.w16(6);
    std::vector<CObject*> back = LoadList(bytes.bytes());
    ASSERT_EQ(back.size(), 1u);
    CForgivingNode* lenient = static_cast<CForgivingNode*>(back[0]);
    EXPECT_EQ(lenient->m_nFailures, 2);
    EXPECT_TRUE(lenient->m_children.IsEmpty());
    EXPECT_EQ(CSampleBase::s_nLive, 1);
    DeleteDistinct(back);
}

TEST_F(ArchiveMalformed, LoadPositionIsWhereTheReaderStands)
{
    TestBytes bytes;
    bytes.w16(1).newClass(0, "CItem").w32(5).w16(0x1234);
    CMemFile file(bytes.bytes().data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, 16);
    EXPECT_EQ(ar.GetLoadPosition(), 0u);
    EXPECT_EQ(ar.ReadCount(), 1u);
    EXPECT_EQ(ar.GetLoadPosition(), 2u);
    delete ar.ReadObject(nullptr);
    EXPECT_EQ(ar.GetLoadPosition(), 17u);  // count, tag, schema, length, "CItem", value
    // A 32-bit read that runs past the end stops the reader where the field began.
    int cause = -1;
    try {
        DWORD value;
        ar >> value;
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::endOfFile);
    EXPECT_EQ(ar.GetLoadPosition(), 17u);
}

TEST(ArchiveSampleObjects, TheSweepDeletesUnownedNodesAndTheirChildrenOnce)
{
    // Nodes that own their children but are themselves owned by no one (a link's targets), some
    // children made before their node and some after, so the sweep meets children first.
    ASSERT_TRUE(CNode::s_bOwnsChildren);
    for (int i = 0; i < 64; ++i) {
        CNode* early = new CNode(1);
        CNode* parent = new CNode(2);
        CNode* late = new CNode(3);
        parent->m_children.AddTail(early);
        parent->m_children.AddTail(late);
        parent->m_children.AddTail(new CItem(i));
        new CRef(parent);
    }
    CSampleBase::DeleteAllLive();
    EXPECT_EQ(CSampleBase::s_nLive, 0);
    EXPECT_TRUE(CNode::s_bOwnsChildren);
}
