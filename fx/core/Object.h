// The root object class and its run-time class information. Every run-time-typed class of the
// program derives from CObject and names itself with the DECLARE_/IMPLEMENT_ macro pairs below.
// A serialisable class keeps its class name as written here: the name goes into scene files, so
// renaming such a class breaks every file already saved.
#pragma once

#include "fx/seam/Win32Seam.h"

#include <cstddef>

class CObject;
class CArchive;
class CDumpContext;

// Schema value of classes that are run-time typed but not serialisable.
#define FX_NO_SCHEMA 0xFFFFu

// The description of one class: its name, size, schema, how to create it and its base class.
// Instances are static constants made by the IMPLEMENT_ macros.
struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                      // FX_NO_SCHEMA when not serialisable
    CObject* (*m_pfnCreateObject)();     // null unless the class is dynamically creatable
    const CRuntimeClass* m_pBaseClass;   // null for CObject

    // A new object of this class, or null when the class cannot be created or memory runs out.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    BOOL IsSerializable() const { return m_pfnCreateObject != nullptr && m_wSchema != FX_NO_SCHEMA; }

    // The registered serialisable class with exactly this name, or null.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    // The same for a name that is not terminated (as read from an archive).
    static CRuntimeClass* FromName(const char* name, std::size_t length);

    // Writes the class's schema and name in the archive's new-class form; reads it back
    // (checking the name against the registry), raising CArchiveException on a bad record.
    void Store(CArchive& ar) const;
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Registers a serialisable class by name at start-up (made by IMPLEMENT_SERIAL). The registry is
// an intrusive list headed by a constant-initialised pointer, so registration order between
// translation units does not matter.
class CClassRegistration {
public:
    explicit CClassRegistration(const CRuntimeClass* pClass);
    CClassRegistration(const CClassRegistration&) = delete;
    CClassRegistration& operator=(const CClassRegistration&) = delete;

    static CClassRegistration* First();
    const CRuntimeClass* Class() const { return m_pClass; }
    const CClassRegistration* Next() const { return m_pNext; }

private:
    const CRuntimeClass* m_pClass;
    CClassRegistration* m_pNext;
};

#define RUNTIME_CLASS(class_name) \
    (const_cast<CRuntimeClass*>(&class_name::class##class_name))

// The root of every run-time-typed class. Objects are not copyable: they live in graphs held by
// pointer (lists of cells, windows), and a silent copy would break the graph's identity.
class CObject {
public:
    static const CRuntimeClass classCObject;

    // Virtual operations in this order: run-time class, destructor, serialise, validity check,
    // dump. Derived classes (cells, windows) add theirs after these.
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};

#define DECLARE_DYNAMIC(class_name) \
public: \
    static const CRuntimeClass class##class_name; \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

// Also declares the typed extraction "ar >> pCell" that reads an object and checks its class.
#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    const CRuntimeClass class_name::class##class_name = { \
        #class_name, static_cast<int>(sizeof(class_name)), (wSchema), (pfnNew), \
        &base_class_name::class##base_class_name}; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, FX_NO_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, FX_NO_SCHEMA, class_name::CreateObject)

// wSchema: the class's schema number as written into archives (0 for the cell classes).
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, (wSchema), class_name::CreateObject) \
    static const CClassRegistration fxRegistration_##class_name(RUNTIME_CLASS(class_name)); \
    CArchive& operator>>(CArchive& ar, class_name*& pOb) { \
        pOb = static_cast<class_name*>(FxReadObjectOfClass(ar, RUNTIME_CLASS(class_name))); \
        return ar; \
    }

// Reads one object reference and checks that it is of the class given (or derived from it);
// defined with the archive.
CObject* FxReadObjectOfClass(CArchive& ar, const CRuntimeClass* pClass);

// The checked downcast: null when the object is not of that class.
#define DYNAMIC_DOWNCAST(class_name, object) \
    ((object) != nullptr && (object)->IsKindOf(RUNTIME_CLASS(class_name)) \
         ? static_cast<class_name*>(object) : nullptr)
