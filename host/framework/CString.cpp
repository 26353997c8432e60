#include "CString.h"

#include "Mbcs.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

int Clamp(int value, int high) { return std::max(0, std::min(value, high)); }

} // namespace

CString CString::Left(int count) const { return CString(m_text.c_str(), Clamp(count, GetLength())); }

CString CString::Right(int count) const {
    int n = Clamp(count, GetLength());
    return CString(m_text.c_str() + GetLength() - n, n);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    int start = Clamp(first, GetLength());
    return CString(m_text.c_str() + start, Clamp(count, GetLength() - start));
}

int CString::Find(char ch) const {
    const char* begin = m_text.c_str();
    for (const char* p = begin; *p != '\0'; p += Mbcs::CharLength(p))
        if (*p == ch && Mbcs::CharLength(p) == 1)
            return static_cast<int>(p - begin);
    return -1;
}

int CString::ReverseFind(char ch) const {
    const char* begin = m_text.c_str();
    int found = -1;
    for (const char* p = begin; *p != '\0'; p += Mbcs::CharLength(p))
        if (*p == ch && Mbcs::CharLength(p) == 1)
            found = static_cast<int>(p - begin);
    return found;
}

bool CString::EndsWithChar(char ch) const { return !IsEmpty() && ReverseFind(ch) == GetLength() - 1; }

int CString::CompareNoCase(const char* other) const { return Mbcs::CompareNoCase(m_text.c_str(), other); }

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list count;
    va_copy(count, args);
    int length = std::vsnprintf(nullptr, 0, format, count);
    va_end(count);
    if (length < 0) {
        m_text.clear();
    } else {
        m_text.assign(static_cast<size_t>(length), '\0');
        std::vsnprintf(&m_text[0], static_cast<size_t>(length) + 1, format, args);
    }
    va_end(args);
}

bool CString::LoadString(unsigned id) {
    // LoadStringA with a zero length does not report the size in the ANSI
    // form, so grow the buffer until the text fits with room to spare.
    for (int size = 256; size <= 65536; size *= 4) {
        int length = ::LoadStringA(GetModuleHandleA(nullptr), id, GetBuffer(size), size + 1);
        if (length < size) {
            ReleaseBuffer(length);
            return length > 0;
        }
    }
    ReleaseBuffer();
    return true;
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength) {
    size_t length = newLength < 0 ? std::strlen(m_text.c_str()) : static_cast<size_t>(newLength);
    m_text.resize(std::min(length, m_text.size()));
}

CString operator+(const CString& a, const CString& b) { return CString(a) += b; }
CString operator+(const CString& a, const char* b) { return CString(a) += b; }
CString operator+(const char* a, const CString& b) { return CString(a) += b; }
CString operator+(const CString& a, char ch) { return CString(a) += ch; }
