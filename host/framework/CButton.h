// A push button, check box or group box.
#pragma once

#include "CWnd.h"

class CButton : public CWnd {
public:
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, state); }

    // A button window of the wrapper's own, destroyed with it.
    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateChild("BUTTON", caption, style, rect, parent->m_hWnd, id);
    }
};
