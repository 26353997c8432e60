// The built QueltDll.dll, loaded by its full path for the length of a test.
#pragma once

#include "EntryPoint.h"
#include "PluginInterface.h"

#include <windows.h>

#include <string>

class QueltLibrary {
public:
    QueltLibrary();
    ~QueltLibrary();
    QueltLibrary(const QueltLibrary&) = delete;
    QueltLibrary& operator=(const QueltLibrary&) = delete;

    // Full path of build/bin/QueltDll.dll.
    static std::string Path();

    HMODULE Module() const { return m_module; }
    // The address behind an ordinal, to compare entry points.
    void* Ordinal(int ordinal) const { return EntryPoint<void*>(m_module, ordinal); }
    DllInfoProc DllInfo() const { return EntryPoint<DllInfoProc>(m_module, PLUGIN_ORDINAL_DLLINFO); }
    ConvProc Conv() const { return EntryPoint<ConvProc>(m_module, PLUGIN_ORDINAL_CONV); }
    InitProc Init() const { return EntryPoint<InitProc>(m_module, PLUGIN_ORDINAL_INIT); }
    FinalizeProc Finalize() const { return EntryPoint<FinalizeProc>(m_module, PLUGIN_ORDINAL_FINALIZE); }

    // Conv on copies of the paths, as the host calls it.
    int Convert(const std::string& source, const std::string& destination) const;

    // The library name recorded in the export directory.
    std::string ExportDirectoryName() const;

private:
    HMODULE m_module;
};
