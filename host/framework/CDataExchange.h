// One data exchange between a dialog and its members: binding controls.
#pragma once

#include "CWnd.h"

class CDataExchange {
public:
    CDataExchange(HWND dialog, BOOL saveAndValidate) : m_hDlg(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND m_hDlg;
    BOOL m_bSaveAndValidate;
};

// Attaches the wrapper to the dialog's control with the given id. Every
// exchange calls this, but the control is attached only the first time.
inline void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == nullptr)
        control.Attach(::GetDlgItem(pDX->m_hDlg, id));
}
