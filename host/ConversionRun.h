// One press of Execute: the folder checks, then the run that hands every
// matching file of the source tree, with its mirrored destination path, to
// each ticked converter. It reaches the window only through RunWindow.
#pragma once

#include "CString.h"
#include "CStringArray.h"
#include "ConverterTable.h"
#include "RunWindow.h"

class ConversionRun {
public:
    // fileCount is the window's counter of files handed to converters.
    ConversionRun(RunWindow& window, const ConverterTable& converters, int& fileCount);

    // Validates the two folder texts as typed and, when they pass, runs.
    void Execute(const CString& sourceText, const CString& destText);

    // 0, or -1 empty text, -2 source missing, -3 same folder, -4 destination
    // cannot be created; every refusal is told by one message box.
    int ValidateFolders(CString sourceText, CString destText);

    void RunConversions(CString sourceText, CString destText);
    void ConvertFolder(CString sourceFolder, CString destFolder, const CStringArray* patterns, ConvProc conv,
                       int context, int includeSubfolders);
    void SplitPatterns(CString text, CStringArray* patterns);

    // 1 when a file or folder exists at the path, else 0.
    int PathExists(CString path);
    // Creates one folder: 0, or -1 on any failure (also when it exists).
    int MakeFolder(CString path);

private:
    RunWindow& m_window;
    const ConverterTable& m_converters;
    int& m_nFileCount;
};
