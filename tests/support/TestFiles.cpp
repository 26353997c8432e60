#include "TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "CString.h"

#include <fstream>
#include <sstream>

std::string ProgramFolder() {
    char path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string full(path, length);
    return full.substr(0, full.find_last_of('\\') + 1);
}

std::string FixtureFolder() { return ProgramFolder() + "fixtures\\"; }

ScratchFolder::ScratchFolder() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "scratch";
    for (char& c : name)
        if (c == '/')
            c = '_';
    std::string root = ProgramFolder() + "scratch\\";
    CreateDirectoryA(root.c_str(), nullptr);
    m_path = root + name + "\\";
    RemoveTree(m_path);
    if (!CreateDirectoryA(m_path.c_str(), nullptr))
        ADD_FAILURE() << "cannot create scratch folder " << m_path;
}

ScratchFolder::~ScratchFolder() { RemoveTree(m_path); }

CurrentFolderScope::CurrentFolderScope(const std::string& folder) {
    char previous[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryA(sizeof previous, previous);
    m_previous.assign(previous, length);
    if (!SetCurrentDirectoryA(folder.c_str()))
        ADD_FAILURE() << "cannot enter " << folder;
}

CurrentFolderScope::~CurrentFolderScope() { SetCurrentDirectoryA(m_previous.c_str()); }

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        ADD_FAILURE() << "cannot write " << path;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CopyFixture(const std::string& fixtureName, const std::string& destinationPath) {
    std::string source = FixtureFolder() + fixtureName;
    if (!CopyFileA(source.c_str(), destinationPath.c_str(), FALSE))
        ADD_FAILURE() << "cannot copy " << source << " to " << destinationPath;
}

namespace {

// The Unix path of a Windows path, through Wine's own export; empty when not under Wine.
std::string UnixPathOf(const std::string& windowsPath) {
    using ToUnix = char*(__cdecl*)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr)
        return "";
    wchar_t wide[MAX_PATH * 4];
    if (!MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH * 4))
        return "";
    char* unixPath = toUnix(wide);
    if (unixPath == nullptr)
        return "";
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// Runs a Unix program (Wine starts one when asked to) and waits until
// done() holds: the process handle of a Unix program does not tell when it ends.
template <class Done> bool RunUnixCommand(const char* program, std::string commandLine, Done done) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 500; ++i) {
        if (done())
            return true;
        Sleep(10);
    }
    return false;
}

// Also true for a link whose target is gone.
bool Exists(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

// Wine can neither delete nor remove a Unix link to a folder.
void RemoveFolderLink(const std::string& linkPath) {
    std::string link = UnixPathOf(linkPath);
    if (!link.empty())
        RunUnixCommand("Z:\\bin\\rm", "/bin/rm -f \"" + link + "\"", [&] { return !Exists(linkPath); });
}

// Removes the entries of a folder: with linksOnly, just the links to
// folders anywhere below it (never followed), else everything.
void RemoveEntries(const std::string& folder, bool linksOnly) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string child = folder + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            RemoveFolderLink(child);
        } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveEntries(child, linksOnly);
            if (!linksOnly)
                RemoveDirectoryA(child.c_str());
        } else if (!linksOnly) {
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(child.c_str());
        }
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

} // namespace

void RemoveTree(const std::string& path) {
    std::string folder = path;
    if (CString(folder.c_str()).EndsWithChar('\\'))
        folder.pop_back();
    // Links first: Wine no longer lists a link once its target is gone.
    RemoveEntries(folder, true);
    RemoveEntries(folder, false);
    RemoveDirectoryA(folder.c_str());
}

bool MakeFolderLink(const std::string& linkPath, const std::string& targetPath) {
    std::string target = targetPath;
    bool relative = target.size() < 2 || target[1] != ':';
    if (relative) {
        for (char& c : target)
            if (c == '\\')
                c = '/';
    } else {
        target = UnixPathOf(targetPath);
    }
    std::string link = UnixPathOf(linkPath);
    if (target.empty() || link.empty())
        return false;
    return RunUnixCommand("Z:\\bin\\ln", "/bin/ln -s \"" + target + "\" \"" + link + "\"",
                          [&] { return Exists(linkPath); });
}
