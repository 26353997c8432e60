// One wildcard search of a folder (FindFirstFileA / FindNextFileA), closed
// when the object goes. A search that cannot be started simply has no entry.
//
//   for (FolderSearch search(pattern); search.HasEntry(); search.Next())
//       use(search.Name(), search.IsFolder());
#pragma once

#include <windows.h>

class FolderSearch {
public:
    explicit FolderSearch(const char* pattern);
    ~FolderSearch();
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;

    bool HasEntry() const { return m_hasEntry; }
    void Next();

    // The entry's long name, without any folder part.
    const char* Name() const { return m_data.cFileName; }
    bool IsFolder() const { return (m_data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    DWORD Attributes() const { return m_data.dwFileAttributes; }

private:
    HANDLE m_handle;
    bool m_hasEntry;
    WIN32_FIND_DATAA m_data;
};
