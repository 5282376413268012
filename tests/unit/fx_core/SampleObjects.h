// Small serialisable classes for exercising the archive: a value, a node that owns its children
// (like a cell owns its PIP windows) and a link that only points at another object. Every
// sample object is counted while alive, so tests and the fuzzer can prove nothing leaked.
#pragma once

#include "fx/core/Archive.h"
#include "fx/core/Collections.h"
#include "fx/core/Object.h"

class CSampleBase : public CObject {
    DECLARE_DYNAMIC(CSampleBase)
public:
    CSampleBase();
    ~CSampleBase() override;
    static int s_nLive;
    // Deletes every sample object still alive, each once: nodes do not delete their children
    // while it runs, whatever s_bOwnsChildren says (link targets and the objects of a shared graph
    // are owned by no one; the children of such an unowned node are deleted here as well).
    static void DeleteAllLive();
};

// Schema 0: one 32-bit value.
class CItem : public CSampleBase {
    DECLARE_SERIAL(CItem)
public:
    explicit CItem(LONG value = 0) : m_value(value) {}
    void Serialize(CArchive& ar) override;
    LONG m_value;
};

// Schema 1: a 16-bit kind, then its children as an object list; owns the children.
class CNode : public CSampleBase {
    DECLARE_SERIAL(CNode)
public:
    explicit CNode(WORD kind = 0) : m_kind(kind) {}
    ~CNode() override;
    void Serialize(CArchive& ar) override;
    WORD m_kind;
    CObList m_children{10};
    // Nodes own their children unless a reader of shared graphs turns this off and frees all
    // objects itself.
    static bool s_bOwnsChildren;
};

// Schema 2: a reference to another object, not owned.
class CRef : public CSampleBase {
    DECLARE_SERIAL(CRef)
public:
    explicit CRef(CObject* target = nullptr) : m_pTarget(target) {}
    void Serialize(CArchive& ar) override;
    CObject* m_pTarget;
};
