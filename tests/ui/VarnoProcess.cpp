#include "VarnoProcess.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

// The program's path: the tests run in build/tests, Varno.exe lies in build/bin.
std::string VarnoPath() { return ProgramFolder() + "..\\bin\\Varno.exe"; }

struct WindowSearch {
    DWORD processId;
    HWND owner; // null: the main window itself
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    char className[16] = "";
    GetClassNameA(hwnd, className, sizeof className);
    if (processId != search->processId || std::string(className) != "#32770" || !IsWindowVisible(hwnd))
        return TRUE;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (search->owner ? owner == search->owner : owner == nullptr) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

const UINT kTimeout = 20000;

} // namespace

VarnoProcess::VarnoProcess(const std::string& workFolder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + VarnoPath() + "\"";
    if (!CreateProcessA(VarnoPath().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workFolder.c_str(), &startup, &m_process)) {
        ADD_FAILURE() << "cannot start " << VarnoPath() << ": error " << GetLastError();
        return;
    }
    WaitForInputIdle(m_process.hProcess, 10000);
    if (!WaitUntil([&] { return (m_main = FindMainWindow()) != nullptr; }))
        ADD_FAILURE() << "Varno's main window did not show";
}

VarnoProcess::~VarnoProcess() {
    if (m_process.hProcess == nullptr)
        return;
    if (!HasExited()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 10000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND VarnoProcess::FindMainWindow() const {
    WindowSearch search = {m_process.dwProcessId, nullptr, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VarnoProcess::RowCheck(int row) const { return GetDlgItem(Item(1008), 3000 + row); }
HWND VarnoProcess::RowCombo(int row) const { return GetDlgItem(Item(1008), 3200 + row); }

HWND VarnoProcess::EditOf(HWND combo) { return GetWindow(combo, GW_CHILD); }

std::string VarnoProcess::Text(HWND hwnd) {
    char text[4096] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kTimeout,
                        &copied);
    return std::string(text, copied);
}

std::string VarnoProcess::WideText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kTimeout, &length))
        return "<no answer>";
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]), SMTO_NORMAL, kTimeout,
                        &copied);
    int size = WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(copied), nullptr, 0, nullptr, nullptr);
    std::string text(size, '\0');
    WideCharToMultiByte(932, 0, wide.c_str(), static_cast<int>(copied), &text[0], size, nullptr, nullptr);
    return text;
}

void VarnoProcess::SetText(HWND hwnd, const std::string& text) {
    DWORD_PTR result;
    SendMessageTimeoutA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, kTimeout,
                        &result);
}

std::vector<std::string> VarnoProcess::ListItems(HWND combo) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // Wine passes an item's text to another process whole only in the
        // Unicode form of the message.
        wchar_t wide[1024] = L"";
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[2048] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

bool VarnoProcess::IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void VarnoProcess::Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

HWND VarnoProcess::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(m_process.dwThreadId, &info);
    return info.hwndFocus;
}

void VarnoProcess::FocusOn(HWND control) const {
    PostMessageA(m_main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    WaitUntil([&] { return Focus() == control || IsChild(control, Focus()); });
}

void VarnoProcess::PressKey(UINT virtualKey) const {
    HWND focus = Focus();
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(focus, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(focus, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000);
}

void VarnoProcess::PressAltF4() const {
    // With Alt held the key comes as a system key with the context bit (29) set.
    HWND focus = Focus();
    UINT scan = MapVirtualKeyA(VK_F4, 0);
    PostMessageA(focus ? focus : m_main, WM_SYSKEYDOWN, VK_F4, 1 | (scan << 16) | (1u << 29));
}

HWND VarnoProcess::WaitForOwnedDialog(int milliseconds) const {
    WindowSearch search = {m_process.dwProcessId, m_main, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        milliseconds);
    return search.found;
}

std::string VarnoProcess::MessageBoxText(HWND box) { return Text(GetDlgItem(box, 0xFFFF)); }

void VarnoProcess::CloseMessageBox(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

bool VarnoProcess::WaitForStatus(const std::string& text, int milliseconds) const {
    return WaitUntil([&] { return Text(Item(1013)) == text; }, milliseconds);
}

bool VarnoProcess::WaitForExit(int milliseconds) {
    return WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
}

bool VarnoProcess::HasExited() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; }
