// The converter information dialog: every loaded converter's file name and
// description in one read-only text, for reading and scrolling only.
#pragma once

#include "CDialog.h"
#include "CEdit.h"

class CInfoDlg : public CDialog {
public:
    explicit CInfoDlg(CWnd* parent = nullptr);
    ~CInfoDlg() override;

    // Empties the text to show; 0.
    int ClearInfo();
    // Appends to the text to show; 0.
    int AddInfo(CString text);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CEdit m_editInfo;
    CString m_strInfo;
};
