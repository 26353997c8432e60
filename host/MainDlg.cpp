#include "MainDlg.h"

#include "AboutDlg.h"
#include "CPaintDC.h"
#include "ConversionRun.h"
#include "FolderPicker.h"
#include "InfoDlg.h"
#include "resource.h"

#include <new>

namespace {

// The two pattern lists every row offers: "*.c;*.cpp;*.h" and "*.txt".
const char* const kPresetPatterns[] = {"*.c;*.cpp;*.h", "*.txt"};

// The pickers' titles, in code page 932: "変換元フォルダを選択してください"
// (please choose the source folder) and "変換先フォルダを選択してください".
const char kSourcePickerTitle[] =
    "\x95\xcf\x8a\xb7\x8c\xb3\x83\x74\x83\x48\x83\x8b\x83\x5f\x82\xf0\x91\x49\x91\xf0"
    "\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2";
const char kDestPickerTitle[] =
    "\x95\xcf\x8a\xb7\x90\xe6\x83\x74\x83\x48\x83\x8b\x83\x5f\x82\xf0\x91\x49\x91\xf0"
    "\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2";

// What the information dialog shows of each converter: "・" (code page 932)
// before its file name, and a line of ten hyphens after its description.
const char kInfoBullet[] = "\x81\x45";
const char kInfoLineBreak[] = "\r\n";
const char kInfoSeparator[] = "\r\n----------\r\n";

} // namespace

CMainDlg::CMainDlg(CWnd* parent) : CDialog(IDD_MAIN, parent) {
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

// The dialog's window and with it every row window is gone by now.
CMainDlg::~CMainDlg() { ReleaseActionRows(); }

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SUBFOLDERS, m_chkSubfolders);
    DDX_Control(pDX, IDC_STATUS, m_stcStatus);
    DDX_Control(pDX, IDC_CURRENT_FILE, m_stcCurrentFile);
    DDX_Control(pDX, IDC_FILE_COUNT, m_stcFileCount);
    DDX_Control(pDX, IDC_ACTION_GROUP, m_grpAction);
    DDX_Control(pDX, IDC_INFO_BUTTON, m_btnInfo);
    DDX_Control(pDX, IDC_DEST_BROWSE, m_btnBrowseDest);
    DDX_Control(pDX, IDC_DEST_COMBO, m_cbDest);
    DDX_Control(pDX, IDC_SOURCE_COMBO, m_cbSource);
    DDX_Control(pDX, IDC_SOURCE_BROWSE, m_btnBrowseSource);
}

BOOL CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (systemMenu) {
        CString aboutText;
        aboutText.LoadString(IDS_ABOUTBOX);
        if (!aboutText.IsEmpty()) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }

    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_fileCountText.Attach(m_stcFileCount.GetSafeHwnd());
    m_currentFileText.Attach(m_stcCurrentFile.GetSafeHwnd());

    m_converters.LoadConverters();
    BuildActionRows();
    // The focus goes to the first tab stop, the Execute button.
    return TRUE;
}

int CMainDlg::BuildActionRows() {
    LOGFONTA description;
    if (::GetObjectA(m_btnInfo.GetFont(), sizeof description, &description) == sizeof description)
        m_fontRows.CreateFontIndirect(&description);

    int count = m_converters.m_nCount;
    if (count <= 0)
        return 0;
    m_pRowChecks = new (std::nothrow) CButton[count];
    m_pRowCombos = new (std::nothrow) CComboBox[count];
    if (m_pRowChecks == nullptr || m_pRowCombos == nullptr) {
        ReleaseActionRows();
        return 0;
    }

    for (int i = 0; i < count; ++i) {
        int y = ActionRowLayout::kTop + ActionRowLayout::kPitch * i;
        int comboId = IDC_ACTION_COMBO_BASE + i;
        RECT checkRect = {ActionRowLayout::kLeft, y, ActionRowLayout::kCheckRight, y + ActionRowLayout::kCheckHeight};
        m_pRowChecks[i].Create(m_converters.m_pEntries[i].m_strName, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                               checkRect, &m_grpAction, comboId - (IDC_ACTION_COMBO_BASE - IDC_ACTION_CHECK_BASE));
        m_pRowChecks[i].SetFont(m_fontRows);
        RECT comboRect = {ActionRowLayout::kCheckRight, y, ActionRowLayout::kComboRight,
                          y + ActionRowLayout::kComboHeight};
        m_pRowCombos[i].Create(WS_CHILD | WS_VISIBLE | WS_BORDER | CBS_DROPDOWN | CBS_AUTOHSCROLL, comboRect,
                               &m_grpAction, comboId);
        m_pRowCombos[i].SetFont(m_fontRows);
    }
    for (int i = 0; i < count; ++i)
        for (int index = 0; index < 2; ++index)
            m_pRowCombos[i].InsertString(index, kPresetPatterns[index]);

    // Fit the rows into the group as the fonts came out, scrolling them if need be.
    m_rowArea.Arrange(m_grpAction, m_pRowChecks, m_pRowCombos, count);
    return 0;
}

void CMainDlg::ReleaseActionRows() {
    m_rowArea.Release();
    delete[] m_pRowChecks;
    m_pRowChecks = nullptr;
    delete[] m_pRowCombos;
    m_pRowCombos = nullptr;
}

bool CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SYSCOMMAND)
        return OnSysCommand(static_cast<UINT>(wParam), lParam);
    if (message == WM_PAINT)
        return OnPaint();
    if (message == WM_QUERYDRAGICON) {
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return true;
    }
    if (message == WM_CLOSE) {
        OnClose();
        return false; // the dialog's own handling turns it into IDCANCEL
    }
    if (IsClick(message, wParam, IDC_SOURCE_BROWSE)) {
        OnBrowseSource();
        return true;
    }
    if (IsClick(message, wParam, IDC_DEST_BROWSE)) {
        OnBrowseDest();
        return true;
    }
    if (IsClick(message, wParam, IDC_INFO_BUTTON)) {
        OnInformation();
        return true;
    }
    if (IsClick(message, wParam, IDC_EXECUTE)) {
        OnExecute();
        return true;
    }
    if (message == WM_VSCROLL)
        return m_rowArea.OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    if (message == WM_MOUSEWHEEL)
        return m_rowArea.OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    if (message == WM_DESTROY) {
        OnDestroy();
        return false;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}

bool CMainDlg::OnSysCommand(UINT nID, LPARAM) {
    // The platform keeps the four lowest bits of a command id for itself.
    if ((nID & 0xFFF0) != IDM_ABOUTBOX)
        return false; // move, minimise, close, ...
    CAboutDlg about;
    about.DoModal();
    return true;
}

bool CMainDlg::OnPaint() {
    if (!IsIconic())
        return false;
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
    int iconWidth = ::GetSystemMetrics(SM_CXICON);
    int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    int x = (client.right - client.left - iconWidth + 1) / 2;
    int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    return true;
}

void CMainDlg::OnClose() { ReleaseActionRows(); }

// Every way out passes here while the row windows still exist: the Exit
// button, Escape and Enter end the dialog without a close request.
void CMainDlg::OnDestroy() { ReleaseActionRows(); }

void CMainDlg::OnExecute() {
    CString sourceText;
    CString destText;
    m_cbSource.GetWindowText(sourceText);
    m_cbDest.GetWindowText(destText);
    ConversionRun(*this, m_converters, m_nFileCount).Execute(sourceText, destText);
}

void CMainDlg::OnBrowseSource() {
    CString path;
    if (BrowseForFolder(CString(kSourcePickerTitle), path))
        InsertSourceFolder(path);
}

void CMainDlg::OnBrowseDest() {
    CString path;
    if (BrowseForFolder(CString(kDestPickerTitle), path))
        InsertDestFolder(path);
}

// A virtual folder of the shell has no path: the field keeps its text, as
// on a cancel, rather than become empty.
int CMainDlg::BrowseForFolder(CString title, CString& path) {
    return PickFolder(m_hWnd, title, path) == FOLDER_PICKED ? 1 : 0;
}

int CMainDlg::InsertSourceFolder(CString path) { return InsertFolder(m_cbSource, path); }

int CMainDlg::InsertDestFolder(CString path) { return InsertFolder(m_cbDest, path); }

// The list keeps every pick, the latest first, duplicates included. When
// the list refuses the path, the edit field keeps its text.
int CMainDlg::InsertFolder(CComboBox& field, const CString& path) {
    int inserted = field.InsertString(0, path);
    if (inserted == 0)
        field.SetCurSel(0);
    return inserted;
}

void CMainDlg::OnInformation() {
    CInfoDlg info;
    info.ClearInfo();
    for (int i = 0; i < m_converters.m_nCount; ++i) {
        const ConverterEntry& entry = m_converters.m_pEntries[i];
        info.AddInfo(kInfoBullet);
        info.AddInfo(entry.m_strFileName);
        info.AddInfo(kInfoLineBreak);
        info.AddInfo(entry.m_strDescription);
        info.AddInfo(kInfoSeparator);
    }
    info.DoModal();
}

bool CMainDlg::IsRowTicked(int row) {
    return row >= 0 && row < RowCount() && m_pRowChecks[row].GetCheck() == BST_CHECKED;
}

CString CMainDlg::RowPatternText(int row) {
    CString text;
    if (row >= 0 && row < RowCount())
        m_pRowCombos[row].GetWindowText(text);
    return text;
}

bool CMainDlg::IncludeSubfolders() { return m_chkSubfolders.GetCheck() == BST_CHECKED; }

// A run keeps the thread from the message loop, so the fields are painted
// here; the count and the current file, set before every file, only now and then.
void CMainDlg::SetFileCountText(const char* text) {
    m_fileCountText.SetText(text);
    RepaintProgressIfDue();
}

void CMainDlg::SetCurrentFileText(const char* text) {
    m_currentFileText.SetText(text);
    RepaintProgressIfDue();
}

// The status changes when a run starts and when it ends: all fields show
// their texts of that moment.
void CMainDlg::SetStatusText(const char* text) {
    m_stcStatus.SetWindowText(text);
    RepaintProgress();
}

void CMainDlg::RepaintProgressIfDue() {
    if (m_progressRepaint.IsDue(::GetTickCount()))
        RepaintProgress();
}

void CMainDlg::RepaintProgress() {
    m_fileCountText.Show();
    m_currentFileText.Show();
    m_stcFileCount.UpdateWindow();
    m_stcCurrentFile.UpdateWindow();
    m_stcStatus.UpdateWindow();
    m_progressRepaint.Painted(::GetTickCount());
}

void CMainDlg::ShowMessage(unsigned textId, unsigned captionId) {
    CString text;
    CString caption;
    text.LoadString(textId);
    caption.LoadString(captionId);
    ::MessageBoxA(m_hWnd, text, caption, MB_ICONEXCLAMATION | MB_OK);
}
