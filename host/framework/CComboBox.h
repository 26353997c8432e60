// A combo box; for a drop-down one, the window text is its edit field's.
#pragma once

#include "CWnd.h"

class CComboBox : public CWnd {
public:
    // The index the string went to, or CB_ERR / CB_ERRSPACE (negative).
    int InsertString(int index, const char* text) {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text)));
    }
    // Selecting an item also puts its text into the edit field; -1 selects nothing.
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }

    // A combo box window of the wrapper's own, destroyed with it. The
    // rectangle's height includes the drop-down list.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateChild("COMBOBOX", "", style, rect, parent->m_hWnd, id);
    }
};
