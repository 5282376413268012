// "dump": the scene as JSON. The device rectangles are the region's own computation (deviceRectOf)
// and the geometry "sent" is what the recorded restore put into its size and position frames.
#include "app/core/profile/ProfileRecords.h"
#include "app/core/wall/WallServices.h"
#include "tools/common/ToolOutput.h"
#include "tools/tzscene/SceneTools.h"

#include <cstdio>
#include <map>

namespace {

std::string quoted(const std::string& utf8)
{
    std::string q = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            q += '\\';
            q += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            q += escape;
        } else {
            q += static_cast<char>(c);
        }
    }
    return q + "\"";
}

std::string numbers(std::initializer_list<int> values)
{
    std::string text = "[";
    for (int v : values)
        text += (text.size() > 1 ? "," : "") + std::to_string(v);
    return text + "]";
}

const char* kindName(int kind)
{
    switch (kind) {
    case CELL_KIND_PLAIN: return "plain";
    case CELL_KIND_PIP: return "pip";
    case CELL_KIND_COMBINED: return "combined";
    default: return "?";
    }
}

// Size and position frames of the recorded restore, by window number, in the order sent.
struct SentGeometry {
    int width = 0, height = 0, x = 0, y = 0;
    bool sized = false, placed = false;
};

// The device rectangles the file stores (before anything computes and caches one).
using StoredRects = std::map<const CCell*, std::string>;

void keepStored(const CCellList& cells, StoredRects& stored)
{
    for (CCell* cell : cells) {
        if (cell->getKind() == CELL_KIND_PIP) {
            const CPIPCell* pip = static_cast<const CPIPCell*>(cell);
            int x = 0, y = 0, w = 0, h = 0;
            pip->deviceRect(&x, &y, &w, &h);
            stored[cell] = pip->hasDeviceRect() ? numbers({x, y, w, h}) : "null";
        }
        keepStored(cell->pips(), stored);
        if (cell->getKind() == CELL_KIND_COMBINED)
            keepStored(static_cast<CCombineCell*>(cell)->members(), stored);
    }
}

class JsonWriter {
public:
    JsonWriter(const StoredRects& stored, const std::vector<std::string>& sentLines)
        : stored_(stored)
    {
        for (const std::string& line : sentLines)
            takeSent(line);
    }

    std::string cell(CCell& cell, CCell* region, int indent) const
    {
        const std::string pad(static_cast<std::size_t>(indent), ' ');
        const WallRect& r = cell.rect();
        std::string j = pad + "{\"class\":" + quoted(cell.GetRuntimeClass()->m_lpszClassName) +
                        ",\"kind\":" + quoted(kindName(cell.kind())) +
                        ",\"number\":" + std::to_string(cell.number()) +
                        ",\"order\":" + std::to_string(cell.order()) +
                        ",\"rect\":" + numbers({r.left, r.top, r.right, r.bottom}) +
                        ",\"flags\":" + std::to_string(cell.flags()) +
                        ",\"mpd\":" + (cell.isMpd() ? "true" : "false") +
                        ",\"inputType\":" + std::to_string(cell.inputType()) +
                        ",\"inputNo\":" + std::to_string(cell.inputNo()) + ",\"input\":" +
                        quoted(utf8Of(CCell::inputText(cell.inputType(), cell.inputNo()))) +
                        ",\"label\":" + quoted(utf8Of(cell.label()));
        if (cell.getKind() == CELL_KIND_PIP)
            j += pipFields(static_cast<CPIPCell&>(cell), region);
        j += list("pips", cell.pips(), &cell, indent);
        if (cell.getKind() == CELL_KIND_COMBINED)
            j += list("members", static_cast<CCombineCell&>(cell).members(), nullptr, indent);
        return j + "}";
    }

private:
    std::string list(const char* name, const CCellList& cells, CCell* region, int indent) const
    {
        if (cells.GetCount() == 0)
            return std::string(",\"") + name + "\":[]";
        std::string j = std::string(",\"") + name + "\":[\n";
        bool first = true;
        for (CCell* c : cells) {
            j += (first ? "" : ",\n") + cell(*c, region, indent + 2);
            first = false;
        }
        return j + "\n" + std::string(static_cast<std::size_t>(indent), ' ') + "]";
    }

    std::string pipFields(CPIPCell& pip, CCell* region) const
    {
        std::string j = ",\"transparency\":" + std::to_string(pip.transparency());
        const auto stored = stored_.find(&pip);
        j += ",\"storedDeviceRect\":" + (stored != stored_.end() ? stored->second : "null");
        int x = 0, y = 0, w = 0, h = 0;
        if (region && region->deviceRectOf(&pip, &x, &y, &w, &h))
            j += ",\"deviceRect\":" + numbers({x, y, w, h});
        else
            j += ",\"deviceRect\":null";
        const auto it = sent_.find(pip.number());
        if (it != sent_.end() && it->second.sized && it->second.placed) {
            const SentGeometry& s = it->second;
            j += ",\"sent\":{\"size\":" + numbers({s.width, s.height}) +
                 ",\"position\":" + numbers({s.x, s.y}) + "}";
        } else {
            j += ",\"sent\":null";
        }
        return j;
    }

    // "SetPip(w,2,wh,wl,hh,hl)" and "SetPip(w,1,xh,xl,yh,yl)" lines of the recorded restore.
    void takeSent(const std::string& line)
    {
        const std::string::size_type at = line.find("SetPip(");
        int window = 0, sub = 0, a = 0, b = 0, c = 0, d = 0;
        if (at == std::string::npos || std::sscanf(line.c_str() + at, "SetPip(%d,%d,%d,%d,%d,%d)",
                                                   &window, &sub, &a, &b, &c, &d) != 6)
            return;
        SentGeometry& s = sent_[window];
        if (sub == 2) {
            s.width = a * 256 + b;
            s.height = c * 256 + d;
            s.sized = true;
        } else if (sub == 1) {
            s.x = a * 256 + b;
            s.y = c * 256 + d;
            s.placed = true;
        }
    }

    const StoredRects& stored_;
    std::map<int, SentGeometry> sent_;
};

}  // namespace

std::string sceneJson(const SceneReport& report, const Installation& installation)
{
    const SceneGeometry& g = report.header.geometry;
    char magic[16];
    std::snprintf(magic, sizeof magic, "0x%04X", static_cast<unsigned short>(report.header.magic));
    std::string j = "{\n  \"file\":" + quoted(utf8Of(report.path.c_str())) +
                    ",\n  \"complete\":" + (report.cellsComplete ? "true" : "false");
    if (!report.why().empty())
        j += ",\n  \"why\":" + quoted(utf8Of(report.why().c_str()));
    int pixelWidth = 0, pixelHeight = 0;
    WallServices::current()->mpdPixelSize(&pixelWidth, &pixelHeight);
    j += ",\n  \"installation\":{\"folder\":" + quoted(utf8Of(installation.folder().c_str())) +
         ",\"viewProfile\":" + (installation.hasViewProfile() ? "true" : "false") +
         ",\"mpdPixelSize\":" + numbers({pixelWidth, pixelHeight}) + "}";
    j += ",\n  \"header\":{\"magic\":" + quoted(magic) + ",\"rows\":" + std::to_string(g.rows) +
         ",\"columns\":" + std::to_string(g.columns) +
         ",\"resolution\":" + std::to_string(g.resolution) +
         ",\"resolutionName\":" + quoted(utf8Of(resolutionText(g.resolution))) +
         ",\"mpdCount\":" + std::to_string(g.mpdCount) + "}";
    StoredRects stored;
    keepStored(report.wall->cells(), stored);
    std::vector<std::string> sentLines;
    if (report.cellsComplete)
        sentLines = sceneFrames(report, installation, 0, -1).lines;
    const JsonWriter writer(stored, sentLines);
    j += ",\n  \"cells\":[";
    bool first = true;
    for (CCell* cell : report.wall->cells()) {
        j += (first ? "\n" : ",\n") + writer.cell(*cell, nullptr, 4);
        first = false;
    }
    return j + (first ? "]\n}\n" : "\n  ]\n}\n");
}
