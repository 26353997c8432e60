// The real Varno.exe in a working folder of fixture plug-ins, driven
// through its window messages: start-up, rows, what plug-ins see, closing.
#include "WindowTest.h"

#include <algorithm>

namespace {

class MainWindowTest : public WindowTest {};

TEST_F(MainWindowTest, StartsWithEmptyFieldsAndOneRowPerConverterInTableOrder) {
    std::string plugins = PluginFolder({{"a.dll", "fx_full.dll"},
                                        {"b.dll", "fx_no_conv.dll"},
                                        {"c.dll", "fx_conv_only.dll"},
                                        {"d.dll", "fx_shared.dll"}});
    const std::map<std::string, std::string> names = {
        {"a.dll", "full"}, {"b.dll", "no conv"}, {"c.dll", ""}, {"d.dll", "shared"}};
    std::vector<std::string> order = LibrariesInSearchOrder(plugins);
    ASSERT_EQ(4u, order.size());

    VarnoProcess varno(plugins);
    ASSERT_NE(nullptr, varno.Main());
    EXPECT_EQ("Varno", VarnoProcess::Text(varno.Main()));
    EXPECT_EQ("0", VarnoProcess::Text(varno.Item(IDC_FILE_COUNT)));
    EXPECT_EQ(Ansi("実行前"), VarnoProcess::Text(varno.Item(IDC_STATUS)));
    EXPECT_EQ("", VarnoProcess::Text(varno.Item(IDC_CURRENT_FILE)));
    for (int id : {IDC_SOURCE_COMBO, IDC_DEST_COMBO}) {
        EXPECT_EQ("", VarnoProcess::Text(varno.Item(id)));
        EXPECT_TRUE(VarnoProcess::ListItems(varno.Item(id)).empty());
    }
    EXPECT_FALSE(VarnoProcess::IsChecked(varno.Item(IDC_SUBFOLDERS)));

    // Execute has the focus and is the default button, so Enter clicks it.
    HWND execute = varno.Item(IDC_EXECUTE);
    EXPECT_EQ(execute, varno.Focus());
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(execute, GWL_STYLE) & BS_TYPEMASK);

    // Centred on the screen's work area.
    RECT window, area;
    GetWindowRect(varno.Main(), &window);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_NEAR((area.left + area.right) / 2, (window.left + window.right) / 2, 1);
    EXPECT_NEAR((area.top + area.bottom) / 2, (window.top + window.bottom) / 2, 1);

    // The group is wide and tall enough here for four rows at their places.
    HWND group = varno.Item(IDC_ACTION_GROUP);
    EXPECT_EQ(nullptr, GetDlgItem(group, IDC_ACTION_SCROLL));
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i << " " << order[i]);
        HWND check = varno.RowCheck(i);
        HWND combo = varno.RowCombo(i);
        ASSERT_NE(nullptr, check);
        ASSERT_NE(nullptr, combo);
        EXPECT_EQ(group, GetParent(check));
        EXPECT_EQ(group, GetParent(combo));
        EXPECT_EQ(names.at(order[i]), VarnoProcess::Text(check));
        EXPECT_FALSE(VarnoProcess::IsChecked(check));
        EXPECT_EQ(0x50000003, GetWindowLongA(check, GWL_STYLE));
        // Wine drops WS_BORDER from combo boxes.
        EXPECT_EQ(0x50000042, GetWindowLongA(combo, GWL_STYLE) & ~WS_BORDER);
        int y = 18 + 20 * i;
        RECT checkRect = RectIn(check, group);
        EXPECT_EQ(10, checkRect.left);
        EXPECT_EQ(y, checkRect.top);
        EXPECT_EQ(305, checkRect.right);
        EXPECT_EQ(y + 20, checkRect.bottom);
        RECT comboRect = RectIn(combo, group);
        EXPECT_EQ(305, comboRect.left);
        EXPECT_EQ(y, comboRect.top);
        EXPECT_EQ(455, comboRect.right);
        EXPECT_EQ((std::vector<std::string>{"*.c;*.cpp;*.h", "*.txt"}), VarnoProcess::ListItems(combo));
        EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_GETCURSEL, 0, 0));
        EXPECT_EQ("", VarnoProcess::Text(combo));
    }
    EXPECT_EQ(nullptr, varno.RowCheck(4));
    EXPECT_EQ(nullptr, varno.RowCombo(4));
}

TEST_F(MainWindowTest, RowsThatDoNotFitScrollAndEveryShownRowIsWhole) {
    std::map<std::string, std::string> fixtures;
    for (char c = 'a'; c <= 'l'; ++c)
        fixtures[std::string(1, c) + ".dll"] = "fx_full.dll";
    VarnoProcess varno(PluginFolder(fixtures));
    ASSERT_NE(nullptr, varno.Main());
    HWND group = varno.Item(IDC_ACTION_GROUP);
    HWND bar = GetDlgItem(group, IDC_ACTION_SCROLL);
    ASSERT_NE(nullptr, bar);
    RECT client;
    GetClientRect(group, &client);

    // Which rows show, each wholly inside the frame, its drop-down button included.
    auto shownRows = [&] {
        std::vector<int> shown;
        for (int i = 0; i < 12; ++i) {
            if (!IsWindowVisible(varno.RowCheck(i)))
                continue;
            shown.push_back(i);
            RECT closedCombo;
            GetWindowRect(varno.RowCombo(i), &closedCombo);
            MapWindowPoints(nullptr, group, reinterpret_cast<POINT*>(&closedCombo), 2);
            RECT check = RectIn(varno.RowCheck(i), group);
            EXPECT_TRUE(IsWindowVisible(varno.RowCombo(i))) << i;
            EXPECT_GE(check.top, 18) << i;
            EXPECT_LE(closedCombo.bottom, client.bottom - 2) << i;
            EXPECT_LE(closedCombo.right, RectIn(bar, group).left) << i;
        }
        return shown;
    };
    std::vector<int> first = shownRows();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(0, first.front());
    EXPECT_LT(first.size(), 12u);

    // The bar's notifications reach the group box, as from a click on it.
    PostMessageA(group, WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(bar));
    std::vector<int> last;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(varno.RowCheck(11)); }));
    last = shownRows();
    EXPECT_EQ(11, last.back());
    EXPECT_EQ(first.size(), last.size());
    EXPECT_FALSE(IsWindowVisible(varno.RowCheck(0)));

    // A row brought into view works like any other.
    VarnoProcess::Click(varno.RowCheck(11));
    EXPECT_TRUE(WaitUntil([&] { return VarnoProcess::IsChecked(varno.RowCheck(11)); }));

    PostMessageA(group, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(bar));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(varno.RowCheck(last.front() - 1)); }));
}

TEST_F(MainWindowTest, PluginsAreLoadedWhileTheWindowIsHiddenAndSeeItsMenuIconsAndRowFont) {
    VarnoProcess varno(PluginFolder({{"observer.dll", "fx_observer.dll"}, {"full.dll", "fx_full.dll"}}));
    ASSERT_NE(nullptr, varno.Main());

    std::string loaded = WaitForEvent("loaded");
    EXPECT_EQ("0", Field(loaded, "visible")) << loaded;
    EXPECT_EQ("1", Field(loaded, "sepbefore")) << loaded;
    EXPECT_EQ("1", Field(loaded, "closebefore")) << loaded;
    EXPECT_EQ("16", Field(loaded, "lastid")) << loaded;
    EXPECT_EQ(Ansi("Varno のﾊﾞｰｼﾞｮﾝ情報(&A)..."), Field(loaded, "lasttext", true)) << loaded;
    EXPECT_EQ("1", Field(loaded, "bigicon")) << loaded;
    EXPECT_EQ("1", Field(loaded, "smallicon")) << loaded;

    std::string shown = WaitForEvent("shown");
    EXPECT_EQ("1", Field(shown, "visible")) << shown;
    EXPECT_EQ("2", Field(shown, "rows")) << shown;
    EXPECT_EQ("1", Field(shown, "rowfont")) << shown;
    EXPECT_EQ("1", Field(shown, "ownfont")) << shown;
    EXPECT_EQ("1", Field(shown, "dragicon")) << shown;
    EXPECT_EQ(Ansi("ＭＳ Ｐゴシック"), Field(shown, "face", true)) << shown;
}

// Each way of closing ends the program; the plug-ins are unloaded after
// the window has gone, the last one found first.
TEST_F(MainWindowTest, EveryWayOfClosingEndsTheProgramAndUnloadsThePluginsLastFirst) {
    static const struct {
        const char* way;
        void (*close)(VarnoProcess&);
    } ways[] = {
        {"close box", [](VarnoProcess& v) { PostMessageA(v.Main(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Alt+F4", [](VarnoProcess& v) { v.PressAltF4(); }},
        {"Exit button", [](VarnoProcess& v) { VarnoProcess::Click(v.Item(IDCANCEL)); }},
        {"Escape", [](VarnoProcess& v) { v.PressKey(VK_ESCAPE); }},
        {"Enter in the source folder field",
         [](VarnoProcess& v) {
             v.FocusOn(v.Item(IDC_SOURCE_COMBO));
             v.PressKey(VK_RETURN);
         }},
        {"Enter in a row's pattern field",
         [](VarnoProcess& v) {
             v.FocusOn(VarnoProcess::EditOf(v.RowCombo(0)));
             v.PressKey(VK_RETURN);
         }},
    };
    std::string plugins = PluginFolder(
        {{"a.dll", "fx_full.dll"}, {"b.dll", "fx_no_conv.dll"}, {"observer.dll", "fx_observer.dll"}});
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        log.Clear();
        VarnoProcess varno(plugins);
        ASSERT_NE(nullptr, varno.Main());
        WaitForEvent("shown");
        w.close(varno);
        ASSERT_TRUE(varno.WaitForExit()) << "still running";

        std::vector<std::string> attached, detached;
        for (const std::string& line : log.Events("attach"))
            attached.push_back(FileOf(line));
        std::string observerDetach = "<none>";
        for (const std::string& line : log.Events("detach")) {
            if (FileOf(line) == "observer.dll")
                observerDetach = line;
            else
                detached.push_back(FileOf(line));
        }
        std::reverse(attached.begin(), attached.end());
        EXPECT_EQ(2u, attached.size());
        EXPECT_EQ(attached, detached);
        EXPECT_EQ("0", Field(observerDetach, "windows")) << observerDetach;
    }
}

} // namespace
