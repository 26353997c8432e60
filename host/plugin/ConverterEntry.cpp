#include "ConverterEntry.h"

#include "CurrentFolder.h"
#include "EntryPoint.h"

#include <cstring>

namespace {

// The text a plug-in wrote into a buffer: up to its first NUL, and never
// more than the buffer holds less one byte, even when the NUL is missing.
CString TextOf(const char* buffer, size_t size) {
    const void* nul = std::memchr(buffer, '\0', size - 1);
    size_t length = nul ? static_cast<const char*>(nul) - buffer : size - 1;
    return CString(buffer, static_cast<int>(length));
}

// A library that cannot be loaded is listed without entry points; the
// system must not stop the start-up with an error box of its own for it.
HMODULE LoadQuietly(const char* path) {
    UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // With a full path the file the search found is the one bound, never a
    // same-named library that is already loaded or lies elsewhere on the
    // loader's search path; the libraries it needs are looked for beside it.
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(oldMode);
    return module;
}

} // namespace

ConverterEntry::~ConverterEntry() {
    if (m_hModule != nullptr)
        FreeLibrary(m_hModule);
}

int ConverterEntry::Load() { return LoadFrom(CurrentFolder()); }

int ConverterEntry::LoadFrom(const CString& folder) {
    CString path = folder;
    if (!path.EndsWithChar('\\'))
        path += '\\';
    m_hModule = LoadQuietly(path + m_strFileName);

    DllInfoProc dllInfo = EntryPoint<DllInfoProc>(m_hModule, PLUGIN_ORDINAL_DLLINFO);
    ConvProc conv = EntryPoint<ConvProc>(m_hModule, PLUGIN_ORDINAL_CONV);
    InitProc init = EntryPoint<InitProc>(m_hModule, PLUGIN_ORDINAL_INIT);
    FinalizeProc finalize = EntryPoint<FinalizeProc>(m_hModule, PLUGIN_ORDINAL_FINALIZE);

    if (dllInfo != nullptr) {
        m_pfnDllInfo = dllInfo;
        // Cleared so that a plug-in that writes less than it should leaves
        // empty text rather than whatever the stack held.
        char name[PLUGIN_NAME_SIZE] = {};
        char description[PLUGIN_DESC_SIZE] = {};
        dllInfo(name, description);
        m_strName = TextOf(name, sizeof name);
        m_strDescription = TextOf(description, sizeof description);
    }
    m_pfnConv = conv;
    m_pfnInit = init;
    m_pfnFinalize = finalize;
    return 0;
}
