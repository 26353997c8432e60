#include "ConversionRun.h"

#include "FolderSearch.h"
#include "RunTexts.h"
#include "resource.h"

#include <algorithm>
#include <cstring>

namespace {

CString WithFinalBackslash(const CString& folder) {
    return folder.EndsWithChar('\\') ? folder : folder + '\\';
}

// Copies text into buffer with room for at least MAX_PATH characters and the
// terminator, and for the whole text when it is longer.
char* FillPathBuffer(std::vector<char>& buffer, const CString& text) {
    size_t size = std::max<size_t>(static_cast<size_t>(text.GetLength()) + 1, MAX_PATH + 1);
    if (buffer.size() < size)
        buffer.resize(size);
    std::memcpy(buffer.data(), static_cast<const char*>(text), static_cast<size_t>(text.GetLength()) + 1);
    return buffer.data();
}

// A pattern is a name pattern within the folder: one that names another
// folder or a drive would deliver names that do not belong to this folder.
bool IsNamePattern(const CString& pattern) {
    return !pattern.IsEmpty() && pattern.Find('\\') < 0 && pattern.Find('/') < 0 && pattern.Find(':') < 0;
}

bool IsDotEntry(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

// The full path of a folder text, without a final backslash except at a
// root, with short names made long where the folder exists.
CString NormalisedPath(const CString& text) {
    CString full;
    DWORD size = GetFullPathNameA(text, 0, nullptr, nullptr);
    if (size == 0)
        return text;
    DWORD length = GetFullPathNameA(text, size, full.GetBuffer(static_cast<int>(size)), nullptr);
    full.ReleaseBuffer(length < size ? static_cast<int>(length) : 0);

    CString longPath;
    size = GetLongPathNameA(full, nullptr, 0);
    if (size != 0) {
        length = GetLongPathNameA(full, longPath.GetBuffer(static_cast<int>(size)), size);
        longPath.ReleaseBuffer(length < size ? static_cast<int>(length) : 0);
        if (!longPath.IsEmpty())
            full = longPath;
    }
    if (full.EndsWithChar('\\') && full.GetLength() > 3)
        full = full.Left(full.GetLength() - 1);
    return full;
}

} // namespace

ConversionRun::ConversionRun(RunWindow& window, const ConverterTable& converters, int& fileCount)
    : m_window(window), m_converters(converters), m_nFileCount(fileCount) {}

void ConversionRun::Execute(const CString& sourceText, const CString& destText) {
    if (ValidateFolders(sourceText, destText) == 0)
        RunConversions(sourceText, destText);
}

int ConversionRun::ValidateFolders(CString sourceText, CString destText) {
    int code = 0;
    unsigned message = 0;
    if (sourceText.IsEmpty()) {
        code = -1, message = IDS_NO_SOURCE;
    } else if (destText.IsEmpty()) {
        code = -1, message = IDS_NO_DEST;
    } else if (PathExists(sourceText) == 0) {
        code = -2, message = IDS_SOURCE_MISSING;
    } else if (sourceText.CompareNoCase(destText) == 0 || SameFolder(sourceText, destText)) {
        code = -3, message = IDS_SAME_FOLDER;
    } else if (PathExists(destText) == 0 && MakeFolder(destText) == -1) {
        code = -4, message = IDS_DEST_CREATE_FAILED;
    }
    if (code != 0)
        m_window.ShowMessage(message, IDS_FOLDER_ERROR);
    return code;
}

// Two texts written differently may still name one folder; a run with them
// would hand each converter the same path to read and to write.
bool ConversionRun::SameFolder(const CString& a, const CString& b) {
    if (PathExists(b) == 0)
        return false;
    if (FolderIdentity::Of(a).SameAs(FolderIdentity::Of(b)))
        return true;
    return NormalisedPath(a).CompareNoCase(NormalisedPath(b)) == 0;
}

void ConversionRun::RunConversions(CString sourceText, CString destText) {
    CString sourceFolder = WithFinalBackslash(sourceText);
    CString destFolder = WithFinalBackslash(destText);

    m_nFileCount = 0;
    m_window.SetFileCountText("0");
    m_window.SetStatusText(RUN_STATUS_RUNNING);

    HWND owner = m_window.OwnerWindow();
    int context = 0;
    for (int i = 0; i < m_converters.m_nCount; ++i) {
        const ConverterEntry& entry = m_converters.m_pEntries[i];
        if (entry.m_pfnConv == nullptr)
            continue;
        if (entry.m_pfnInit != nullptr)
            context = entry.m_pfnInit(owner);
        if (m_window.IsRowTicked(i)) {
            CStringArray patterns;
            SplitPatterns(m_window.RowPatternText(i), &patterns);
            int includeSubfolders = m_window.IncludeSubfolders() ? 1 : 0;
            ConvertFolder(sourceFolder, destFolder, &patterns, entry.m_pfnConv, context, includeSubfolders);
        }
        if (entry.m_pfnFinalize != nullptr)
            context = entry.m_pfnFinalize(owner, context);
    }

    m_window.SetStatusText(RUN_STATUS_FINISHED);
}

void ConversionRun::ConvertFolder(CString sourceFolder, CString destFolder, const CStringArray* patterns,
                                  ConvProc conv, int context, int includeSubfolders) {
    WalkGuard guard;
    guard.sourceRoot = FolderIdentity::Of(sourceFolder);
    guard.destRoot = FolderIdentity::Of(destFolder);
    if (guard.sourceRoot.SameAs(guard.destRoot))
        return;
    WalkFolder(sourceFolder, destFolder, guard.sourceRoot, *patterns, conv, context, includeSubfolders != 0, guard);
}

void ConversionRun::WalkFolder(const CString& sourceFolder, const CString& destFolder, const FolderIdentity& here,
                               const CStringArray& patterns, ConvProc conv, int context, bool includeSubfolders,
                               WalkGuard& guard) {
    for (int p = 0; p < patterns.GetSize(); ++p) {
        if (!IsNamePattern(patterns[p]))
            continue;
        for (FolderSearch search(sourceFolder + patterns[p]); search.HasEntry(); search.Next())
            if (!search.IsFolder())
                ConvertFile(sourceFolder, destFolder, search.Name(), conv, context);
    }
    if (!includeSubfolders)
        return;

    guard.ancestors.push_back(here);
    for (FolderSearch search(sourceFolder + "*"); search.HasEntry(); search.Next()) {
        if (IsDotEntry(search.Name()) || !search.IsFolder())
            continue;
        CString sourceSub = sourceFolder + search.Name();
        CString destSub = destFolder + search.Name();
        FolderIdentity sub = FolderIdentity::Of(sourceSub);
        if (IsOffLimits(sub, FolderIdentity::Of(destSub), guard))
            continue;
        if (PathExists(destSub) == 0)
            MakeFolder(destSub + '\\');
        WalkFolder(sourceSub + '\\', destSub + '\\', sub, patterns, conv, context, true, guard);
    }
    guard.ancestors.pop_back();
}

bool ConversionRun::IsOffLimits(const FolderIdentity& sub, const FolderIdentity& mirror, const WalkGuard& guard) {
    // The destination inside the source is output, not input.
    if (sub.SameAs(guard.destRoot))
        return true;
    // A folder already on the way down is reached again through a loop of links.
    for (const FolderIdentity& above : guard.ancestors)
        if (sub.SameAs(above))
            return true;
    // With the source inside the destination, the mirror can be the source
    // folder itself, and through a link a folder can be its own mirror:
    // source files would be overwritten, or read and written under one path.
    return mirror.SameAs(guard.sourceRoot) || mirror.SameAs(sub);
}

void ConversionRun::ConvertFile(const CString& sourceFolder, const CString& destFolder, const char* name,
                                ConvProc conv, int context) {
    CString sourcePath = sourceFolder + name;
    CString count;
    count.Format("%d", ++m_nFileCount);
    m_window.SetFileCountText(count);
    m_window.SetCurrentFileText(sourcePath);
    conv(m_window.OwnerWindow(), FillPathBuffer(m_sourceBuffer, sourcePath),
         FillPathBuffer(m_destBuffer, destFolder + name), context);
}

void ConversionRun::SplitPatterns(CString text, CStringArray* patterns) {
    CString rest = text;
    for (int separator = rest.Find(';'); separator >= 0; separator = rest.Find(';')) {
        patterns->Add(rest.Left(separator));
        rest = rest.Mid(separator + 1);
    }
    patterns->Add(rest);
}

int ConversionRun::PathExists(CString path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 1 : 0; }

int ConversionRun::MakeFolder(CString path) { return CreateDirectoryA(path, nullptr) ? 0 : -1; }
