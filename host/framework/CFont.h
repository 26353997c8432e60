// A GDI font that the object owns and deletes. Move-only.
#pragma once

#include <windows.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(CFont&& other) noexcept : m_hFont(other.m_hFont) { other.m_hFont = nullptr; }
    CFont& operator=(CFont&& other) noexcept;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Creates a font from a logical description, replacing any font held.
    BOOL CreateFontIndirect(const LOGFONTA* description);
    BOOL DeleteObject();

    HFONT GetSafeHandle() const { return m_hFont; }
    operator HFONT() const { return m_hFont; }

private:
    HFONT m_hFont = nullptr;
};
