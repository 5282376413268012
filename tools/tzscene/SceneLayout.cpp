#include "tools/tzscene/SceneLayout.h"

namespace {

const std::uint32_t kNewClassTag = 0xFFFF;
const std::uint32_t kBigTag = 0x7FFF;
const std::uint32_t kClassBit = 0x80000000u;
// As deep as the program's archive lets objects nest.
const int kMaxDepth = 64;

bool isCellClass(const std::string& name)
{
    return name == "CCell" || name == "CPIPCell" || name == "CCombineCell";
}

}  // namespace

SceneLayout::SceneLayout(const std::vector<std::uint8_t>& bytes) : bytes_(bytes)
{
    classes_.push_back("");  // index 0 stands for no object
    walk();
}

std::uint32_t SceneLayout::value(std::size_t at, std::size_t n) const
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < n && at + i < bytes_.size(); ++i)
        v |= static_cast<std::uint32_t>(bytes_[at + i]) << (8 * i);
    return v;
}

bool SceneLayout::field(std::size_t n, const std::string& name)
{
    fields_.push_back(LayoutField{at_, n, name});
    if (at_ + n > bytes_.size())
        return false;
    at_ += n;
    return true;
}

bool SceneLayout::walk()
{
    return field(2, "magic") && field(200, "reserved bytes") && field(4, "rows") &&
           field(4, "columns") && field(4, "resolution index") && field(4, "MPD count") &&
           readList("", "cell", 0);
}

bool SceneLayout::readList(const std::string& owner, const std::string& itemName, int depth)
{
    const std::string list = owner.empty() ? itemName + " list" : owner + " " + itemName + " list";
    const std::size_t countAt = at_;
    if (!field(2, list + " count"))
        return false;
    std::uint32_t count = value(countAt, 2);
    if (count == 0xFFFF) {
        const std::size_t wideAt = at_;
        if (!field(4, list + " count (32-bit)"))
            return false;
        count = value(wideAt, 4);
    }
    for (std::uint32_t i = 1; i <= count; ++i) {
        const std::string name =
            (owner.empty() ? itemName : owner + " " + itemName) + " " + std::to_string(i);
        if (!readObject(name, depth))
            return false;
    }
    return true;
}

bool SceneLayout::readObject(const std::string& name, int depth)
{
    if (depth >= kMaxDepth)
        return false;
    const std::size_t tagAt = at_;
    if (!field(2, name + " object tag"))
        return false;
    const std::uint32_t tag = value(tagAt, 2);
    std::string className;
    if (tag == kNewClassTag) {
        const std::size_t lengthAt = at_ + 2;
        if (!field(2, name + " class schema") || !field(2, name + " class name length"))
            return false;
        const std::size_t length = value(lengthAt, 2);
        const std::size_t nameAt = at_;
        if (!field(length, name + " class name"))
            return false;
        className.assign(bytes_.begin() + static_cast<long>(nameAt),
                         bytes_.begin() + static_cast<long>(nameAt + length));
        classes_.push_back(className);
    } else {
        std::uint32_t objectTag = ((tag & 0x8000u) << 16) | (tag & 0x7FFFu);
        if (tag == kBigTag) {
            const std::size_t wideAt = at_;
            if (!field(4, name + " object tag (32-bit)"))
                return false;
            objectTag = value(wideAt, 4);
        }
        if (!(objectTag & kClassBit))
            return true;  // no object, or one read before: no data follows
        const std::uint32_t index = objectTag & ~kClassBit;
        if (index >= classes_.size() || classes_[index].empty())
            return false;
        className = classes_[index];
    }
    classes_.push_back("");  // the object's own index
    return readCellData(name + " (" + className + ")", className, depth);
}

bool SceneLayout::readCellData(const std::string& name, const std::string& className, int depth)
{
    if (!isCellClass(className))
        return false;
    static const char* const kFields[] = {"rect left", "rect top", "rect right", "rect bottom",
                                          "flags"};
    for (const char* f : kFields)
        if (!field(4, name + " " + f))
            return false;
    if (!field(2, name + " isMpd"))
        return false;
    static const char* const kNumbers[] = {"number", "order", "inputType", "inputNo"};
    for (const char* f : kNumbers)
        if (!field(4, name + " " + f))
            return false;
    if (!field(2, name + " kind") || !readList(name, "PIP window", depth + 1))
        return false;
    if (className == "CPIPCell") {
        static const char* const kPip[] = {"transparency", "device x", "device y", "device width",
                                           "device height"};
        for (const char* f : kPip)
            if (!field(4, name + " " + f))
                return false;
    } else if (className == "CCombineCell") {
        return readList(name, "member", depth + 1);
    }
    return true;
}

const LayoutField* SceneLayout::fieldAt(std::size_t position, bool dataEnded) const
{
    const LayoutField* spanning = nullptr;
    const LayoutField* ending = nullptr;
    for (const LayoutField& f : fields_) {
        if (!spanning && f.offset <= position && position < f.offset + f.size)
            spanning = &f;
        if (f.offset + f.size == position && f.size > 0)
            ending = &f;
    }
    if (dataEnded)
        return spanning ? spanning : ending;
    return ending ? ending : spanning;
}
