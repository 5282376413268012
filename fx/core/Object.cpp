#include "fx/core/Object.h"

#include "fx/core/Exception.h"

#include <cstring>
#include <new>

namespace {
// Head of the registry of serialisable classes; constant-initialised, so it is valid before any
// registration object of another translation unit runs.
CClassRegistration* g_firstRegistration = nullptr;
}

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)),
                                             FX_NO_SCHEMA, nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

void CObject::Dump(CDumpContext&) const {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    try {
        return m_pfnCreateObject();
    } catch (const std::bad_alloc&) {
        return nullptr;
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    return FromName(lpszClassName, std::strlen(lpszClassName));
}

CRuntimeClass* CRuntimeClass::FromName(const char* name, std::size_t length)
{
    for (const CClassRegistration* r = CClassRegistration::First(); r != nullptr; r = r->Next()) {
        const CRuntimeClass* c = r->Class();
        if (std::strlen(c->m_lpszClassName) == length &&
            std::memcmp(c->m_lpszClassName, name, length) == 0)
            return const_cast<CRuntimeClass*>(c);
    }
    return nullptr;
}

CClassRegistration::CClassRegistration(const CRuntimeClass* pClass)
    : m_pClass(pClass), m_pNext(g_firstRegistration)
{
    g_firstRegistration = this;
}

CClassRegistration* CClassRegistration::First() { return g_firstRegistration; }
