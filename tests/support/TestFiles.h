// Real folders and files for tests: a scratch folder beside the test
// program, emptied when the test ends, and whole-file reads and writes.
#pragma once

#include <string>

// The folder of the running test program, with a final backslash.
std::string ProgramFolder();
// The folder of the fixture plug-ins, with a final backslash.
std::string FixtureFolder();

// A fresh, empty folder below the test program's folder, named after the
// running test; removed with its contents when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's full path with a final backslash, or that path + name.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

// Makes a folder the current one for the lifetime of the object.
class CurrentFolderScope {
public:
    explicit CurrentFolderScope(const std::string& folder);
    ~CurrentFolderScope();
    CurrentFolderScope(const CurrentFolderScope&) = delete;
    CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

private:
    std::string m_previous;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole file; an empty string when it cannot be read (see FileExists).
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
void CopyFixture(const std::string& fixtureName, const std::string& destinationPath);
// Removes a folder and everything below it; no error when it is missing.
void RemoveTree(const std::string& path);

// Creates a Unix symbolic link at linkPath pointing to targetPath (both
// Windows paths; the target may be relative to the link's folder, with
// backslashes). Wine follows such links like folders. False when the
// system cannot make one.
bool MakeFolderLink(const std::string& linkPath, const std::string& targetPath);
