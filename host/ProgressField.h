// A progress field whose text changes for every file of a run. Setting a
// window's text costs a round trip to the window system (under Wine a
// request to its server, and the static control paints at once), which for
// thousands of small files costs more than the files. So the newest text is
// kept here and answered to every reader in this process (WM_GETTEXT, as
// GetWindowText and GetDlgItemText send it), and handed to the window only
// by Show: when the field is due for painting, and at the end of a run.
#pragma once

#include <windows.h>

#include <string>

class ProgressField {
public:
    ProgressField() = default;
    ~ProgressField();
    ProgressField(const ProgressField&) = delete;
    ProgressField& operator=(const ProgressField&) = delete;

    // Takes over the text messages of the static control.
    void Attach(HWND field);
    void SetText(const char* text);
    // Hands a newer text to the window, which stores and paints it.
    void Show();

private:
    static LRESULT CALLBACK FieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    HWND m_hWnd = nullptr;
    WNDPROC m_originalProc = nullptr;
    std::string m_text;
    bool m_pending = false; // m_text is newer than the window's own text
};
