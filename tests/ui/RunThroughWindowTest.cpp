// The real Varno.exe in a working folder of fixture plug-ins, driven
// through its window messages: Execute, its refusals and a run.
#include "WindowTest.h"

#include <algorithm>

namespace {

class RunThroughWindowTest : public WindowTest {};

TEST_F(RunThroughWindowTest, RefusedFoldersAreToldInAMessageBoxOwnedByTheWindow) {
    std::string source = folder / "source";
    CreateDirectoryA(source.c_str(), nullptr);
    VarnoProcess varno(PluginFolder({{"full.dll", "fx_full.dll"}}));
    ASSERT_NE(nullptr, varno.Main());

    // Enter right after start-up clicks Execute: both folder texts are empty.
    varno.PressKey(VK_RETURN);
    HWND box = varno.WaitForMessageBox();
    ASSERT_NE(nullptr, box) << "no message box";
    EXPECT_EQ(Ansi("フォルダ入力エラー"), VarnoProcess::Text(box));
    EXPECT_EQ(Ansi("変換元フォルダが指定されていません"), VarnoProcess::MessageBoxText(box));
    VarnoProcess::CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));

    // A source folder that does not exist, Execute clicked.
    VarnoProcess::SetText(varno.Item(IDC_SOURCE_COMBO), folder / "missing");
    VarnoProcess::SetText(varno.Item(IDC_DEST_COMBO), folder / "dest");
    VarnoProcess::Click(varno.Item(IDC_EXECUTE));
    box = varno.WaitForMessageBox();
    ASSERT_NE(nullptr, box) << "no message box";
    EXPECT_EQ(Ansi("変換元フォルダが見つかりません"), VarnoProcess::MessageBoxText(box));
    VarnoProcess::CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));

    // Nothing ran: the fields are as they were, and no plug-in was called.
    EXPECT_EQ(Ansi("実行前"), VarnoProcess::Text(varno.Item(IDC_STATUS)));
    EXPECT_FALSE(varno.HasExited());
    EXPECT_TRUE(log.Events("init").empty());
}

TEST_F(RunThroughWindowTest, TickedRowsConvertTheirFilesThroughTheWindow) {
    std::string source = folder / "source\\";
    std::string dest = folder / "dest\\";
    CreateDirectoryA(source.c_str(), nullptr);
    CreateDirectoryA((source + "sub").c_str(), nullptr);
    WriteFileBytes(source + "a.txt", "a\tb\n");
    WriteFileBytes(source + "b.c", "int x;\n");
    WriteFileBytes(source + "sub\\c.txt", "\tc\n");
    std::string plugins = PluginFolder({{"observer.dll", "fx_observer.dll"}, {"full.dll", "fx_full.dll"}});
    CopyFileA((ProgramFolder() + "..\\bin\\QueltDll.dll").c_str(), (plugins + "QueltDll.dll").c_str(), FALSE);
    std::vector<std::string> order = LibrariesInSearchOrder(plugins);
    auto rowOf = [&](const std::string& file) {
        return static_cast<int>(std::find(order.begin(), order.end(), file) - order.begin());
    };

    VarnoProcess varno(plugins);
    ASSERT_NE(nullptr, varno.Main());
    // Quelt and the observer take the text files, picked from the list;
    // the recorder takes what is typed; the subfolder is included.
    for (const char* file : {"QueltDll.dll", "observer.dll"}) {
        VarnoProcess::Click(varno.RowCheck(rowOf(file)));
        SendMessageA(varno.RowCombo(rowOf(file)), CB_SETCURSEL, 1, 0);
    }
    VarnoProcess::Click(varno.RowCheck(rowOf("full.dll")));
    VarnoProcess::SetText(varno.RowCombo(rowOf("full.dll")), "*.c");
    VarnoProcess::Click(varno.Item(IDC_SUBFOLDERS));
    VarnoProcess::SetText(varno.Item(IDC_SOURCE_COMBO), source);
    VarnoProcess::SetText(varno.Item(IDC_DEST_COMBO), folder / "dest"); // made by the run
    ASSERT_TRUE(WaitUntil([&] { return VarnoProcess::IsChecked(varno.Item(IDC_SUBFOLDERS)); }));

    VarnoProcess::Click(varno.Item(IDC_EXECUTE));
    ASSERT_TRUE(varno.WaitForStatus(Ansi("終了")));

    EXPECT_EQ("5", VarnoProcess::Text(varno.Item(IDC_FILE_COUNT)));
    EXPECT_EQ("a   b\r\n", ReadFileBytes(dest + "a.txt"));
    EXPECT_EQ("    c\r\n", ReadFileBytes(dest + "sub\\c.txt"));
    EXPECT_FALSE(FileExists(dest + "b.c")); // the recorder writes nothing

    std::vector<std::string> recorded = log.Events("conv");
    std::vector<std::string> full, observer;
    for (const std::string& line : recorded)
        (FileOf(line) == "full.dll" ? full : observer).push_back(line);
    ASSERT_EQ(1u, full.size());
    EXPECT_EQ(source + "b.c", Field(full[0], "src"));
    EXPECT_EQ(dest + "b.c", Field(full[0], "dst"));

    // During each call the progress fields already tell that file.
    ASSERT_EQ(2u, observer.size());
    std::vector<std::string> counts;
    for (const std::string& line : observer) {
        EXPECT_EQ(Field(line, "src"), Field(line, "current")) << line;
        counts.push_back(Field(line, "count"));
    }
    EXPECT_EQ(std::stoi(counts[0]) + 1, std::stoi(counts[1]));
    EXPECT_EQ(source + "sub\\c.txt", Field(observer.back(), "src"));
}

} // namespace
