#include "ProgressField.h"

#include <algorithm>
#include <cstring>

namespace {
const char kSelf[] = "VarnoProgressField";
}

ProgressField::~ProgressField() { Detach(); }

void ProgressField::Attach(HWND field) {
    if (field == nullptr || m_hWnd != nullptr)
        return;
    m_hWnd = field;
    ::SetPropA(field, kSelf, this);
    m_originalProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProgressField::FieldProc)));
}

void ProgressField::Detach() {
    if (m_hWnd == nullptr)
        return;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    ::RemovePropA(m_hWnd, kSelf);
    m_hWnd = nullptr;
}

void ProgressField::SetText(const char* text) {
    if (m_hWnd == nullptr)
        return;
    m_text = text;
    m_pending = true;
}

void ProgressField::Show() {
    if (m_hWnd == nullptr || !m_pending)
        return;
    m_pending = false;
    ::CallWindowProcA(m_originalProc, m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_text.c_str()));
}

LRESULT CALLBACK ProgressField::FieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ProgressField*>(::GetPropA(hwnd, kSelf));
    if (self == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT ProgressField::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = m_hWnd;
    WNDPROC original = m_originalProc;
    switch (message) {
    case WM_GETTEXT:
        if (m_pending) {
            if (wParam == 0)
                return 0;
            size_t length = std::min(m_text.size(), static_cast<size_t>(wParam) - 1);
            std::memcpy(reinterpret_cast<char*>(lParam), m_text.data(), length);
            reinterpret_cast<char*>(lParam)[length] = '\0';
            return static_cast<LRESULT>(length);
        }
        break;
    case WM_GETTEXTLENGTH:
        if (m_pending)
            return static_cast<LRESULT>(m_text.size());
        break;
    case WM_SETTEXT:
        m_pending = false; // a text set by anyone else is the newest
        break;
    case WM_NCDESTROY:
        Detach();
        break;
    }
    return ::CallWindowProcA(original, hwnd, message, wParam, lParam);
}
