#include "fx/core/Collections.h"

#include "fx/core/Archive.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos != nullptr;)
            ar << GetNext(pos);
    } else {
        for (DWORD n = ar.ReadCount(); n > 0; --n) {
            CObject* pOb = nullptr;
            ar >> pOb;
            AddTail(pOb);
        }
    }
}
