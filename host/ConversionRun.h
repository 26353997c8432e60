// One press of Execute: the folder checks, then the run that hands every
// matching file of the source tree, with its mirrored destination path, to
// each ticked converter. It reaches the window only through RunWindow.
#pragma once

#include "CString.h"
#include "CStringArray.h"
#include "ConverterTable.h"
#include "FolderIdentity.h"
#include "RunWindow.h"

#include <vector>

class ConversionRun {
public:
    // fileCount is the window's counter of files handed to converters.
    ConversionRun(RunWindow& window, const ConverterTable& converters, int& fileCount);

    // Validates the two folder texts as typed and, when they pass, runs.
    void Execute(const CString& sourceText, const CString& destText);

    // 0, or -1 empty text, -2 source missing, -3 both name one folder, -4
    // destination cannot be created; every refusal is told by one message box.
    int ValidateFolders(CString sourceText, CString destText);

    // Init, the walk of each ticked converter, and Finalize, converter by
    // converter in table order, with the progress fields kept current.
    void RunConversions(CString sourceText, CString destText);

    // Converts the files of one folder that match the patterns and, when
    // includeSubfolders is not 0, those of its whole subtree into the
    // mirrored destination folders. Both folders end in a backslash.
    void ConvertFolder(CString sourceFolder, CString destFolder, const CStringArray* patterns, ConvProc conv,
                       int context, int includeSubfolders);

    // Appends the ";"-separated pieces of text to patterns, empty ones too.
    void SplitPatterns(CString text, CStringArray* patterns);

    // 1 when a file or folder exists at the path, else 0.
    int PathExists(CString path);
    // Creates one folder: 0, or -1 on any failure (also when it exists).
    int MakeFolder(CString path);

private:
    // What one walk must never do: enter its own destination folder (when it
    // lies inside the source), write into its own source folder (when the
    // source lies inside the destination), or go round a loop of links.
    struct WalkGuard {
        FolderIdentity sourceRoot;
        FolderIdentity destRoot;
        std::vector<FolderIdentity> ancestors; // folders from the root down to the one being walked
    };

    void WalkFolder(const CString& sourceFolder, const CString& destFolder, const FolderIdentity& here,
                    const CStringArray& patterns, ConvProc conv, int context, bool includeSubfolders,
                    WalkGuard& guard);
    // True for a source subfolder the walk must not enter (see WalkGuard).
    static bool IsOffLimits(const FolderIdentity& sub, const FolderIdentity& mirror, const WalkGuard& guard);
    void ConvertFile(const CString& sourceFolder, const CString& destFolder, const char* name, ConvProc conv,
                     int context);
    bool SameFolder(const CString& a, const CString& b);

    RunWindow& m_window;
    const ConverterTable& m_converters;
    int& m_nFileCount;
    // Writable copies of the two paths handed to Conv, refilled for every call.
    std::vector<char> m_sourceBuffer;
    std::vector<char> m_destBuffer;
};
