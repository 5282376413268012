// "diff": what differs between two scenes for an operator: the wall they were made for, cells
// added or removed, MPD regions made or undone, inputs changed, PIP windows added, removed,
// moved, resized, or given another input or transparency. Panels are matched by number, combined
// cells by their members, PIP windows by window number within their region.
#include "tools/common/ToolOutput.h"
#include "tools/tzscene/SceneTools.h"

#include <map>

namespace {

std::string num(int v) { return std::to_string(v); }

// A top-level cell's name, which is also its key: "panel 3", "combined cell of panels 2+3".
std::string nameOf(const CCell& cell)
{
    if (cell.getKind() != CELL_KIND_COMBINED)
        return "panel " + num(cell.number());
    std::string name = "combined cell of panels ";
    bool first = true;
    for (const CCell* member : static_cast<const CCombineCell&>(cell).members()) {
        name += (first ? "" : "+") + num(member->number());
        first = false;
    }
    return name;
}

std::string inputOf(const CCell& cell)
{
    std::string text = utf8Of(CCell::inputText(cell.inputType(), cell.inputNo()));
    return (text.empty() ? std::string("none") : text) + " (type " + num(cell.inputType()) +
           ", input " + num(cell.inputNo()) + ")";
}

std::string at(const WallRect& r) { return num(r.left) + "," + num(r.top); }

std::string size(const WallRect& r) { return num(r.right - r.left) + "x" + num(r.bottom - r.top); }

void compareInputs(const std::string& who, const CCell& a, const CCell& b,
                   std::vector<std::string>& out)
{
    if (a.inputType() != b.inputType() || a.inputNo() != b.inputNo())
        out.push_back(who + ": input " + inputOf(a) + " -> " + inputOf(b));
}

void comparePips(const std::string& who, const CCell& a, const CCell& b,
                 std::vector<std::string>& out)
{
    std::map<int, const CPIPCell*> before, after;
    for (const CCell* p : a.pips())
        before[p->number()] = static_cast<const CPIPCell*>(p);
    for (const CCell* p : b.pips())
        after[p->number()] = static_cast<const CPIPCell*>(p);
    for (const auto& [number, pip] : before)
        if (!after.count(number))
            out.push_back(who + ": - PIP window " + num(number));
    for (const auto& [number, pip] : after) {
        const std::string window = who + ": PIP window " + num(number);
        const auto old = before.find(number);
        if (old == before.end()) {
            out.push_back(who + ": + PIP window " + num(number) + " at " + at(pip->rect()) +
                          " size " + size(pip->rect()) + ", input " + inputOf(*pip));
            continue;
        }
        const WallRect& r0 = old->second->rect();
        const WallRect& r1 = pip->rect();
        if (at(r0) != at(r1))
            out.push_back(window + " moved from " + at(r0) + " to " + at(r1));
        if (size(r0) != size(r1))
            out.push_back(window + " resized from " + size(r0) + " to " + size(r1));
        compareInputs(window, *old->second, *pip, out);
        if (old->second->transparency() != pip->transparency())
            out.push_back(window + ": transparency " + num(old->second->transparency()) + " -> " +
                          num(pip->transparency()));
    }
}

void compareHeaders(const SceneGeometry& a, const SceneGeometry& b, std::vector<std::string>& out)
{
    if (a.rows != b.rows || a.columns != b.columns)
        out.push_back("wall: " + num(a.rows) + "x" + num(a.columns) + " -> " + num(b.rows) + "x" +
                      num(b.columns));
    if (a.resolution != b.resolution)
        out.push_back("resolution: " + num(a.resolution) + " -> " + num(b.resolution));
    if (a.mpdCount != b.mpdCount)
        out.push_back("MPD count: " + num(a.mpdCount) + " -> " + num(b.mpdCount));
}

}  // namespace

std::vector<std::string> sceneDifferences(const SceneReport& a, const SceneReport& b)
{
    std::vector<std::string> out;
    compareHeaders(a.header.geometry, b.header.geometry, out);
    std::map<std::string, const CCell*> before, after;
    std::vector<std::string> order;
    for (const CCell* cell : a.wall->cells())
        before[nameOf(*cell)] = cell;
    for (const CCell* cell : b.wall->cells()) {
        after[nameOf(*cell)] = cell;
        order.push_back(nameOf(*cell));
    }
    for (const CCell* cell : a.wall->cells())
        if (!after.count(nameOf(*cell)))
            out.push_back("- " + nameOf(*cell));
    for (const std::string& name : order) {
        const CCell& now = *after[name];
        const auto old = before.find(name);
        if (old == before.end()) {
            out.push_back("+ " + name + (now.isMpd() ? " (MPD region)" : "") + ", input " +
                          inputOf(now));
            continue;
        }
        const CCell& was = *old->second;
        if (was.isMpd() != now.isMpd())
            out.push_back(
                name + (now.isMpd() ? ": becomes an MPD region" : ": is no longer an MPD region"));
        if (at(was.rect()) != at(now.rect()) || size(was.rect()) != size(now.rect()))
            out.push_back(name + ": " + at(was.rect()) + " size " + size(was.rect()) + " -> " +
                          at(now.rect()) + " size " + size(now.rect()));
        compareInputs(name, was, now, out);
        comparePips(name, was, now, out);
    }
    return out;
}
