// Writing and reading cells in the object-graph archive. The field order is the scene file's.
//
// Reading trusts nothing: every list entry must be an object of the class its list holds (PIP
// windows in PIP lists, plain cells among a combined cell's members), a cell's kind must match
// its class, and no entry may be missing. A violation raises an archive exception; the archive
// then deletes the object being read, which owns everything read into it so far, so a failed
// load frees exactly what it made.
#include "app/core/wall/Cell.h"

#include "fx/core/Archive.h"

namespace {
[[noreturn]] void throwBadFile(int cause) { AfxThrowArchiveException(cause); }

void writeList(CArchive& ar, const CCellList& list)
{
    ar.WriteCount(static_cast<DWORD>(list.GetCount()));
    for (const CCell* cell : list)
        ar.WriteObject(cell);
}

// Reads one object list into out; every entry must be of class pClass (derived ones only when
// exact is false).
void readList(CArchive& ar, CCellList& out, CCell* parent, const CRuntimeClass* pClass, bool exact)
{
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        CObject* object = ar.ReadObject(pClass);
        if (object == nullptr)
            throwBadFile(CArchiveException::badIndex);
        CCell* cell = static_cast<CCell*>(object);
        // Owned by the list before anything else can throw.
        out.AddTail(cell);
        cell->setParent(parent);
        if (exact && object->GetRuntimeClass() != pClass)
            throwBadFile(CArchiveException::badClass);
    }
}
}  // namespace

void CCell::serializeCell(CArchive& ar)
{
    if (ar.IsStoring()) {
        // Saving deselects: the selected bit is cleared in memory, then written.
        m_nFlags &= ~static_cast<DWORD>(CELL_FLAG_SELECTED);
        ar << m_rect.left << m_rect.top << m_rect.right << m_rect.bottom;
        ar << m_nFlags;
        ar << m_bMpd;
        ar << m_nNumber << m_nOrder << m_nInputType << m_nInputNo;
        ar << m_nKind;
        writeList(ar, m_pips);
    } else {
        ar >> m_rect.left >> m_rect.top >> m_rect.right >> m_rect.bottom;
        ar >> m_nFlags;
        ar >> m_bMpd;
        ar >> m_nNumber >> m_nOrder >> m_nInputType >> m_nInputNo;
        ar >> m_nKind;
        int expectedKind = CELL_KIND_PLAIN;
        if (IsKindOf(RUNTIME_CLASS(CPIPCell)))
            expectedKind = CELL_KIND_PIP;
        else if (IsKindOf(RUNTIME_CLASS(CCombineCell)))
            expectedKind = CELL_KIND_COMBINED;
        if (m_nKind != expectedKind)
            throwBadFile(CArchiveException::badClass);
        // A PIP window holds no PIP windows of its own.
        if (expectedKind == CELL_KIND_PIP) {
            if (ar.ReadCount() != 0)
                throwBadFile(CArchiveException::badClass);
        } else {
            readList(ar, m_pips, this, RUNTIME_CLASS(CPIPCell), false);
        }
    }
}

void CCell::Serialize(CArchive& ar) { serializeCell(ar); }

void CPIPCell::Serialize(CArchive& ar)
{
    serializeCell(ar);
    if (ar.IsStoring())
        ar << m_nTransparency << m_nDevX << m_nDevY << m_nDevW << m_nDevH;
    else
        ar >> m_nTransparency >> m_nDevX >> m_nDevY >> m_nDevW >> m_nDevH;
}

void CCombineCell::Serialize(CArchive& ar)
{
    serializeCell(ar);
    if (ar.IsStoring())
        writeList(ar, m_members);
    else
        readList(ar, m_members, this, RUNTIME_CLASS(CCell), true);
}

void CCellObjImp::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        writeList(ar, m_cells);
    } else {
        deleteAllCells();
        readList(ar, m_cells, nullptr, RUNTIME_CLASS(CCell), false);
    }
}
