#include "InfoDlg.h"

#include "resource.h"

CInfoDlg::CInfoDlg(CWnd* parent) : CDialog(IDD_INFO, parent) {}

CInfoDlg::~CInfoDlg() = default;

int CInfoDlg::ClearInfo() {
    m_strInfo.Empty();
    return 0;
}

int CInfoDlg::AddInfo(CString text) {
    m_strInfo += text;
    return 0;
}

void CInfoDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INFO_EDIT, m_editInfo);
}

// The text control has no tab stop, so the focus goes to OK.
BOOL CInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_editInfo.SetWindowText(m_strInfo);
    return TRUE;
}
