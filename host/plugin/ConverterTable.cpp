#include "ConverterTable.h"

#include "CStringArray.h"
#include "CurrentFolder.h"
#include "FolderSearch.h"

ConverterTable::~ConverterTable() {
    // Array delete destroys the elements in reverse order: the library found
    // last is freed first.
    delete[] m_pEntries;
}

int ConverterTable::LoadConverters() {
    // The backslash is appended even at a drive root ("C:\\*.dll"); the
    // system's search takes the doubled separator as one.
    CString folder = CurrentFolder();
    CString pattern = folder + "\\*.dll";

    CStringArray names;
    for (FolderSearch search(pattern); search.HasEntry(); search.Next())
        if (!search.IsFolder())
            names.Add(search.Name());
    if (names.GetSize() == 0)
        return -1;

    m_nCount = names.GetSize();
    m_pEntries = new ConverterEntry[m_nCount];
    for (int i = 0; i < m_nCount; ++i) {
        m_pEntries[i].m_strFileName = names[i];
        m_pEntries[i].LoadFrom(folder);
    }
    return 0;
}
