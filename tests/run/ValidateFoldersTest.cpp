#include "RunFixture.h"
#include "RunTexts.h"
#include "resource.h"

namespace {

using Message = std::pair<unsigned, unsigned>;

TEST_F(RunTest, FolderChecksInTheirOrder) {
    Folder("src\\present");
    Write("src\\file.txt");
    static const struct {
        const char* source; // relative to the scratch folder; "" stays empty
        const char* dest;
        int code;
        unsigned message; // 0: none
        const char* created; // a folder that must exist afterwards, or ""
        const char* absent;  // a folder that must not exist afterwards, or ""
    } cases[] = {
        {"", "", -1, IDS_NO_SOURCE, "", ""},
        {"missing", "", -1, IDS_NO_DEST, "", ""},
        {"missing", "new", -2, IDS_SOURCE_MISSING, "", "new"},
        {"src", "SRC", -3, IDS_SAME_FOLDER, "", ""},
        {"src", "no\\parent", -4, IDS_DEST_CREATE_FAILED, "", "no"},
        {"src", "new", 0, 0, "new", ""},
        {"src", "src\\present", 0, 0, "src\\present", ""},
        {"src\\file.txt", "dst", 0, 0, "", ""}, // a file passes the existence checks
        {"src", "src\\file.txt", 0, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " -> " + c.dest);
        window.messages.clear();
        std::string sourceText = *c.source ? root / c.source : "";
        std::string destText = *c.dest ? root / c.dest : "";
        EXPECT_EQ(c.code, Run().ValidateFolders(sourceText.c_str(), destText.c_str()));
        std::vector<Message> expected;
        if (c.message)
            expected.emplace_back(c.message, IDS_FOLDER_ERROR);
        EXPECT_EQ(expected, window.messages);
        if (*c.created) {
            EXPECT_TRUE(FolderExists(root / c.created));
        }
        if (*c.absent) {
            EXPECT_FALSE(FolderExists(root / c.absent));
        }
        RemoveDirectoryA((root / "new").c_str());
    }
}

TEST_F(RunTest, OneFolderWrittenTwoWaysIsRefusedBeforeAnythingIsMade) {
    Folder("long folder name");
    Folder("long folder name\\inner");
    std::string folder = root / "long folder name";
    char shortPath[MAX_PATH];
    DWORD shortLength = GetShortPathNameA(folder.c_str(), shortPath, sizeof shortPath);
    CurrentFolderScope here(root.Path());

    static const char* spellings[] = {
        "long folder name\\",                  // relative, with a final backslash
        "LONG FOLDER NAME",                    // letter case
        ".\\long folder name\\.",              // "." steps
        "long folder name\\inner\\..",         // ".." steps
        "long folder name\\missing\\..",       // ".." over a folder that does not exist
    };
    for (const char* spelling : spellings) {
        SCOPED_TRACE(spelling);
        window.messages.clear();
        EXPECT_EQ(-3, Run().ValidateFolders(folder.c_str(), spelling));
        EXPECT_EQ((std::vector<Message>{{IDS_SAME_FOLDER, IDS_FOLDER_ERROR}}), window.messages);
        EXPECT_EQ(-3, Run().ValidateFolders(spelling, folder.c_str())) << "either way round";
    }
    if (shortLength > 0 && shortLength < sizeof shortPath && folder != shortPath) {
        EXPECT_EQ(-3, Run().ValidateFolders(folder.c_str(), shortPath)) << shortPath;
    }
    EXPECT_FALSE(FolderExists(folder + "\\missing"));

    // A different folder is still accepted.
    EXPECT_EQ(0, Run().ValidateFolders(folder.c_str(), (folder + "\\inner").c_str()));
}

TEST_F(RunTest, ExecuteRunsOnlyWhenTheFoldersPass) {
    Write("src\\a.txt");
    OneConverter("*.txt");

    Run().Execute(source.c_str(), "");
    EXPECT_TRUE(window.statusTexts.empty()) << "a refused press leaves the fields alone";
    EXPECT_TRUE(ConvCalls().empty());

    Run().Execute(source.c_str(), (root / "made").c_str());
    EXPECT_TRUE(FolderExists(root / "made"));
    ASSERT_EQ(1u, ConvCalls().size());
    EXPECT_EQ(root / "made\\a.txt", ConvCalls()[0].dest);
}

TEST_F(RunTest, EmptyTableStillKeepsTheFields) {
    Run().RunConversions(source.c_str(), dest.c_str());
    EXPECT_EQ((std::vector<std::string>{"0"}), window.fileCountTexts);
    EXPECT_EQ((std::vector<std::string>{RUN_STATUS_RUNNING, RUN_STATUS_FINISHED}), window.statusTexts);
    EXPECT_EQ((std::vector<std::string>{"previous"}), window.currentFileTexts);
}

} // namespace
