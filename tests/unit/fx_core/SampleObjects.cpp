#include "tests/unit/fx_core/SampleObjects.h"

int CSampleBase::s_nLive = 0;

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
    while (!m_children.IsEmpty())
        delete m_children.RemoveHead();
}

void CNode::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_kind;
    } else {
        ar >> m_kind;
    }
    // Each child is added as soon as it is read, so a failure later in the list still finds
    // it owned by this node.
    m_children.Serialize(ar);
}

void CRef::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_pTarget;
    else
        ar >> m_pTarget;
}
