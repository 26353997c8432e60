#include "CallLog.h"
#include "ConverterTable.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The non-folder names a "*.dll" search of the folder returns, in its order.
std::vector<std::string> LibraryFilesInSearchOrder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "*.dll").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
}

std::string FileNameOfEvent(const std::string& line) { return line.substr(0, line.find(' ')); }

class LoaderTest : public testing::Test {
protected:
    ScratchFolder folder;
    CallLog log{folder.Path()};
};

TEST_F(LoaderTest, FolderWithoutLibrariesLeavesTableEmpty) {
    CreateDirectoryA((folder / "folder.dll").c_str(), nullptr);
    WriteFileBytes(folder / "readme.txt", "not a library");
    CurrentFolderScope here(folder.Path());

    ConverterTable table;
    EXPECT_EQ(-1, table.LoadConverters());
    EXPECT_EQ(-1, table.m_nCount);
    EXPECT_EQ(nullptr, table.m_pEntries);
}

TEST_F(LoaderTest, EveryLibraryFileBecomesAnEntryInSearchOrder) {
    static const struct {
        const char* fixture; // null: a text file
        const char* fileName;
        bool loaded;
        const char* name;
        const char* description;
        bool dllInfo, conv, init, finalize;
    } cases[] = {
        {"fx_full.dll", "full.dll", true, "full", "full recorder", true, true, true, true},
        {"fx_conv_only.dll", "conv_only.dll", true, "", "", false, true, false, false},
        {"fx_no_conv.dll", "no_conv.dll", true, "no conv", "records its calls", true, false, true, true},
        {"fx_shared.dll", "UPPER.DLL", true, "shared", "init and finalize are one", true, true, true, true},
        {"fx_refuse_load.dll", "refuses.dll", false, "", "", false, false, false, false},
        {"fx_no_exports.dll", "exports_nothing.dll", true, "", "", false, false, false, false},
        {nullptr, "text.dll", false, "", "", false, false, false, false},
    };
    for (const auto& c : cases) {
        if (c.fixture)
            CopyFixture(c.fixture, folder / c.fileName);
        else
            WriteFileBytes(folder / c.fileName, "this is text, not a library\r\n");
    }
    CreateDirectoryA((folder / "folder.dll").c_str(), nullptr);
    std::vector<std::string> order = LibraryFilesInSearchOrder(folder.Path());
    ASSERT_EQ(std::size(cases), order.size());

    CurrentFolderScope here(folder.Path());
    ConverterTable table;
    ASSERT_EQ(0, table.LoadConverters());
    ASSERT_EQ(static_cast<int>(std::size(cases)), table.m_nCount);

    for (int i = 0; i < table.m_nCount; ++i) {
        const ConverterEntry& entry = table.m_pEntries[i];
        EXPECT_EQ(order[i], std::string(entry.m_strFileName));
        for (const auto& c : cases) {
            if (order[i] != c.fileName)
                continue;
            SCOPED_TRACE(c.fileName);
            EXPECT_EQ(c.loaded, entry.m_hModule != nullptr);
            EXPECT_STREQ(c.name, entry.m_strName);
            EXPECT_STREQ(c.description, entry.m_strDescription);
            EXPECT_EQ(c.dllInfo, entry.m_pfnDllInfo != nullptr);
            EXPECT_EQ(c.conv, entry.m_pfnConv != nullptr);
            EXPECT_EQ(c.init, entry.m_pfnInit != nullptr);
            EXPECT_EQ(c.finalize, entry.m_pfnFinalize != nullptr);
        }
    }
    // Ordinals 3 and 4 of the shared fixture are one function.
    for (int i = 0; i < table.m_nCount; ++i) {
        if (order[i] == "UPPER.DLL") {
            EXPECT_EQ(reinterpret_cast<void*>(table.m_pEntries[i].m_pfnInit),
                      reinterpret_cast<void*>(table.m_pEntries[i].m_pfnFinalize));
        }
    }

    // Loading calls DllInfo and nothing else.
    for (const std::string& line : log.Lines()) {
        std::string event = line.substr(line.find(' ') + 1);
        EXPECT_TRUE(event == "attach" || event == "dllinfo" || event == "detach") << line;
    }
    EXPECT_EQ(3u, log.Events("dllinfo").size());
}

TEST_F(LoaderTest, TextsAreTakenWholeButNeverPastTheBuffers) {
    CopyFixture("fx_long_texts.dll", folder / "long.dll");
    CopyFixture("fx_no_nul.dll", folder / "no_nul.dll");
    CurrentFolderScope here(folder.Path());
    ConverterTable table;
    ASSERT_EQ(0, table.LoadConverters());
    ASSERT_EQ(2, table.m_nCount);
    for (int i = 0; i < table.m_nCount; ++i) {
        const ConverterEntry& entry = table.m_pEntries[i];
        SCOPED_TRACE(entry.m_strFileName);
        ASSERT_EQ(PLUGIN_NAME_SIZE - 1, entry.m_strName.GetLength());
        ASSERT_EQ(PLUGIN_DESC_SIZE - 1, entry.m_strDescription.GetLength());
        bool noNul = std::string(entry.m_strFileName) == "no_nul.dll";
        for (int k = 0; k < PLUGIN_NAME_SIZE - 1; ++k)
            ASSERT_EQ(noNul ? 'N' : 'a' + k % 26, entry.m_strName.GetAt(k));
        for (int k = 0; k < PLUGIN_DESC_SIZE - 1; ++k)
            ASSERT_EQ(noNul ? 'D' : 'A' + k % 26, entry.m_strDescription.GetAt(k));
    }
}

TEST_F(LoaderTest, LibrariesAreFreedLastFoundFirst) {
    for (const char* name : {"one.dll", "two.dll", "three.dll", "four.dll"})
        CopyFixture("fx_full.dll", folder / name);
    CopyFixture("fx_no_exports.dll", folder / "plain.dll");
    std::vector<std::string> order = LibraryFilesInSearchOrder(folder.Path());
    {
        CurrentFolderScope here(folder.Path());
        auto table = std::make_unique<ConverterTable>();
        ASSERT_EQ(0, table->LoadConverters());
        EXPECT_TRUE(log.Events("detach").empty()) << "a library that exports nothing stays loaded too";
        log.Clear();
        table.reset();
    }
    std::vector<std::string> freed;
    for (const std::string& line : log.Lines()) {
        EXPECT_NE(std::string::npos, line.find(" detach")) << "no entry point is called when unloading";
        freed.push_back(FileNameOfEvent(line));
    }
    EXPECT_EQ(std::vector<std::string>(order.rbegin(), order.rend()), freed);
}

TEST_F(LoaderTest, TheFileTheSearchFoundIsTheOneBound) {
    // A different shadow.dll lies beside the test program, where the loader
    // looks before the current folder for a bare name.
    ASSERT_TRUE(FileExists(ProgramFolder() + "shadow.dll"));
    CopyFixture("shadow\\shadow.dll", folder / "shadow.dll");
    CurrentFolderScope here(folder.Path());

    for (bool alreadyLoaded : {false, true}) {
        SCOPED_TRACE(alreadyLoaded ? "program's shadow.dll already loaded" : "not loaded");
        HMODULE other = alreadyLoaded ? LoadLibraryA((ProgramFolder() + "shadow.dll").c_str()) : nullptr;
        ASSERT_EQ(alreadyLoaded, other != nullptr);
        {
            ConverterTable table;
            ASSERT_EQ(0, table.LoadConverters());
            ASSERT_EQ(1, table.m_nCount);
            EXPECT_STREQ("shadow in the plug-in folder", table.m_pEntries[0].m_strName);
            EXPECT_NE(other, table.m_pEntries[0].m_hModule);
        }
        if (other)
            FreeLibrary(other);
    }
}

TEST_F(LoaderTest, EntryLoadsFromTheCurrentFolder) {
    CopyFixture("fx_full.dll", folder / "full.dll");
    CurrentFolderScope here(folder.Path());
    ConverterEntry entry;
    entry.m_strFileName = "full.dll";
    EXPECT_EQ(0, entry.Load());
    EXPECT_NE(nullptr, entry.m_hModule);
    EXPECT_STREQ("full", entry.m_strName);

    ConverterEntry missing;
    missing.m_strFileName = "missing.dll";
    EXPECT_EQ(0, missing.Load());
    EXPECT_EQ(nullptr, missing.m_hModule);
    EXPECT_EQ(nullptr, missing.m_pfnConv);
}

TEST_F(LoaderTest, DriveRootFolderIsSearched) {
    // The test prefix maps R: to an empty folder of its own.
    if (!FolderExists("R:\\"))
        GTEST_SKIP() << "no test drive R: in this prefix";
    CopyFixture("fx_full.dll", "R:\\full.dll");
    {
        CurrentFolderScope here("R:\\");
        ConverterTable table;
        EXPECT_EQ(0, table.LoadConverters());
        ASSERT_EQ(1, table.m_nCount);
        EXPECT_NE(nullptr, table.m_pEntries[0].m_hModule);
        EXPECT_STREQ("full", table.m_pEntries[0].m_strName);
    }
    DeleteFileA("R:\\full.dll");
}

} // namespace
