#include "RunFixture.h"

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;

TEST_F(RunTest, DestinationInsideTheSourceIsNeverWalked) {
    Write("src\\a.txt");
    Folder("src\\sub");
    Write("src\\sub\\b.txt");
    std::string inside = source + "out\\";
    ASSERT_EQ(0, Run().ValidateFolders(source.c_str(), inside.c_str()));
    Write("src\\out\\earlier.txt", "output of an earlier run");
    OneConverter("*.txt", true);

    for (int run = 0; run < 2; ++run) {
        log.Clear();
        Run().RunConversions(source.c_str(), inside.c_str());
        Strings converted = ConvertedSources();
        std::sort(converted.begin(), converted.end());
        EXPECT_EQ((Strings{"src\\a.txt", "src\\sub\\b.txt"}), converted);
        EXPECT_FALSE(FolderExists(inside + "out"));
    }
}

TEST_F(RunTest, SourceInsideTheDestinationIsNeverWrittenInto) {
    // The destination is the source's parent, and the source has a
    // subfolder named like itself: its mirror would be the source folder.
    Write("src\\a.txt");
    Folder("src\\src");
    Write("src\\src\\a.txt");
    Folder("src\\other");
    Write("src\\other\\c.txt");
    OneConverter("*.txt", true);

    Run().RunConversions(source.c_str(), root.Path().c_str());

    for (const ConvCall& call : ConvCalls())
        EXPECT_NE(0u, call.dest.find(source)) << call.dest << " lies in the source tree";
    Strings converted = ConvertedSources();
    std::sort(converted.begin(), converted.end());
    EXPECT_EQ((Strings{"src\\a.txt", "src\\other\\c.txt"}), converted);
}

TEST_F(RunTest, LinkLoopsEndAndEveryRealFileIsConvertedOnce) {
    Write("src\\a.txt");
    Folder("src\\sub");
    Write("src\\sub\\b.txt");
    if (!MakeFolderLink(source + "sub\\up", ".."))
        GTEST_SKIP() << "cannot make a folder link here";
    ASSERT_TRUE(MakeFolderLink(source + "sub\\self", "."));
    ASSERT_TRUE(MakeFolderLink(source + "to_dst", dest));
    OneConverter("*.txt", true);

    Run().RunConversions(source.c_str(), dest.c_str());

    Strings converted = ConvertedSources();
    std::sort(converted.begin(), converted.end());
    EXPECT_EQ((Strings{"src\\a.txt", "src\\sub\\b.txt"}), converted);
    EXPECT_FALSE(FolderExists(dest + "sub\\up"));
    for (const ConvCall& call : ConvCalls())
        EXPECT_NE(call.source, call.dest);
}

TEST_F(RunTest, AFolderThatIsItsOwnMirrorIsNotConverted) {
    // Through a link the destination reaches back into the source: the
    // mirror of src\sub is src\sub itself.
    Folder("src\\sub");
    Write("src\\sub\\b.txt");
    Folder("out");
    if (!MakeFolderLink(root / "out\\sub", source + "sub"))
        GTEST_SKIP() << "cannot make a folder link here";
    OneConverter("*.txt", true);

    Run().RunConversions(source.c_str(), (root / "out\\").c_str());

    EXPECT_TRUE(ConvCalls().empty());
}

} // namespace
