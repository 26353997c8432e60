#include "RunFixture.h"
#include "RunTexts.h"

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;

// Each plug-in's calls in order, as "<plug-in> <event> ctx=<n>" without paths.
Strings CallSequence(const CallLog& log) {
    Strings sequence;
    for (const std::string& line : log.Lines()) {
        std::string plugin = line.substr(0, line.find(' '));
        std::string event = line.substr(plugin.size() + 1, line.find(' ', plugin.size() + 1) - plugin.size() - 1);
        size_t ctx = line.find(" ctx=");
        sequence.push_back(plugin + " " + event +
                           (ctx == std::string::npos ? "" : " " + line.substr(ctx + 1, line.find(' ', ctx + 1) - ctx - 1)));
    }
    return sequence;
}

TEST_F(RunTest, InitWalkFinalizeConverterByConverterWithOneContextValue) {
    LoadTable({{"fx_conv_only.dll", "first.dll"},  // no Init: sees the run's starting 0
               {"fx_context.dll", "context.dll"},   // Init gives 11, Finalize 7
               {"fx_no_conv.dll", "no_conv.dll"},   // no Conv: never called, ticked or not
               {"fx_conv_only.dll", "after.dll"},   // no Init: sees the 7 of the Finalize before
               {"fx_shared.dll", "shared.dll"},     // one function for Init and Finalize; row not ticked
               {"fx_context.dll", "unticked.dll"}});
    window.rows = {{true, "*.txt"}, {true, "*.txt"}, {true, "*.txt"}, {true, "*.txt"}, {false, "*.txt"},
                   {false, "*.txt"}};
    Write("src\\a.txt");

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        log.Clear();
        window.rowsRead.clear();
        Run().RunConversions(source.c_str(), dest.c_str());
        EXPECT_EQ((Strings{"first.dll conv ctx=0", "context.dll init", "context.dll conv ctx=11",
                           "context.dll finalize ctx=11", "after.dll conv ctx=7", "shared.dll initfinalize",
                           "shared.dll initfinalize", "unticked.dll init", "unticked.dll finalize ctx=11"}),
                  CallSequence(log));
        EXPECT_EQ((std::vector<int>{0, 1, 3, 4, 5}), window.rowsRead) << "the row of an entry without Conv is not read";
        for (const ConvCall& call : ConvCalls())
            EXPECT_EQ("00001234", call.owner) << "every call gets the main window";
        EXPECT_EQ(3, fileCount);
    }
    EXPECT_EQ((Strings{RUN_STATUS_RUNNING, RUN_STATUS_FINISHED, RUN_STATUS_RUNNING, RUN_STATUS_FINISHED}),
              window.statusTexts);
    EXPECT_EQ((Strings{"0", "1", "2", "3", "0", "1", "2", "3"}), window.fileCountTexts) << "the count starts anew";
}

TEST_F(RunTest, FailedConversionsAreCountedAndEveryCallGetsItsOwnPaths) {
    LoadTable({{"fx_conv_fails.dll", "fails.dll"}, {"fx_conv_only.dll", "checks.dll"}});
    window.rows = {{true, "*.txt"}, {true, "*.txt"}};
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        Write(std::string("src\\") + name);

    Run().RunConversions(source.c_str(), dest.c_str());

    std::vector<ConvCall> calls = ConvCalls();
    ASSERT_EQ(6u, calls.size());
    EXPECT_EQ(6, fileCount);
    EXPECT_EQ("6", window.fileCountTexts.back());
    for (size_t i = 0; i < 3; ++i) {
        // The failing converter scribbles over its buffers after logging them.
        EXPECT_EQ(calls[i].source, calls[i + 3].source);
        EXPECT_EQ(calls[i].dest, calls[i + 3].dest) << "both converters write the same destination";
        EXPECT_EQ(dest + calls[i].source.substr(source.size()), calls[i].dest);
    }
    EXPECT_EQ(calls.back().source, window.currentFileTexts.back());
}

TEST_F(RunTest, SplitPatternsKeepsEveryPieceAndSplitsOnlyOnWholeCharacters) {
    static const struct {
        const char* text;
        Strings pieces;
    } cases[] = {
        {"", {""}},
        {"*.txt", {"*.txt"}},
        {";*.txt;", {"", "*.txt", ""}},
        {"*.c;*.cpp;*.h", {"*.c", "*.cpp", "*.h"}},
        {"*.c; *.h", {"*.c", " *.h"}},
        {";;", {"", "", ""}},
        {"\x81;x;y", {"\x81;x", "y"}}, // 0x81 0x3B is one double-byte character
    };
    for (const auto& c : cases) {
        CStringArray pieces;
        Run().SplitPatterns(c.text, &pieces);
        Strings got;
        for (int i = 0; i < pieces.GetSize(); ++i)
            got.push_back(static_cast<const char*>(pieces[i]));
        EXPECT_EQ(c.pieces, got) << "\"" << c.text << "\"";
    }
}

TEST_F(RunTest, EachPatternIsSearchedInListOrder) {
    static const struct {
        const char* patterns;
        Strings files;
        Strings converted;
    } cases[] = {
        {"*.c;*.cpp;*.h", {"x.h", "y.cpp", "z.c"}, {"z.c", "y.cpp", "x.h"}},
        {"*.txt;*.TXT", {"a.txt"}, {"a.txt", "a.txt"}}, // a file matched twice is converted twice
        {"*.txt;a.*", {"a.txt"}, {"a.txt", "a.txt"}},
        {";*.txt;", {"a.txt"}, {"a.txt"}}, // empty pieces match nothing
        {"", {"a.txt"}, {}},
        {" *.txt", {" a.txt", "b.txt"}, {" a.txt"}},
        {"*.*", {"noext"}, {"noext"}},
        {"*.dat", {"a.txt"}, {}},
        // a piece naming another folder is not a name pattern of this one
        {"sub\\*.txt;..\\*.txt;Z:*.txt", {"a.txt"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.patterns);
        RemoveTree(source);
        CreateDirectoryA(source.c_str(), nullptr);
        Folder("src\\folder.h");
        Folder("src\\sub");
        Write("src\\sub\\a.txt");
        WriteFileBytes(root / "a.txt", "outside the source");
        for (const std::string& file : c.files)
            Write("src\\" + file);
        OneConverter(c.patterns);
        Run().RunConversions(source.c_str(), dest.c_str());
        Strings expected;
        for (const std::string& file : c.converted)
            expected.push_back("src\\" + file);
        EXPECT_EQ(expected, ConvertedSources());
    }
}

TEST_F(RunTest, SubfoldersAreMirroredDepthFirst) {
    Write("src\\a.txt");
    Folder("src\\one");
    Write("src\\one\\b.txt");
    Folder("src\\one\\deep");
    Write("src\\one\\deep\\c.txt");
    Folder("src\\empty");
    Folder("src\\blocked");
    Write("src\\blocked\\d.txt");
    Folder("dst\\one");
    Write("dst\\one\\keep.me", "untouched");
    Write("dst\\blocked", "a file where a folder would go");

    OneConverter("*.txt;*.none", true);
    Run().RunConversions(source.c_str(), dest.c_str());

    Strings converted = ConvertedSources();
    ASSERT_EQ(4u, converted.size());
    EXPECT_EQ("src\\a.txt", converted[0]) << "a folder's own files come first";
    auto position = [&](const std::string& path) { return std::find(converted.begin(), converted.end(), path); };
    EXPECT_LT(position("src\\one\\b.txt"), position("src\\one\\deep\\c.txt"));
    EXPECT_NE(converted.end(), position("src\\blocked\\d.txt")) << "the walk descends where no folder could be made";
    EXPECT_TRUE(FolderExists(dest + "one\\deep"));
    EXPECT_TRUE(FolderExists(dest + "empty")) << "folders are mirrored even without matches";
    EXPECT_EQ("untouched", ReadFileBytes(dest + "one\\keep.me"));
    EXPECT_EQ("a file where a folder would go", ReadFileBytes(dest + "blocked"));
    for (const ConvCall& call : ConvCalls())
        EXPECT_EQ(dest + call.source.substr(source.size()), call.dest);

    // Without the option only the folder itself is converted and nothing is made.
    RemoveTree(dest);
    CreateDirectoryA(dest.c_str(), nullptr);
    log.Clear();
    window.includeSubfolders = false;
    Run().RunConversions(source.c_str(), dest.c_str());
    EXPECT_EQ(Strings{"src\\a.txt"}, ConvertedSources());
    EXPECT_FALSE(FolderExists(dest + "one"));
}

TEST_F(RunTest, FolderTextsGetOneFinalBackslashByCharacters) {
    static const struct {
        const char* sourceText;
        const char* destText;
        const char* sourceFolder;
        const char* destFolder;
    } cases[] = {
        {"src", "dst", "src\\", "dst\\"},
        {"src\\", "dst\\", "src\\", "dst\\"},
        // 表 (0x95 0x5C) and 能 (0x94 0x5C) end in a trail byte equal to a backslash
        {"\x95\x5c", "\x94\x5c", "\x95\x5c\\", "\x94\x5c\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sourceText);
        Folder(c.sourceFolder);
        Folder(c.destFolder);
        Write(std::string(c.sourceFolder) + "a.txt");
        OneConverter("*.txt");
        Run().RunConversions((root / c.sourceText).c_str(), (root / c.destText).c_str());
        std::vector<ConvCall> calls = ConvCalls();
        ASSERT_EQ(1u, calls.size());
        EXPECT_EQ(root / c.sourceFolder + "a.txt", calls[0].source);
        EXPECT_EQ(root / c.destFolder + "a.txt", calls[0].dest);
    }
}

TEST_F(RunTest, PathsLongerThanTheLimitAreHandedOverWhole) {
    // A folder just short of the limit holding a file whose path is past it.
    std::string deep = source;
    while (deep.size() < 230)
        deep += std::string(std::min<size_t>(40, 236 - deep.size()), 'f') + "\\";
    ASSERT_LT(deep.size(), 248u);
    for (size_t slash = deep.find('\\', source.size()); slash != std::string::npos; slash = deep.find('\\', slash + 1))
        CreateDirectoryA(deep.substr(0, slash).c_str(), nullptr);
    std::string name(60, 'n');
    name += ".txt";
    // Only the wide functions take a path this long.
    wchar_t longPath[MAX_PATH * 2] = L"\\\\?\\";
    MultiByteToWideChar(CP_ACP, 0, (deep + name).c_str(), -1, longPath + 4, MAX_PATH * 2 - 4);
    HANDLE file = CreateFileW(longPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        GTEST_SKIP() << "this system cannot make a path that long";
    CloseHandle(file);

    OneConverter("*.txt", true);
    Run().RunConversions(source.c_str(), dest.c_str());

    std::vector<ConvCall> calls = ConvCalls();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(deep + name, calls[0].source);
    EXPECT_GT(calls[0].source.size(), static_cast<size_t>(MAX_PATH));
    EXPECT_EQ(dest + (deep + name).substr(source.size()), calls[0].dest);
    DeleteFileW(longPath);
}

} // namespace
