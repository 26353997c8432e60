// The real Varno.exe, started in a working folder of our choice and driven
// from this process through window messages, as a user's clicks and keys
// would reach it. Everything here works across processes under Wine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class VarnoProcess {
public:
    // Starts Varno.exe in workFolder and waits until its main window shows.
    explicit VarnoProcess(const std::string& workFolder);
    // Ends the program if a test left it running.
    ~VarnoProcess();
    VarnoProcess(const VarnoProcess&) = delete;
    VarnoProcess& operator=(const VarnoProcess&) = delete;

    HWND Main() const { return m_main; }
    HWND Item(int id) const { return GetDlgItem(m_main, id); }
    // Row i's check box and pattern combo box, children of the action group.
    HWND RowCheck(int row) const;
    HWND RowCombo(int row) const;
    // The edit field of a drop-down combo box.
    static HWND EditOf(HWND combo);

    // A window's text, waiting while Varno is busy with a run.
    static std::string Text(HWND hwnd);
    // The same, byte-exact for long texts too: asked for in UTF-16, which
    // Wine passes to another process whole, and turned into code page 932.
    static std::string WideText(HWND hwnd);
    static void SetText(HWND hwnd, const std::string& text);
    static std::vector<std::string> ListItems(HWND combo);
    static bool IsChecked(HWND button);
    // Clicks a button, without waiting for what the click starts.
    static void Click(HWND button);

    // The window that has the keyboard focus in Varno.
    HWND Focus() const;
    // Moves the focus the way the dialog manager does (WM_NEXTDLGCTL).
    void FocusOn(HWND control) const;
    // A key pressed and released on the focused window.
    void PressKey(UINT virtualKey) const;
    void PressAltF4() const;

    // A dialog owned by the main window (a message box, the folder picker,
    // the information dialog, the about box), or null when none shows
    // within the time.
    HWND WaitForOwnedDialog(int milliseconds = 10000) const;
    // A message box owned by the main window; its text and its closing with OK.
    HWND WaitForMessageBox(int milliseconds = 10000) const { return WaitForOwnedDialog(milliseconds); }
    static std::string MessageBoxText(HWND box);
    static void CloseMessageBox(HWND box);

    // Waits until the status field shows the text (a run has ended).
    bool WaitForStatus(const std::string& text, int milliseconds = 20000) const;
    bool WaitForExit(int milliseconds = 10000);
    bool HasExited() const;

private:
    HWND FindMainWindow() const;

    PROCESS_INFORMATION m_process = {};
    HWND m_main = nullptr;
};

// Repeats check every 20 ms until it holds or the time is up.
template <class Check> bool WaitUntil(Check check, int milliseconds = 10000) {
    for (DWORD start = GetTickCount(); !check();) {
        if (GetTickCount() - start > static_cast<DWORD>(milliseconds))
            return false;
        Sleep(20);
    }
    return true;
}
