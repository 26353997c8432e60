/*
 * The contract between Varno and its converter plug-ins.
 *
 * A plug-in is a 32-bit Windows DLL that exports up to four functions. The
 * host finds them by export ordinal alone, never by name, so a plug-in fixes
 * its ordinals when it is linked (a .def file: "MyConv @2"). Every entry
 * point is optional, and two ordinals may lead to one function.
 *
 *   1 DllInfo(name, description)                   called once after loading
 *   2 Conv(owner, sourcePath, destinationPath, context)   once per file of a run
 *   3 Init(owner)                                   once per run, before the files
 *   4 Finalize(owner, context)                      once per run, after the files
 *
 * All four use the C calling convention: the caller removes the arguments.
 *
 * DllInfo writes the action name (at most PLUGIN_NAME_SIZE - 1 bytes and a
 * NUL) and a description (at most PLUGIN_DESC_SIZE - 1 bytes and a NUL, lines
 * separated by CR LF) into host buffers that are valid only during the call.
 *
 * The context value is one int per run, 0 at its start: every Init and
 * Finalize result replaces it, and every Conv and Finalize receives it. A
 * plug-in without Init receives whatever the previous plug-in left there.
 *
 * Conv receives writable, NUL-terminated full paths (at least MAX_PATH + 1
 * bytes) made afresh for the call. By convention it returns 0 on success and
 * a negative code of its own on failure; the host counts the file either way
 * and goes on. Strings are multibyte text in the ANSI code page.
 *
 * A plug-in that exports no Conv takes no part in runs: not even its Init or
 * Finalize is called.
 */
#ifndef VARNO_PLUGIN_INTERFACE_H
#define VARNO_PLUGIN_INTERFACE_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int(__cdecl* DllInfoProc)(char* name, char* description);
typedef int(__cdecl* ConvProc)(HWND owner, char* sourcePath, char* destinationPath, int context);
typedef int(__cdecl* InitProc)(HWND owner);
typedef int(__cdecl* FinalizeProc)(HWND owner, int context);

enum {
    PLUGIN_ORDINAL_DLLINFO = 1,
    PLUGIN_ORDINAL_CONV = 2,
    PLUGIN_ORDINAL_INIT = 3,
    PLUGIN_ORDINAL_FINALIZE = 4
};

enum {
    PLUGIN_NAME_SIZE = 64,  /* bytes of the DllInfo name buffer, NUL included */
    PLUGIN_DESC_SIZE = 1024 /* bytes of the DllInfo description buffer, NUL included */
};

#ifdef __cplusplus
}
#endif

#endif /* VARNO_PLUGIN_INTERFACE_H */
