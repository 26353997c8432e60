// A modal dialog from a template of the program's resources.
//
// One static dialog procedure serves every dialog: it keeps the object in
// DWLP_USER and hands each message to the virtual OnMessage, whose
// if-chain is the class's message map. A derived class answers the
// messages it handles and passes the rest to its base; what no class
// handles goes to the platform's default dialog handling.
#pragma once

#include "CDataExchange.h"
#include "CWnd.h"

class CDialog : public CWnd {
public:
    // The dialog will be owned by parent's window; without a parent, by the
    // application's main window when there is one other than this dialog.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog until it is ended; its end code, or -1 when the
    // window could not be made.
    INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Binds the controls (the first data exchange). True asks for the
    // focus on the first control with a tab stop.
    virtual BOOL OnInitDialog();
    // Enter without a default button, or the OK button: exchange, then end with IDOK.
    virtual void OnOK();
    // Escape, the Cancel button or a close request: end with IDCANCEL.
    virtual void OnCancel();

    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // The message map. True when the message was handled, with its result
    // in result; false leaves it to the default dialog handling.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // True for a click notification of the control with the given id.
    static bool IsClick(UINT message, WPARAM wParam, int id) {
        return message == WM_COMMAND && LOWORD(wParam) == id && HIWORD(wParam) == BN_CLICKED;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInitDialog();
    void CentreIfTemplateAsks();
    HWND OwnerWindow() const;

    UINT m_nTemplateId;
    CWnd* m_pParentWnd;
};
