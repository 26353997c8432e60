// The Browse buttons open the shell's folder picker (Wine's, a real dialog
// owned by Varno's window) and put the picked folder at the top of the
// field's list and into its edit field.
#include "WindowTest.h"

#include <commctrl.h>
#include <memory>
#include <shlobj.h>

namespace {

const int kPickerTitle = 0x3742; // the picker's title text
const int kPickerTree = 0x3741;  // its folder tree

// The desktop's file-system path, as this process's shell gives it: what
// the picker returns for its initial selection, the top of the tree.
std::string DesktopPath() {
    LPITEMIDLIST desktop = nullptr;
    char path[MAX_PATH] = "";
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop))) {
        SHGetPathFromIDListA(desktop, path);
        CoTaskMemFree(desktop);
    }
    return path;
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class FolderPickerTest : public WindowTest {
protected:
    void SetUp() override {
        varno = std::make_unique<VarnoProcess>(PluginFolder({{"full.dll", "fx_full.dll"}}));
        ASSERT_NE(nullptr, varno->Main());
    }

    // Clicks a Browse button and waits for the picker.
    HWND OpenPicker(int browseId) {
        VarnoProcess::Click(varno->Item(browseId));
        return varno->WaitForOwnedDialog();
    }
    // Ends the picker with OK or Cancel and waits until Varno has handled the result.
    void ClosePicker(HWND picker, int command) {
        PostMessageA(picker, WM_COMMAND, command, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker) && IsWindowEnabled(varno->Main()); }));
        VarnoProcess::Text(varno->Main()); // a round trip: the handler has returned
    }
    std::string FieldText(int id) { return VarnoProcess::WideText(varno->Item(id)); }
    std::vector<std::string> FieldList(int id) { return VarnoProcess::ListItems(varno->Item(id)); }

    std::unique_ptr<VarnoProcess> varno;
};

TEST_F(FolderPickerTest, OpensOwnedByTheWindowWithItsTitleAndACancelChangesNothing) {
    static const struct {
        int browse, field, other;
        const char* title;
    } fields[] = {
        {IDC_SOURCE_BROWSE, IDC_SOURCE_COMBO, IDC_DEST_COMBO, "変換元フォルダを選択してください"},
        {IDC_DEST_BROWSE, IDC_DEST_COMBO, IDC_SOURCE_COMBO, "変換先フォルダを選択してください"},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.title);
        VarnoProcess::SetText(varno->Item(f.field), "typed text");
        HWND picker = OpenPicker(f.browse);
        ASSERT_NE(nullptr, picker) << "no picker";
        EXPECT_EQ(Ansi(f.title), VarnoProcess::WideText(GetDlgItem(picker, kPickerTitle)));
        EXPECT_FALSE(IsWindowEnabled(varno->Main()));
        ClosePicker(picker, IDCANCEL);
        EXPECT_EQ("typed text", FieldText(f.field));
        EXPECT_TRUE(FieldList(f.field).empty());
        EXPECT_TRUE(FieldList(f.other).empty());
    }
}

// Every pick goes to the top of its own field's list, duplicates kept, and
// replaces the typed text; an item without a file-system path (My
// Computer, the network) leaves field and list as they were.
TEST_F(FolderPickerTest, PicksGoToTheTopOfTheirOwnListAndItemsWithoutAPathChangeNothing) {
    std::string desktop = DesktopPath();
    ASSERT_TRUE(IsFolder(desktop)) << desktop;

    VarnoProcess::SetText(varno->Item(IDC_SOURCE_COMBO), "typed text");
    std::vector<std::string> picked; // in the order of the picks
    for (int i = 0; i < 2; ++i) {
        HWND picker = OpenPicker(IDC_SOURCE_BROWSE);
        ASSERT_NE(nullptr, picker);
        ClosePicker(picker, IDOK); // the tree's top, the desktop, is selected
        picked.insert(picked.begin(), desktop);
        EXPECT_EQ(desktop, FieldText(IDC_SOURCE_COMBO));
        EXPECT_EQ(picked, FieldList(IDC_SOURCE_COMBO));
    }

    // Each item of the desktop's first level in turn, into the destination field.
    int withPath = 0, withoutPath = 0;
    for (int child = 0;; ++child) {
        SCOPED_TRACE(testing::Message() << "desktop item " << child);
        VarnoProcess::SetText(varno->Item(IDC_DEST_COMBO), "typed text");
        std::vector<std::string> before = FieldList(IDC_DEST_COMBO);
        HWND picker = OpenPicker(IDC_DEST_BROWSE);
        ASSERT_NE(nullptr, picker);
        HWND tree = GetDlgItem(picker, kPickerTree);
        LPARAM item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, item);
        item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, item);
        for (int i = 0; i < child && item; ++i)
            item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
        if (!item) {
            ClosePicker(picker, IDCANCEL);
            break;
        }
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, item);
        ClosePicker(picker, IDOK);

        std::vector<std::string> after = FieldList(IDC_DEST_COMBO);
        if (after.size() == before.size()) {
            ++withoutPath;
            EXPECT_EQ("typed text", FieldText(IDC_DEST_COMBO));
            EXPECT_EQ(before, after);
            continue;
        }
        ++withPath;
        ASSERT_EQ(before.size() + 1, after.size());
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin() + 1));
        EXPECT_EQ(after[0], FieldText(IDC_DEST_COMBO));
        EXPECT_TRUE(IsFolder(after[0])) << after[0];
        // A drive root keeps its backslash; other folders come as the shell gives them.
        if (after[0].size() == 3 && after[0][1] == ':') {
            EXPECT_EQ('\\', after[0][2]) << after[0];
        }
    }
    EXPECT_GT(withPath, 0);
    EXPECT_GT(withoutPath, 0);
    EXPECT_EQ(picked, FieldList(IDC_SOURCE_COMBO));
}

} // namespace
