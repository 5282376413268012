#include "tests/unit/fx_core/SampleObjects.h"

#include <set>

int CSampleBase::s_nLive = 0;
bool CNode::s_bOwnsChildren = true;

namespace {
std::set<CSampleBase*>& Live()
{
    static std::set<CSampleBase*> live;
    return live;
}
}  // namespace

CSampleBase::CSampleBase()
{
    Live().insert(this);
    ++s_nLive;
}

CSampleBase::~CSampleBase()
{
    Live().erase(this);
    --s_nLive;
}

void CSampleBase::DeleteAllLive()
{
    // Every live object is deleted here exactly once, so no node may delete its children on the
    // way: a child the sweep already deleted would be deleted again (and a node still listing a
    // deleted child would read it).
    const bool owning = CNode::s_bOwnsChildren;
    CNode::s_bOwnsChildren = false;
    while (!Live().empty())
        delete *Live().begin();
    CNode::s_bOwnsChildren = owning;
}

IMPLEMENT_DYNAMIC(CSampleBase, CObject)
IMPLEMENT_SERIAL(CItem, CSampleBase, 0)
IMPLEMENT_SERIAL(CNode, CSampleBase, 1)
IMPLEMENT_SERIAL(CRef, CSampleBase, 2)

void CItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_value;
    else
        ar >> m_value;
}

CNode::~CNode()
{
    while (!m_children.IsEmpty()) {
        CObject* child = m_children.RemoveHead();
        if (s_bOwnsChildren)
            delete child;
    }
}

void CNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_kind;
        m_children.Serialize(ar);
        return;
    }
    ar >> m_kind;
    // Only sample objects are accepted as children, as a cell accepts only cells. Each child is
    // added as soon as it is read, so a failure later in the list still finds it owned.
    for (DWORD n = ar.ReadCount(); n > 0; --n)
        m_children.AddTail(ar.ReadObject(RUNTIME_CLASS(CSampleBase)));
}

void CRef::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_pTarget;
    else
        m_pTarget = ar.ReadObject(RUNTIME_CLASS(CSampleBase));
}
