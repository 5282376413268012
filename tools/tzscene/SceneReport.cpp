#include "tools/tzscene/SceneReport.h"

#include "fx/core/Exception.h"
#include "fx/core/File.h"
#include "tools/tzscene/SceneLayout.h"

#include <cstdio>

namespace {

std::string format(const char* fmt, long a, long b = 0)
{
    char text[200];
    std::snprintf(text, sizeof text, fmt, a, b);
    return text;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The field's bytes as a little-endian number.
long fieldValue(const std::vector<std::uint8_t>& bytes, const LayoutField& f)
{
    unsigned long v = 0;
    for (std::size_t i = 0; i < f.size && i < 4 && f.offset + i < bytes.size(); ++i)
        v |= static_cast<unsigned long>(bytes[f.offset + i]) << (8 * i);
    return static_cast<long>(v);
}

// What the archive's complaint means at this field.
std::string reason(int cause, const LayoutField* f, const std::vector<std::uint8_t>& bytes)
{
    const std::string name = f ? f->name : std::string();
    const long v = f ? fieldValue(bytes, *f) : 0;
    switch (cause) {
    case CArchiveException::endOfFile: return "the file ends inside it";
    case CArchiveException::badIndex:
        if (endsWith(name, "count") || endsWith(name, "count (32-bit)"))
            return format("a count of %ld, more than the bytes left could hold", v);
        if (name.find("object tag") != std::string::npos)
            return v == 0 ? "an empty entry where a cell must be"
                          : format("tag 0x%lX: no such object or class, or an object that already "
                                   "belongs elsewhere (each cell belongs to one list)",
                                   v);
        return "a reference the program refuses";
    case CArchiveException::badClass:
        if (endsWith(name, "class name")) {
            const std::string cls(bytes.begin() + static_cast<long>(f->offset),
                                  bytes.begin() + static_cast<long>(f->offset + f->size));
            return "class \"" + cls + "\", which is not a cell class the program knows";
        }
        if (endsWith(name, " kind"))
            return format("kind %ld does not match the cell's class", v);
        if (endsWith(name, "PIP window list count"))
            return format("a PIP window holding %ld PIP windows of its own", v);
        return "an object of a class its list does not take";
    case CArchiveException::badSchema:
        return "a class schema the program's cells do not have (theirs is 0)";
    case CArchiveException::genericException: return "objects nested deeper than the program reads";
    default: return format("the archive's complaint %ld", cause);
    }
}

}  // namespace

std::string SceneReport::why() const
{
    if (!readable)
        return "the file cannot be read";
    if (outOfMemory)
        return "the program runs out of memory reading it";
    if (headerComplete && !header.isValid()) {
        if (header.magic != SceneHeader::kMagic)
            return format("magic 0x%04lX is not 0x637A", static_cast<unsigned short>(header.magic));
        const SceneGeometry& g = header.geometry;
        if (g.rows < 1 || g.rows > SceneHeader::kMaxRowsOrColumns)
            return format("rows %ld is outside 1..127", g.rows);
        return format("columns %ld is outside 1..127", g.columns);
    }
    if (cause == 0)
        return std::string();
    const SceneLayout layout(bytes);
    const LayoutField* f = layout.fieldAt(stopAt, cause == CArchiveException::endOfFile);
    std::string text = format("reading stopped at byte %ld (0x%lX)", static_cast<long>(stopAt),
                              static_cast<long>(stopAt));
    if (f)
        text += ", in " + f->name;
    return text + ": " + reason(cause, f, bytes);
}

SceneReport readSceneBytes(const std::string& path, std::vector<std::uint8_t> bytes)
{
    SceneReport r;
    r.path = path;
    r.readable = true;
    r.bytes = std::move(bytes);
    CMemFile file(r.bytes.data(), static_cast<UINT>(r.bytes.size()));
    CArchive ar(&file, CArchive::load, SceneHeader::kArchiveBufferSize);
    try {
        readSceneHeader(ar, &r.header);
        r.headerComplete = true;
        if (r.header.isValid()) {
            readSceneCells(ar, *r.wall);
            r.cellsComplete = true;
        }
    } catch (CArchiveException* e) {
        r.cause = e->m_cause;
        e->Delete();
    } catch (CMemoryException* e) {
        r.outOfMemory = true;
        e->Delete();
    }
    r.stopAt = ar.GetLoadPosition();
    return r;
}

SceneReport readSceneReport(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    try {
        CFile file(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
        std::uint8_t chunk[65536];
        for (UINT n; (n = file.Read(chunk, sizeof chunk)) > 0;)
            bytes.insert(bytes.end(), chunk, chunk + n);
    } catch (CException* e) {
        e->Delete();
        SceneReport r;
        r.path = path;
        return r;
    }
    return readSceneBytes(path, std::move(bytes));
}
