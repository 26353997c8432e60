// Looks up a plug-in entry point by ordinal and gives it its contract type.
// The one place where a FARPROC is cast.
#pragma once

#include <windows.h>

template <class Proc> Proc EntryPoint(HMODULE module, int ordinal) {
    if (module == nullptr)
        return nullptr;
    FARPROC address = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(address));
}
