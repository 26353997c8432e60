// Growable array of CString, appended to at its end.
#pragma once

#include "CString.h"

#include <vector>

class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int Add(const CString& item) {
        m_items.push_back(item);
        return GetSize() - 1;
    }
    const CString& GetAt(int index) const { return m_items[index]; }
    const CString& operator[](int index) const { return m_items[index]; }
    CString& operator[](int index) { return m_items[index]; }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<CString> m_items;
};
