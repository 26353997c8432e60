#include "CFont.h"

CFont& CFont::operator=(CFont&& other) noexcept {
    if (this != &other) {
        DeleteObject();
        m_hFont = other.m_hFont;
        other.m_hFont = nullptr;
    }
    return *this;
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* description) {
    DeleteObject();
    m_hFont = ::CreateFontIndirectA(description);
    return m_hFont != nullptr;
}

BOOL CFont::DeleteObject() {
    if (m_hFont == nullptr)
        return FALSE;
    ::DeleteObject(m_hFont);
    m_hFont = nullptr;
    return TRUE;
}
