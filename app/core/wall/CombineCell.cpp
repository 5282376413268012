#include "app/core/wall/Cell.h"

#include <algorithm>

IMPLEMENT_SERIAL(CCombineCell, CCell, 0)

CCombineCell::CCombineCell() { m_nKind = CELL_KIND_COMBINED; }

CCombineCell::~CCombineCell()
{
    CCellList members;
    members.Swap(m_members);
    for (CCell* member : members)
        delete member;
}

void CCombineCell::decompose(CCellList& wallCells)
{
    CCellList members;
    members.Swap(m_members);
    for (CCell* member : members) {
        member->setParent(nullptr);
        member->setFlags(member->flags() &
                         ~static_cast<DWORD>(CELL_FLAG_SELECTED | CELL_FLAG_MEMBER));
        wallCells.AddTail(member);
    }
}

void CCombineCell::setMpd(BOOL flag)
{
    CCell::setMpd(flag);
    if (flag) {
        for (CCell* member : m_members) {
            member->setInputType(0);
            member->setInputNo(0);
        }
    }
}

void CCombineCell::setInputType(int inputType)
{
    CCell::setInputType(inputType);
    for (CCell* member : m_members)
        member->setInputType(inputType);
}

void CCombineCell::setInputNo(int inputNo)
{
    CCell::setInputNo(inputNo);
    for (CCell* member : m_members)
        member->setInputNo(inputNo);
}

void CCombineCell::addMember(CCell* cell)
{
    cell->setParent(this);
    cell->setFlags((cell->flags() | CELL_FLAG_MEMBER) & ~static_cast<DWORD>(CELL_FLAG_SELECTED));
    m_members.AddTail(cell);
}

void CCombineCell::sortMembers()
{
    std::vector<CCell*>& items = m_members.items();
    // Stable, so members on the same spot keep the order in which they were taken in.
    std::stable_sort(items.begin(), items.end(), [](const CCell* a, const CCell* b) {
        if (a->rect().top != b->rect().top)
            return a->rect().top < b->rect().top;
        return a->rect().left < b->rect().left;
    });
    int order = 1;
    for (CCell* member : items)
        member->setOrder(order++);
}
