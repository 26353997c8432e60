#include "TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

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

void RemoveTree(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = folder + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            // A link to a folder is removed as a link, never followed.
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(child);
            else if (!DeleteFileA(child.c_str()))
                RemoveDirectoryA(child.c_str());
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
