#include "FolderSearch.h"

FolderSearch::FolderSearch(const char* pattern) {
    m_handle = FindFirstFileA(pattern, &m_data);
    m_hasEntry = m_handle != INVALID_HANDLE_VALUE;
}

FolderSearch::~FolderSearch() {
    if (m_handle != INVALID_HANDLE_VALUE)
        FindClose(m_handle);
}

void FolderSearch::Next() {
    if (m_hasEntry)
        m_hasEntry = FindNextFileA(m_handle, &m_data) != FALSE;
}
