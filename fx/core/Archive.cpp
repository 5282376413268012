#include "fx/core/Archive.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {
const WORD kNullTag = 0x0000;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const WORD kBigObjectTag = 0x7FFF;
const DWORD kBigClassTag = 0x80000000u;
const DWORD kMaxIndex = 0x7FFFFFFEu;
const int kMinBufSize = 16;
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode)
{
    if (m_pFile == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException);
    m_strFileName = m_pFile->GetFilePath();
    m_buffer.resize(static_cast<std::size_t>(std::max(nBufSize, kMinBufSize)));
    m_pos = m_buffer.data();
    if (IsLoading()) {
        m_end = m_pos;
        // Only used to bound counts; a file whose length cannot be told is not bounded by it.
        try {
            const DWORD length = m_pFile->GetLength();
            const DWORD position = m_pFile->GetPosition();
            m_nFileLength = length;
            m_nFileFetched = std::min(position, length);
        } catch (CException* e) {
            e->Delete();
        }
        m_loadArray.push_back({EntryKind::Dead, nullptr, nullptr, 0});  // index 0: no object
    } else {
        m_end = m_pos + m_buffer.size();
    }
}

CArchive::~CArchive()
{
    if (m_pFile != nullptr && IsStoring() && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Flush();
        } catch (CException* e) {
            e->Delete();
        } catch (...) {
        }
    }
}

void CArchive::Throw(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

void CArchive::CheckLoading() const
{
    if (m_pFile == nullptr)
        Throw(CArchiveException::genericException);
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (m_pFile == nullptr)
        Throw(CArchiveException::genericException);
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
}

void CArchive::Flush()
{
    if (m_pFile == nullptr)
        return;
    if (IsStoring()) {
        const UINT n = static_cast<UINT>(m_pos - m_buffer.data());
        m_pos = m_buffer.data();
        if (n > 0)
            m_pFile->Write(m_buffer.data(), n);
    } else if (m_end != m_pos) {
        // Give back what was read ahead, so the file stands where the archive's reader is.
        const LONG ahead = static_cast<LONG>(m_end - m_pos);
        m_pFile->Seek(-ahead, CFile::current);
        m_nFileFetched -= static_cast<DWORD>(ahead);
        m_pos = m_end = m_buffer.data();
    }
}

void CArchive::Close()
{
    if (m_pFile != nullptr && IsStoring())
        Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_pos = m_buffer.data();
    m_end = IsLoading() ? m_pos : m_pos + m_buffer.size();
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* p = static_cast<const BYTE*>(lpBuf);
    while (nMax > 0) {
        if (m_pos == m_end)
            Flush();
        const UINT room = static_cast<UINT>(m_end - m_pos);
        if (m_pos == m_buffer.data() && nMax >= room) {
            // A block at least as large as the buffer goes straight to the file.
            m_pFile->Write(p, nMax);
            return;
        }
        const UINT n = std::min(room, nMax);
        std::memcpy(m_pos, p, n);
        m_pos += n;
        p += n;
        nMax -= n;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* p = static_cast<BYTE*>(lpBuf);
    UINT total = 0;
    while (total < nMax) {
        if (m_pos == m_end) {
            if (nMax - total >= m_buffer.size()) {
                const UINT n = m_pFile->Read(p + total, nMax - total);
                m_nFileFetched += n;
                return total + n;
            }
            const UINT n = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_buffer.size()));
            m_nFileFetched += n;
            m_pos = m_buffer.data();
            m_end = m_pos + n;
            if (n == 0)
                break;
        }
        const UINT n = std::min(static_cast<UINT>(m_end - m_pos), nMax - total);
        std::memcpy(p + total, m_pos, n);
        m_pos += n;
        total += n;
    }
    return total;
}

void CArchive::FillBuffer(UINT nNeeded)
{
    CheckLoading();
    const std::size_t have = static_cast<std::size_t>(m_end - m_pos);
    std::memmove(m_buffer.data(), m_pos, have);
    m_pos = m_buffer.data();
    m_end = m_pos + have;
    while (static_cast<UINT>(m_end - m_pos) < nNeeded) {
        const UINT room = static_cast<UINT>(m_buffer.data() + m_buffer.size() - m_end);
        const UINT n = m_pFile->Read(m_end, room);
        if (n == 0)
            Throw(CArchiveException::endOfFile);
        m_nFileFetched += n;
        m_end += n;
    }
}

CArchive& CArchive::PutLE(std::uint64_t value, int nBytes)
{
    CheckStoring();
    if (m_end - m_pos < nBytes)
        Flush();
    for (int i = 0; i < nBytes; ++i)
        *m_pos++ = static_cast<BYTE>(value >> (8 * i));
    return *this;
}

std::uint64_t CArchive::GetLE(int nBytes)
{
    if (m_pFile == nullptr || !IsLoading())
        CheckLoading();
    if (m_end - m_pos < nBytes)
        FillBuffer(static_cast<UINT>(nBytes));
    std::uint64_t value = 0;
    for (int i = 0; i < nBytes; ++i)
        value |= static_cast<std::uint64_t>(*m_pos++) << (8 * i);
    return value;
}

CArchive& CArchive::operator<<(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return PutLE(bits, 4);
}

CArchive& CArchive::operator<<(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return PutLE(bits, 8);
}

CArchive& CArchive::operator>>(float& f)
{
    const std::uint32_t bits = static_cast<std::uint32_t>(GetLE(4));
    std::memcpy(&f, &bits, sizeof f);
    return *this;
}

CArchive& CArchive::operator>>(double& d)
{
    const std::uint64_t bits = GetLE(8);
    std::memcpy(&d, &bits, sizeof d);
    return *this;
}

DWORD CArchive::BytesLeft() const
{
    const DWORD inFile = m_nFileLength > m_nFileFetched ? m_nFileLength - m_nFileFetched : 0;
    const DWORD buffered = static_cast<DWORD>(m_end - m_pos);
    return inFile > 0xFFFFFFFFu - buffered ? 0xFFFFFFFFu : inFile + buffered;
}

void CArchive::WriteCount(DWORD dwCount)
{
    if (dwCount < 0xFFFF) {
        PutLE(dwCount, 2);
    } else {
        PutLE(0xFFFF, 2);
        PutLE(dwCount, 4);
    }
}

DWORD CArchive::ReadCount()
{
    DWORD count = static_cast<DWORD>(GetLE(2));
    if (count == 0xFFFF)
        count = static_cast<DWORD>(GetLE(4));
    if (count > BytesLeft())
        Throw(CArchiveException::badIndex);
    return count;
}

DWORD CArchive::NextIndex()
{
    if (m_nMapCount > kMaxIndex)
        Throw(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::WriteTag(DWORD index, bool classTag)
{
    if (index < kBigObjectTag) {
        PutLE((classTag ? kClassTag : 0) | index, 2);
    } else {
        PutLE(kBigObjectTag, 2);
        PutLE((classTag ? kBigClassTag : 0) | index, 4);
    }
}

void CRuntimeClass::Store(CArchive& ar) const
{
    const WORD length = static_cast<WORD>(std::strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema & 0xFFFFu) << length;
    ar.Write(m_lpszClassName, length);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD schema = 0;
    WORD length = 0;
    ar >> schema >> length;
    if (pwSchemaNum != nullptr)
        *pwSchemaNum = schema;
    if (length == 0 || length > CArchive::kMaxClassNameLength)
        return nullptr;
    char name[CArchive::kMaxClassNameLength];
    if (ar.Read(name, length) != length)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    return FromName(name, length);
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == nullptr || !pClassRef->IsSerializable())
        Throw(CArchiveException::badClass);
    const auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        WriteTag(it->second, true);
        return;
    }
    PutLE(kNewClassTag, 2);
    pClassRef->Store(*this);
    m_storeMap[pClassRef] = NextIndex();
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == nullptr) {
        PutLE(kNullTag, 2);
        return;
    }
    const auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        WriteTag(it->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    m_storeMap[pOb] = NextIndex();
    // Serialize is not const (it also loads); storing only reads the object.
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag)
{
    CheckLoading();
    const WORD tag = static_cast<WORD>(GetLE(2));
    const CRuntimeClass* pClass = nullptr;
    UINT schema = 0;
    if (tag == kNewClassTag) {
        pClass = CRuntimeClass::Load(*this, &schema);
        if (pClass == nullptr || !pClass->IsSerializable())
            Throw(CArchiveException::badClass);
        if (!(pClass->m_wSchema & VERSIONABLE_SCHEMA) && (pClass->m_wSchema & 0xFFFFu) != schema)
            Throw(CArchiveException::badSchema);
        NextIndex();
        try {
            m_loadArray.push_back({EntryKind::Class, pClass, nullptr, schema});
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        }
    } else {
        const DWORD obTag = tag == kBigObjectTag
                                ? static_cast<DWORD>(GetLE(4))
                                : (static_cast<DWORD>(tag & kClassTag) << 16) | (tag & ~kClassTag);
        if (!(obTag & kBigClassTag)) {
            // An object reference (or none): the caller resolves it.
            if (pObTag == nullptr)
                Throw(CArchiveException::badIndex);
            *pObTag = obTag;
            return nullptr;
        }
        const DWORD index = obTag & ~kBigClassTag;
        if (index == 0 || index >= m_loadArray.size() ||
            m_loadArray[index].kind != EntryKind::Class)
            Throw(CArchiveException::badIndex);
        pClass = m_loadArray[index].pClass;
        schema = m_loadArray[index].nSchema;
    }
    if (pClassRefRequested != nullptr && !pClass->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);
    if (pSchema != nullptr)
        *pSchema = schema;
    if (pObTag != nullptr)
        *pObTag = 0;
    return const_cast<CRuntimeClass*>(pClass);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CheckLoading();
    UINT schema = 0;
    DWORD obTag = 0;
    const CRuntimeClass* pClass = ReadClass(pClassRefRequested, &schema, &obTag);
    if (pClass == nullptr) {
        if (obTag == 0)
            return nullptr;
        // A reference back: only to an object whose reading has finished and did not fail
        // (nor sits inside one that failed), so no object ever contains itself and nothing can
        // point at an object that a failure deleted.
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].kind != EntryKind::Object ||
            !m_bSharedObjects)
            Throw(CArchiveException::badIndex);
        CObject* pOb = m_loadArray[obTag].pObject;
        if (pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            Throw(CArchiveException::badClass);
        return pOb;
    }

    if (m_nDepth >= m_nMaxDepth)
        Throw(CArchiveException::genericException);
    NextIndex();
    CObject* pOb = pClass->CreateObject();
    if (pOb == nullptr)
        AfxThrowMemoryException();
    const std::size_t index = m_loadArray.size();
    try {
        m_loadArray.push_back({EntryKind::InProgress, pClass, pOb, schema});
    } catch (const std::bad_alloc&) {
        delete pOb;
        AfxThrowMemoryException();
    }

    const UINT savedSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    ++m_nDepth;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        --m_nDepth;
        m_nObjectSchema = savedSchema;
        // The object goes, and with it whatever it owns of what was read inside it: none of the
        // objects read since it began may be handed out again, should the caller of a failed
        // read go on reading. Their classes stay known.
        for (std::size_t i = index; i < m_loadArray.size(); ++i) {
            if (m_loadArray[i].kind != EntryKind::Class) {
                m_loadArray[i].kind = EntryKind::Dead;
                m_loadArray[i].pObject = nullptr;
            }
        }
        delete pOb;
        throw;
    }
    --m_nDepth;
    m_nObjectSchema = savedSchema;
    m_loadArray[index].kind = EntryKind::Object;
    return pOb;
}

UINT CArchive::GetObjectSchema()
{
    const UINT schema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return schema;
}

CObject* FxReadObjectOfClass(CArchive& ar, const CRuntimeClass* pClass)
{
    return ar.ReadObject(pClass);
}
