// One library file found at start-up: its bound entry points, the texts its
// DllInfo reported and the loaded module, which the entry frees when it goes.
#pragma once

#include "PluginInterface.h"
#include "CString.h"

class ConverterEntry {
public:
    ConverterEntry() = default;
    ~ConverterEntry();
    ConverterEntry(const ConverterEntry&) = delete;
    ConverterEntry& operator=(const ConverterEntry&) = delete;

    // Loads the library m_strFileName of the current folder, binds ordinals
    // 1 to 4 and reads the texts through DllInfo. Always 0: a library that
    // fails to load keeps its file name and gets no entry points.
    int Load();
    // The same for a library of the given folder.
    int LoadFrom(const CString& folder);

    DllInfoProc m_pfnDllInfo = nullptr;
    ConvProc m_pfnConv = nullptr;
    CString m_strName;
    CString m_strDescription;
    CString m_strFileName;
    FinalizeProc m_pfnFinalize = nullptr;
    InitProc m_pfnInit = nullptr;
    HMODULE m_hModule = nullptr;
};
