// Brings a running Varno into the states that docs/ shows, one step per
// call, for scripts/screenshots.sh. Each step prints the screen rectangle
// to capture as "<width>x<height>+<x>+<y>" (ImageMagick's crop geometry).
//
//   VarnoShotDriver main    waits for the main window, fills it in as a
//                           user would before Execute
//   VarnoShotDriver info    opens the information dialog
//   VarnoShotDriver about   closes an open dialog, opens the about box
//   VarnoShotDriver close   closes an open dialog and the program
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
    HWND owner; // null: the main window itself
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    char className[16] = "";
    char caption[64] = "";
    GetClassNameA(hwnd, className, sizeof className);
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(hwnd))
        return TRUE;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    bool match = search->owner ? owner == search->owner : owner == nullptr && std::strcmp(caption, "Varno") == 0;
    if (match)
        search->found = hwnd;
    return match ? FALSE : TRUE;
}

// Waits up to 20 s for Varno's main window (owner null) or a dialog it owns.
HWND WaitForDialog(HWND owner) {
    for (int tries = 0; tries < 1000; ++tries) {
        Search search = {owner, nullptr};
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(20);
    }
    return nullptr;
}

void CloseOwnedDialog(HWND main) {
    Search search = {main, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
        return;
    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
    for (int tries = 0; tries < 500 && IsWindow(search.found); ++tries)
        Sleep(20);
}

int PrintRect(HWND hwnd) {
    if (hwnd == nullptr) {
        std::fprintf(stderr, "VarnoShotDriver: the window did not show\n");
        return 1;
    }
    Sleep(500); // let it paint
    RECT rect;
    GetWindowRect(hwnd, &rect);
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    return 0;
}

// Folders typed in, the first converter ticked with its first preset.
void FillIn(HWND main) {
    SendMessageA(GetDlgItem(main, 1000), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\work\\sources"));
    SendMessageA(GetDlgItem(main, 1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\work\\converted"));
    SendMessageA(GetDlgItem(main, 1009), BM_SETCHECK, BST_CHECKED, 0);
    HWND group = GetDlgItem(main, 1008);
    SendMessageA(GetDlgItem(group, 3000), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(GetDlgItem(group, 3200), CB_SETCURSEL, 0, 0);
}

} // namespace

int main(int argc, char** argv) {
    std::string step = argc > 1 ? argv[1] : "";
    HWND main = WaitForDialog(nullptr);
    if (main == nullptr) {
        std::fprintf(stderr, "VarnoShotDriver: Varno's window did not show\n");
        return 1;
    }
    if (step == "main") {
        FillIn(main);
        return PrintRect(main);
    }
    if (step == "info") {
        PostMessageA(GetDlgItem(main, 1004), BM_CLICK, 0, 0);
        return PrintRect(WaitForDialog(main));
    }
    if (step == "about") {
        CloseOwnedDialog(main);
        PostMessageA(main, WM_SYSCOMMAND, 0x0010, 0);
        return PrintRect(WaitForDialog(main));
    }
    if (step == "close") {
        CloseOwnedDialog(main);
        PostMessageA(main, WM_CLOSE, 0, 0);
        return 0;
    }
    std::fprintf(stderr, "usage: VarnoShotDriver main|info|about|close\n");
    return 2;
}
