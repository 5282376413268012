// An ordered list of cell pointers: the wall's top-level cells, a region's PIP windows, a
// combined cell's members. The list does not own the cells; the cell or wall holding the list
// deletes them (see Cell.h).
#pragma once

#include <cstddef>
#include <vector>

class CCell;

class CCellList {
public:
    typedef std::vector<CCell*>::const_iterator const_iterator;

    CCellList() = default;
    CCellList(const CCellList&) = delete;
    CCellList& operator=(const CCellList&) = delete;

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    CCell* GetAt(int index) const { return m_items[static_cast<std::size_t>(index)]; }
    CCell* GetHead() const { return m_items.front(); }
    CCell* GetTail() const { return m_items.back(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

    void AddTail(CCell* cell) { m_items.push_back(cell); }
    void InsertAt(int index, CCell* cell)
    {
        m_items.insert(m_items.begin() + index, cell);
    }
    void RemoveAt(int index) { m_items.erase(m_items.begin() + index); }
    // Index of the cell, or -1.
    int Find(const CCell* cell) const
    {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == cell)
                return static_cast<int>(i);
        return -1;
    }
    // Removes the cell from the list; false when it was not in it.
    bool Remove(const CCell* cell)
    {
        const int i = Find(cell);
        if (i < 0)
            return false;
        RemoveAt(i);
        return true;
    }
    void RemoveAll() { m_items.clear(); }
    void Swap(CCellList& other) { m_items.swap(other.m_items); }
    std::vector<CCell*>& items() { return m_items; }

private:
    std::vector<CCell*> m_items;
};
