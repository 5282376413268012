// The byte layout of a scene file, field by field: offset, size and a name an integrator can
// find in the file ("cell 2 (CCombineCell) member 1 (CCell) inputType"). It follows the file as
// the program's reader does (header, then the object list with its class and object tags and the
// cells' fields) and stops where the structure cannot be followed. The program's reader decides
// whether a file loads; this map only names the place where that reader stopped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct LayoutField {
    std::size_t offset = 0;
    std::size_t size = 0;
    std::string name;
};

class SceneLayout {
public:
    // Maps the file's bytes (the map ends where the bytes do, or where the structure is lost).
    explicit SceneLayout(const std::vector<std::uint8_t>& bytes);

    const std::vector<LayoutField>& fields() const { return fields_; }

    // The field the reader stopped in or after: for data that ended, the field that starts at
    // (or spans) the position; for anything else, the field that ends there.
    const LayoutField* fieldAt(std::size_t position, bool dataEnded) const;

private:
    bool walk();
    bool readList(const std::string& owner, const std::string& itemName, int depth);
    bool readObject(const std::string& name, int depth);
    bool readCellData(const std::string& name, const std::string& className, int depth);
    // Records a field of n bytes at the cursor; false (and the field still recorded) when the
    // bytes end inside it.
    bool field(std::size_t n, const std::string& name);
    std::uint32_t value(std::size_t at, std::size_t n) const;

    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_ = 0;
    std::vector<LayoutField> fields_;
    std::vector<std::string> classes_;  // by index: the class name, or "" for an object
};
