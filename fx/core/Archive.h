// CArchive: buffered reading or writing of a CFile, with the object-graph format in which scene
// files store their cells. All integers are little-endian.
//
// Object references:
//   0x0000                      no object
//   0xFFFF schema(16) len(16) name[len] data...   first object of a class not yet written
//   0x8000 | k  data...         an object of the class that received index k
//   k (1 .. 0x7FFE)             the object that received index k, already written
//   0x7FFF tag(32)              the same for indices from 0x7FFF: the object index, or
//                               0x80000000 | k for an object of class k
// One counter, starting at 1, numbers classes and objects in the order they are first written;
// a new class takes its number before its object does.
// Counts: 16 bits, or 0xFFFF followed by 32 bits for counts of 0xFFFF and more.
//
// Reading accepts any input safely: every count, index, class name, schema and the nesting
// depth is checked, and every violation raises CArchiveException.
#pragma once

#include "fx/core/Exception.h"
#include "fx/core/File.h"
#include "fx/core/Object.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

// A class schema with this bit set accepts objects written with any schema number; the number
// read is then available from GetObjectSchema.
#define VERSIONABLE_SCHEMA 0x80000000u

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // Longest class name accepted when reading (the program's names are a dozen characters).
    static const UINT kMaxClassNameLength = 64;
    // Deepest nesting of objects inside objects accepted when reading.
    static const int kDefaultMaxDepth = 64;

    // nBufSize: bytes buffered between the archive and the file (scene files use 4096).
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    // A storing archive not closed yet writes what it buffered, ignoring failures (they cannot
    // be reported from here); call Close to see them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsBufferEmpty() const { return m_pos == m_end; }
    // Loading: the file offset of the next byte the archive hands out (where a failed read
    // stopped: a value running past the end leaves it at the value's first byte).
    DWORD GetLoadPosition() const { return m_nFileFetched - static_cast<DWORD>(m_end - m_pos); }
    CFile* GetFile() const { return m_pFile; }

    // Writes the buffer to the file; the archive stays usable.
    void Flush();
    // Flushes (storing) and detaches from the file, which stays open.
    void Close();
    // Detaches without writing what is buffered and without throwing.
    void Abort();

    // Raw bytes. Read returns fewer than asked only at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);

    CArchive& operator<<(BYTE b) { return PutLE(b, 1); }
    CArchive& operator<<(char ch) { return PutLE(static_cast<BYTE>(ch), 1); }
    CArchive& operator<<(signed char ch) { return PutLE(static_cast<BYTE>(ch), 1); }
    CArchive& operator<<(WORD w) { return PutLE(w, 2); }
    CArchive& operator<<(short s) { return PutLE(static_cast<WORD>(s), 2); }
    CArchive& operator<<(int i) { return PutLE(static_cast<std::uint32_t>(i), 4); }
    CArchive& operator<<(unsigned int u) { return PutLE(u, 4); }
    // long and unsigned long are 32 bits in files whatever their size in memory, as on Windows.
    CArchive& operator<<(long l) { return PutLE(static_cast<std::uint32_t>(l), 4); }
    CArchive& operator<<(unsigned long u) { return PutLE(static_cast<std::uint32_t>(u), 4); }
    CArchive& operator<<(long long l) { return PutLE(static_cast<std::uint64_t>(l), 8); }
    CArchive& operator<<(unsigned long long u) { return PutLE(u, 8); }
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(const CObject* pOb) { WriteObject(pOb); return *this; }

    CArchive& operator>>(BYTE& b) { b = static_cast<BYTE>(GetLE(1)); return *this; }
    CArchive& operator>>(char& ch) { ch = static_cast<char>(GetLE(1)); return *this; }
    CArchive& operator>>(signed char& ch) { ch = static_cast<signed char>(GetLE(1)); return *this; }
    CArchive& operator>>(WORD& w) { w = static_cast<WORD>(GetLE(2)); return *this; }
    CArchive& operator>>(short& s) { s = static_cast<short>(GetLE(2)); return *this; }
    CArchive& operator>>(int& i) { i = static_cast<std::int32_t>(GetLE(4)); return *this; }
    CArchive& operator>>(unsigned int& u) { u = static_cast<std::uint32_t>(GetLE(4)); return *this; }
    CArchive& operator>>(long& l) { l = static_cast<std::int32_t>(GetLE(4)); return *this; }
    CArchive& operator>>(unsigned long& u) { u = static_cast<std::uint32_t>(GetLE(4)); return *this; }
    CArchive& operator>>(long long& l) { l = static_cast<long long>(GetLE(8)); return *this; }
    CArchive& operator>>(unsigned long long& u) { u = GetLE(8); return *this; }
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(CObject*& pOb) { pOb = ReadObject(nullptr); return *this; }

    // Object references (format above). ReadObject returns null for "no object"; with a class
    // given, an object of another class raises badClass.
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);

    void WriteCount(DWORD dwCount);
    // A count is checked against the bytes left in the file (every counted item takes at least
    // two), so a forged count can never make the reader reserve or loop beyond the data.
    DWORD ReadCount();

    // A class reference on its own (new-class record or class index).
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);

    // While an object's Serialize runs on loading: the schema its class was written with.
    // Returns it once, then (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // With FALSE, a reference back to an object already read raises badIndex: for files whose
    // objects form a tree of owners (scene files), so that no object is handed out twice.
    void SetSharedObjects(BOOL bAllow) { m_bSharedObjects = bAllow; }
    void SetMaxDepth(int nDepth) { m_nMaxDepth = nDepth; }

    CString m_strFileName;

private:
    // One entry per index on loading: a class or an object.
    enum class EntryKind : BYTE {
        Class,
        Object,      // an object whose reading has finished
        InProgress,  // an object whose Serialize is running: it cannot be referenced yet
        Dead         // an object whose reading failed (it was deleted), or one read inside it
    };
    struct LoadEntry {
        EntryKind kind;
        const CRuntimeClass* pClass;  // the class, or the object's class
        CObject* pObject;             // null for a class entry
        UINT nSchema;                 // schema read with the class
    };

    CArchive& PutLE(std::uint64_t value, int nBytes);
    std::uint64_t GetLE(int nBytes);
    void FillBuffer(UINT nNeeded);
    [[noreturn]] void Throw(int cause) const;
    void CheckLoading() const;
    void CheckStoring() const;
    DWORD NextIndex();
    DWORD BytesLeft() const;
    void WriteTag(DWORD index, bool classTag);

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    BYTE* m_pos;
    BYTE* m_end;  // loading: end of valid data; storing: end of the buffer

    DWORD m_nFileLength = 0xFFFFFFFFu;  // loading: the file's length, when it can be known
    DWORD m_nFileFetched = 0;           // loading: where the archive has read the file up to

    DWORD m_nMapCount = 1;
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
    UINT m_nObjectSchema = static_cast<UINT>(-1);
    BOOL m_bSharedObjects = TRUE;
    int m_nMaxDepth = kDefaultMaxDepth;
    int m_nDepth = 0;
};
