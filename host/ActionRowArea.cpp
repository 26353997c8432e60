#include "ActionRowArea.h"

#include "resource.h"

namespace {

const char kGroupProcProperty[] = "Varno.GroupProc";

// The group box is a button, which ignores scroll notifications: they go
// on to the dialog, which hands them to the row area.
LRESULT CALLBACK GroupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, kGroupProcProperty));
    if (message == WM_VSCROLL)
        return ::SendMessageA(::GetParent(hwnd), message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        ::RemovePropA(hwnd, kGroupProcProperty);
    }
    return ::CallWindowProcA(original, hwnd, message, wParam, lParam);
}

void PassScrollsToDialog(HWND group) {
    if (::GetPropA(group, kGroupProcProperty))
        return;
    LONG_PTR original = ::GetWindowLongPtrA(group, GWLP_WNDPROC);
    ::SetPropA(group, kGroupProcProperty, reinterpret_cast<HANDLE>(original));
    ::SetWindowLongPtrA(group, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupProc));
}

int WindowHeight(HWND hwnd) {
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
}

} // namespace

void ActionRowArea::Arrange(CButton& group, CButton* checks, CComboBox* combos, int count) {
    m_pGroup = &group;
    m_pChecks = checks;
    m_pCombos = combos;
    if (count <= 0 || checks == nullptr || combos == nullptr)
        return;

    RECT client;
    group.GetClientRect(&client);
    // A closed drop-down combo box is as tall as its font makes it.
    int rowHeight = WindowHeight(combos[0].m_hWnd);
    m_layout = ActionRowLayout(client.right, client.bottom, rowHeight, ::GetSystemMetrics(SM_CXVSCROLL), count);

    if (m_layout.NeedsScrollBar()) {
        PassScrollsToDialog(group.m_hWnd);
        m_sbRows.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, m_layout.ScrollBarRect(), &group, IDC_ACTION_SCROLL);
        m_sbRows.SetScrollInfo(count - 1, m_layout.VisibleRows(), 0);
    }
    ShowFrom(0);
}

void ActionRowArea::Release() {
    m_pChecks = nullptr;
    m_pCombos = nullptr;
    m_layout = ActionRowLayout();
}

void ActionRowArea::ShowFrom(int firstRow) {
    if (m_pChecks == nullptr)
        return;
    m_firstRow = m_layout.ClampFirstRow(firstRow);
    HWND focus = ::GetFocus();
    for (int row = 0; row < m_layout.RowCount(); ++row) {
        bool shown = m_layout.IsShown(row, m_firstRow);
        HWND check = m_pChecks[row].m_hWnd;
        HWND combo = m_pCombos[row].m_hWnd;
        // A hidden row must not keep the keyboard: its typing would go unseen.
        if (!shown && focus && (focus == check || focus == combo || ::IsChild(combo, focus)) && m_sbRows.m_hWnd)
            ::SetFocus(m_sbRows.m_hWnd);
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        RECT c = m_layout.CheckRect(row, m_firstRow);
        ::SetWindowPos(check, nullptr, c.left, c.top, c.right - c.left, c.bottom - c.top, flags);
        RECT b = m_layout.ComboRect(row, m_firstRow);
        ::SetWindowPos(combo, nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top, flags);
    }
    if (m_sbRows.m_hWnd)
        m_sbRows.SetScrollInfo(m_layout.RowCount() - 1, m_layout.VisibleRows(), m_firstRow);
}

bool ActionRowArea::OnScroll(HWND scrollBar, int code) {
    if (scrollBar == nullptr || scrollBar != m_sbRows.m_hWnd)
        return false;
    int page = m_layout.VisibleRows();
    int first = m_firstRow;
    switch (code) {
    case SB_LINEUP: first -= 1; break;
    case SB_LINEDOWN: first += 1; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_TOP: first = 0; break;
    case SB_BOTTOM: first = m_layout.RowCount(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit track position; the message's own is only 16 bits wide.
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(scrollBar, SB_CTL, &info);
        first = info.nTrackPos;
        break;
    }
    default: return true;
    }
    if (first != m_firstRow)
        ShowFrom(first);
    return true;
}

bool ActionRowArea::OnWheel(int delta) {
    if (m_sbRows.m_hWnd == nullptr || m_pChecks == nullptr)
        return false;
    // Three rows per notch, upwards for a positive turn.
    ShowFrom(m_firstRow - delta * 3 / WHEEL_DELTA);
    return true;
}
