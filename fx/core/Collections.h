// Ordered lists of pointers: CPtrList (void*) and CObList (CObject*). Nodes are allocated in
// blocks of nBlockSize (the wall model uses 10) and reused from a free list; when the list
// becomes empty every block is given back. Positions stay valid until their node is removed.
#pragma once

#include "fx/core/Exception.h"
#include "fx/core/Object.h"

#include <cstddef>
#include <new>

struct FxPosition;
typedef FxPosition* POSITION;

class CArchive;

template <class T>
class FxBlockList : public CObject {
public:
    explicit FxBlockList(int nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    ~FxBlockList() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    T& GetHead() { return Need(m_pHead)->data; }
    const T& GetHead() const { return Need(m_pHead)->data; }
    T& GetTail() { return Need(m_pTail)->data; }
    const T& GetTail() const { return Need(m_pTail)->data; }

    T RemoveHead() { Node* n = Need(m_pHead); T v = n->data; Unlink(n); return v; }
    T RemoveTail() { Node* n = Need(m_pTail); T v = n->data; Unlink(n); return v; }

    POSITION AddHead(T value) { return InsertBefore(GetHeadPosition(), value); }
    POSITION AddTail(T value) { return InsertAfter(GetTailPosition(), value); }
    // A null element (not a null list).
    POSITION AddHead(std::nullptr_t) { return AddHead(T(nullptr)); }
    POSITION AddTail(std::nullptr_t) { return AddTail(T(nullptr)); }
    void AddHead(const FxBlockList* pList)
    {
        for (POSITION pos = pList->GetTailPosition(); pos != nullptr;)
            AddHead(pList->GetPrev(pos));
    }
    void AddTail(const FxBlockList* pList)
    {
        for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;)
            AddTail(pList->GetNext(pos));
    }

    void RemoveAll()
    {
        while (m_pBlocks != nullptr) {
            Block* next = m_pBlocks->pNext;
            ::operator delete(m_pBlocks);
            m_pBlocks = next;
        }
        m_pHead = m_pTail = m_pFree = nullptr;
        m_nCount = 0;
        m_nBlocks = 0;
    }

    POSITION GetHeadPosition() const { return Pos(m_pHead); }
    POSITION GetTailPosition() const { return Pos(m_pTail); }
    // Return the element at pos and move pos to the next (previous) one, null at the end.
    T& GetNext(POSITION& pos) { Node* n = At(pos); pos = Pos(n->pNext); return n->data; }
    const T& GetNext(POSITION& pos) const { Node* n = At(pos); pos = Pos(n->pNext); return n->data; }
    T& GetPrev(POSITION& pos) { Node* n = At(pos); pos = Pos(n->pPrev); return n->data; }
    const T& GetPrev(POSITION& pos) const { Node* n = At(pos); pos = Pos(n->pPrev); return n->data; }
    T& GetAt(POSITION pos) { return At(pos)->data; }
    const T& GetAt(POSITION pos) const { return At(pos)->data; }
    void SetAt(POSITION pos, T value) { At(pos)->data = value; }
    void RemoveAt(POSITION pos) { Unlink(At(pos)); }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION pos, T value)
    {
        Node* before = pos != nullptr ? At(pos) : m_pHead;
        Node* n = NewNode(before != nullptr ? before->pPrev : nullptr, before, value);
        if (before != nullptr) {
            if (before->pPrev != nullptr)
                before->pPrev->pNext = n;
            else
                m_pHead = n;
            before->pPrev = n;
        } else {
            m_pHead = m_pTail = n;
        }
        return Pos(n);
    }
    POSITION InsertAfter(POSITION pos, T value)
    {
        Node* after = pos != nullptr ? At(pos) : m_pTail;
        Node* n = NewNode(after, after != nullptr ? after->pNext : nullptr, value);
        if (after != nullptr) {
            if (after->pNext != nullptr)
                after->pNext->pPrev = n;
            else
                m_pTail = n;
            after->pNext = n;
        } else {
            m_pHead = m_pTail = n;
        }
        return Pos(n);
    }

    // The first position holding value after startAfter (from the head when null), or null.
    POSITION Find(T value, POSITION startAfter = nullptr) const
    {
        Node* n = startAfter != nullptr ? At(startAfter)->pNext : m_pHead;
        for (; n != nullptr; n = n->pNext) {
            if (n->data == value)
                return Pos(n);
        }
        return nullptr;
    }
    // The position of the nIndex-th element (0-based), or null when out of range.
    POSITION FindIndex(int nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        Node* n = m_pHead;
        while (nIndex-- > 0)
            n = n->pNext;
        return Pos(n);
    }

    // Blocks of nodes currently allocated (for checks of the growth behaviour).
    int GetBlockCount() const { return m_nBlocks; }
    int GetBlockSize() const { return m_nBlockSize; }

private:
    struct Node {
        Node* pNext;
        Node* pPrev;
        T data;
    };
    struct Block {
        Block* pNext;
    };

    static POSITION Pos(Node* n) { return reinterpret_cast<POSITION>(n); }
    static Node* At(POSITION pos)
    {
        if (pos == nullptr)
            AfxThrowNotSupportedException();
        return reinterpret_cast<Node*>(pos);
    }
    static Node* Need(Node* n)
    {
        if (n == nullptr)
            AfxThrowNotSupportedException();  // head or tail of an empty list
        return n;
    }

    Node* NewNode(Node* prev, Node* next, T value)
    {
        if (m_pFree == nullptr) {
            void* raw = ::operator new(sizeof(Block) + sizeof(Node) * static_cast<std::size_t>(m_nBlockSize),
                                       std::nothrow);
            if (raw == nullptr)
                AfxThrowMemoryException();
            Block* block = static_cast<Block*>(raw);
            block->pNext = m_pBlocks;
            m_pBlocks = block;
            ++m_nBlocks;
            Node* nodes = reinterpret_cast<Node*>(block + 1);
            // Chain the new nodes into the free list, first node first.
            for (int i = m_nBlockSize - 1; i >= 0; --i) {
                nodes[i].pNext = m_pFree;
                m_pFree = &nodes[i];
            }
        }
        Node* n = m_pFree;
        m_pFree = n->pNext;
        n->pPrev = prev;
        n->pNext = next;
        n->data = value;
        ++m_nCount;
        return n;
    }

    void Unlink(Node* n)
    {
        if (n->pPrev != nullptr)
            n->pPrev->pNext = n->pNext;
        else
            m_pHead = n->pNext;
        if (n->pNext != nullptr)
            n->pNext->pPrev = n->pPrev;
        else
            m_pTail = n->pPrev;
        n->pNext = m_pFree;
        m_pFree = n;
        if (--m_nCount == 0)
            RemoveAll();
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    Node* m_pFree = nullptr;
    Block* m_pBlocks = nullptr;
    int m_nCount = 0;
    int m_nBlocks = 0;
    int m_nBlockSize;
};

class CPtrList : public FxBlockList<void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(int nBlockSize = 10) : FxBlockList<void*>(nBlockSize) {}
};

// A list of object pointers. It does not own them: deleting the list leaves the objects.
// Serialize writes the archive's object list (a count, then one object reference each) and
// reads one back, appending to the list.
class CObList : public FxBlockList<CObject*> {
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int nBlockSize = 10) : FxBlockList<CObject*>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};
