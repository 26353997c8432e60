// The about command of Varno's system menu: every command id whose four
// lowest bits are cleared to 0x0010 opens the about box, owned by and
// centred over the window; no other id does.
#include "WindowTest.h"

namespace {

class AboutBoxTest : public WindowTest {};

BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM found) {
    char className[16] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0)
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
    return TRUE;
}

TEST_F(AboutBoxTest, AboutCommandsOpenTheBoxAndEveryWayOfClosingReturnsToTheWindow) {
    static const struct {
        WPARAM command;
        const char* way;
        void (*close)(VarnoProcess&, HWND);
    } cases[] = {
        {0x0010, "OK button", [](VarnoProcess&, HWND box) { VarnoProcess::Click(GetDlgItem(box, IDOK)); }},
        {0x001F, "Enter", [](VarnoProcess& v, HWND) { v.PressKey(VK_RETURN); }},
        {0x0013, "Escape", [](VarnoProcess& v, HWND) { v.PressKey(VK_ESCAPE); }},
        {0x0010, "close box", [](VarnoProcess&, HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    VarnoProcess varno(PluginFolder({{"full.dll", "fx_full.dll"}}));
    ASSERT_NE(nullptr, varno.Main());
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "command 0x" << std::hex << c.command << ", closed by " << c.way);
        PostMessageA(varno.Main(), WM_SYSCOMMAND, c.command, 0);
        HWND box = varno.WaitForOwnedDialog();
        ASSERT_NE(nullptr, box) << "no about box";
        EXPECT_EQ(Ansi("Varnoのﾊﾞｰｼﾞｮﾝ情報"), VarnoProcess::WideText(box));
        std::vector<HWND> statics;
        EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&statics));
        ASSERT_EQ(3u, statics.size());
        EXPECT_NE(0, SendMessageA(statics[0], STM_GETICON, 0, 0)) << "no icon";
        EXPECT_EQ(Ansi("汎用ファイルコンバータ：Varno Version 1.0"), VarnoProcess::WideText(statics[1]));
        EXPECT_EQ("Copyright (C) Varno developers", VarnoProcess::WideText(statics[2]));
        ASSERT_TRUE(WaitUntil([&] { return varno.Focus() == GetDlgItem(box, IDOK); }));
        EXPECT_FALSE(IsWindowEnabled(varno.Main()));
        RECT main, about;
        GetWindowRect(varno.Main(), &main);
        GetWindowRect(box, &about);
        EXPECT_NEAR((main.left + main.right) / 2, (about.left + about.right) / 2, 1);
        EXPECT_NEAR((main.top + main.bottom) / 2, (about.top + about.bottom) / 2, 1);

        c.close(varno, box);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) && IsWindowEnabled(varno.Main()); }));
        EXPECT_FALSE(varno.HasExited());
        EXPECT_EQ(Ansi("実行前"), VarnoProcess::Text(varno.Item(IDC_STATUS)));
    }
}

// Sent, not posted: a command that opened a modal box would not return
// before the box closed, and the send would time out.
TEST_F(AboutBoxTest, OtherCommandIdsOpenNothing) {
    VarnoProcess varno(PluginFolder({}));
    ASSERT_NE(nullptr, varno.Main());
    for (WPARAM command : {0x0000, 0x000F, 0x0020, 0x0110, 0x1010}) {
        SCOPED_TRACE(testing::Message() << "command 0x" << std::hex << command);
        DWORD_PTR result;
        EXPECT_NE(0,
                  SendMessageTimeoutA(varno.Main(), WM_SYSCOMMAND, command, 0, SMTO_NORMAL, 5000, &result));
        EXPECT_EQ(nullptr, varno.WaitForOwnedDialog(0));
        EXPECT_TRUE(IsWindowEnabled(varno.Main()));
    }
    EXPECT_FALSE(varno.HasExited());
}

} // namespace
