// The Information button: a modal dialog owned by Varno's window that
// lists every converter's file name and description, read-only.
#include "WindowTest.h"

namespace {

// QueltDll's description, two lines.
const char* const kQueltDescription = "このＤＬＬではタブをスペースに変換します。（タブ幅４固定）\r\n"
                                      "Varno用のサンプルＤＬＬです。大して役に立つもんじゃぁありません。";

class InfoDialogTest : public WindowTest {
protected:
    // Clicks Information and waits for the dialog.
    static HWND OpenInfo(VarnoProcess& varno) {
        VarnoProcess::Click(varno.Item(IDC_INFO_BUTTON));
        return varno.WaitForOwnedDialog();
    }
};

TEST_F(InfoDialogTest, ListsEveryConverterByteExactInTableOrder) {
    static const struct {
        const char* fileName;
        const char* fixture; // null: QueltDll from build/bin
        const char* description;
    } converters[] = {
        {"QueltDll.dll", nullptr, kQueltDescription},
        {"full.dll", "fx_full.dll", "full recorder"},
        {"no_info.dll", "fx_conv_only.dll", ""},   // exports no DllInfo
        {"refused.dll", "fx_refuse_load.dll", ""}, // fails to load
    };
    std::map<std::string, std::string> fixtures;
    for (const auto& c : converters)
        if (c.fixture)
            fixtures[c.fileName] = c.fixture;
    std::string plugins = PluginFolder(fixtures);
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "..\\bin\\QueltDll.dll").c_str(),
                          (plugins + "QueltDll.dll").c_str(), FALSE));

    std::string expected;
    int lines = 1; // the text ends in a line break: its last line is empty
    for (const std::string& file : LibrariesInSearchOrder(plugins))
        for (const auto& c : converters)
            if (file == c.fileName) {
                expected += "\x81\x45" + file + "\r\n" + Ansi(c.description) + "\r\n----------\r\n";
                lines += 3 + (std::string(c.description).find('\n') != std::string::npos ? 1 : 0);
            }

    VarnoProcess varno(plugins);
    ASSERT_NE(nullptr, varno.Main());
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(testing::Message() << "opening " << opening);
        HWND info = OpenInfo(varno);
        ASSERT_NE(nullptr, info) << "no information dialog";
        HWND text = GetDlgItem(info, IDC_INFO_EDIT);
        EXPECT_EQ(expected, VarnoProcess::WideText(text));
        // One line of the control per line of text: QueltDll's long line is
        // not wrapped but reached with the horizontal scroll bar.
        EXPECT_EQ(lines, SendMessageA(text, EM_GETLINECOUNT, 0, 0));
        LONG style = GetWindowLongA(text, GWL_STYLE);
        EXPECT_EQ(static_cast<LONG>(ES_READONLY | ES_MULTILINE | WS_HSCROLL | WS_VSCROLL),
                  style & (ES_READONLY | ES_MULTILINE | WS_HSCROLL | WS_VSCROLL));
        PostMessageA(info, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(info) && IsWindowEnabled(varno.Main()); }));
    }
}

TEST_F(InfoDialogTest, WithoutConvertersTheTextIsEmpty) {
    VarnoProcess varno(PluginFolder({}));
    ASSERT_NE(nullptr, varno.Main());
    HWND info = OpenInfo(varno);
    ASSERT_NE(nullptr, info);
    EXPECT_EQ("", VarnoProcess::WideText(GetDlgItem(info, IDC_INFO_EDIT)));
}

// The dialog takes the focus on OK, keeps Varno's window disabled while
// open, is centred over it, and every way of closing it returns to the
// window unchanged.
TEST_F(InfoDialogTest, OpensOverTheWindowAndEveryWayOfClosingReturnsToIt) {
    static const struct {
        const char* way;
        void (*close)(VarnoProcess&, HWND);
    } ways[] = {
        {"OK button", [](VarnoProcess&, HWND info) { VarnoProcess::Click(GetDlgItem(info, IDOK)); }},
        {"Enter", [](VarnoProcess& v, HWND) { v.PressKey(VK_RETURN); }},
        {"Escape", [](VarnoProcess& v, HWND) { v.PressKey(VK_ESCAPE); }},
        {"close box", [](VarnoProcess&, HWND info) { PostMessageA(info, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    VarnoProcess varno(PluginFolder({{"full.dll", "fx_full.dll"}}));
    ASSERT_NE(nullptr, varno.Main());
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        HWND info = OpenInfo(varno);
        ASSERT_NE(nullptr, info);
        EXPECT_EQ(Ansi("Varno情報ダイアログ"), VarnoProcess::WideText(info));
        EXPECT_EQ(Ansi("変換情報一覧"), VarnoProcess::WideText(GetDlgItem(info, 0xFFFF)));
        ASSERT_TRUE(WaitUntil([&] { return varno.Focus() == GetDlgItem(info, IDOK); }));
        EXPECT_FALSE(IsWindowEnabled(varno.Main()));
        RECT main, dialog;
        GetWindowRect(varno.Main(), &main);
        GetWindowRect(info, &dialog);
        EXPECT_NEAR((main.left + main.right) / 2, (dialog.left + dialog.right) / 2, 1);
        EXPECT_NEAR((main.top + main.bottom) / 2, (dialog.top + dialog.bottom) / 2, 1);

        w.close(varno, info);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(info) && IsWindowEnabled(varno.Main()); }));
        EXPECT_FALSE(varno.HasExited());
        EXPECT_EQ(Ansi("実行前"), VarnoProcess::Text(varno.Item(IDC_STATUS)));
    }
}

} // namespace
