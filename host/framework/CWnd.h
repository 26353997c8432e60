// A window handle with the few operations the dialogs use. Non-owning: a
// wrapper attached to a dialog's control leaves the window to the dialog.
// Only a window the wrapper created itself (CreateChild) is destroyed with
// the wrapper.
#pragma once

#include "CString.h"

#include <cassert>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // Attaches an existing window once; a second attach is ignored.
    void Attach(HWND hwnd);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        assert(m_hWnd);
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

    // For a drop-down combo box, the text of its edit field.
    void GetWindowText(CString& text) const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }

    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT font, BOOL redraw = TRUE) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw, 0));
    }

    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }

    HWND m_hWnd = nullptr;

protected:
    // Creates a child window of the given class that this wrapper owns.
    BOOL CreateChild(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent,
                     UINT id);

private:
    bool m_bOwnsWindow = false;
};
