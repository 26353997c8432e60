// What the window tests share: the main window's control ids, a fixture
// with a scratch folder and a call log, and helpers to read the log.
#pragma once

#include "CallLog.h"
#include "TestFiles.h"
#include "Texts.h"
#include "VarnoProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

inline const int IDC_SOURCE_COMBO = 1000, IDC_SOURCE_BROWSE = 1001, IDC_DEST_COMBO = 1002,
          IDC_DEST_BROWSE = 1003, IDC_INFO_BUTTON = 1004, IDC_INFO_EDIT = 1005, IDC_EXECUTE = 1006,
          IDC_ACTION_GROUP = 1008, IDC_SUBFOLDERS = 1009, IDC_CURRENT_FILE = 1010, IDC_FILE_COUNT = 1011,
          IDC_STATUS = 1013, IDC_ACTION_SCROLL = 2999;

// The library files of a folder in the order a "*.dll" search finds them,
// which is the order of the converters and their rows.
inline std::vector<std::string> LibrariesInSearchOrder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "*.dll").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
}

// A window's rectangle in the client coordinates of another.
inline RECT RectIn(HWND window, HWND parent) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The value of key=value in a log line; with toEnd, all the rest of the line.
inline std::string Field(const std::string& line, const std::string& key, bool toEnd = false) {
    size_t at = line.find(" " + key + "=");
    if (at == std::string::npos)
        return "<none>";
    size_t start = at + key.size() + 2;
    return toEnd ? line.substr(start) : line.substr(start, line.find(' ', start) - start);
}

inline std::string FileOf(const std::string& line) { return line.substr(0, line.find(' ')); }

class WindowTest : public testing::Test {
protected:
    ScratchFolder folder;
    CallLog log{folder.Path()};

    // A working folder for Varno with the given fixtures under the given file names.
    std::string PluginFolder(const std::map<std::string, std::string>& fixtures) {
        std::string plugins = folder / "plugins\\";
        CreateDirectoryA(plugins.c_str(), nullptr);
        for (const auto& [fileName, fixture] : fixtures)
            CopyFixture(fixture, plugins + fileName);
        return plugins;
    }

    // Waits for the first log line of the event and returns it.
    std::string WaitForEvent(const std::string& event) {
        std::vector<std::string> lines;
        WaitUntil([&] { return !(lines = log.Events(event)).empty(); });
        return lines.empty() ? "<no " + event + ">" : lines[0];
    }
};
