#include "CDialog.h"

#include "CWinApp.h"
#include "DialogTemplate.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nTemplateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), OwnerWindow(),
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND CDialog::OwnerWindow() const {
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWinApp* app = AfxGetApp();
    CWnd* main = app ? app->m_pMainWnd : nullptr;
    if (main && main != this && main->m_hWnd && ::IsWindow(main->m_hWnd))
        return main->m_hWnd;
    return nullptr;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(m_hWnd, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_INITDIALOG) {
        result = HandleInitDialog();
        return true;
    }
    // IDOK and IDCANCEL come as clicks of their buttons and, from the
    // dialog keyboard handling, as commands with notification code 0 (which
    // is BN_CLICKED's value too).
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    return false;
}

LRESULT CDialog::HandleInitDialog() {
    BOOL focusFirst = OnInitDialog();
    CentreIfTemplateAsks();
    if (!focusFirst)
        return FALSE;
    // The platform would focus the first tab stop itself on TRUE, but Wine
    // then leaves a focused push button without the default-button state,
    // so that Enter sends IDOK instead of clicking it. WM_NEXTDLGCTL moves
    // the focus through the dialog manager, which sets that state.
    HWND first = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (first == nullptr)
        return TRUE;
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    return FALSE;
}

void CDialog::CentreIfTemplateAsks() {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(m_nTemplateId), MAKEINTRESOURCEA(5)); // RT_DIALOG
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    DialogPlacement placement;
    if (!loaded || !ReadDialogPlacement(::LockResource(loaded), ::SizeofResource(module, resource), &placement) ||
        !FrameworkCentres(placement))
        return;

    // Over the owner while it is on screen, otherwise on the work area of
    // the window's monitor; never beyond that work area's edges.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT area = monitor.rcWork;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    RECT around = area;
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &around);

    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    if (x + width > area.right)
        x = area.right - width;
    if (y + height > area.bottom)
        y = area.bottom - height;
    if (x < area.left)
        x = area.left;
    if (y < area.top)
        y = area.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        dialog->m_hWnd = hwnd;
    } else {
        // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
        dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (dialog == nullptr)
        return FALSE;

    LRESULT result = 0;
    bool handled = dialog->OnMessage(message, wParam, lParam, result);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
    }
    if (!handled)
        return FALSE;
    switch (message) {
    // These few messages take their result as the procedure's return value;
    // all others through DWLP_MSGRESULT.
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return static_cast<INT_PTR>(result);
    default:
        ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}
