#include "CWnd.h"

CWnd::~CWnd() {
    if (m_bOwnsWindow && m_hWnd && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
}

void CWnd::Attach(HWND hwnd) {
    if (m_hWnd == nullptr)
        m_hWnd = hwnd;
}

void CWnd::GetWindowText(CString& text) const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    int copied = ::GetWindowTextA(m_hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer(copied > 0 ? copied : 0);
}

BOOL CWnd::CreateChild(const char* className, const char* text, DWORD style, const RECT& rect, HWND parent,
                       UINT id) {
    assert(m_hWnd == nullptr);
    m_hWnd = ::CreateWindowExA(0, className, text, style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               ::GetModuleHandleA(nullptr), nullptr);
    m_bOwnsWindow = m_hWnd != nullptr;
    return m_bOwnsWindow;
}
