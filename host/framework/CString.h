// Multibyte string of the ANSI code page, copied by value. Character
// searches go by whole characters: the trail byte of a double-byte character
// never matches.
#pragma once

// Included first so that names the system headers turn into their ANSI
// forms (LoadString) are turned the same way in every user of this class.
#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text, length > 0 ? length : 0) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    operator const char*() const { return m_text.c_str(); }
    char GetAt(int index) const { return m_text[index]; }

    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char* text) { m_text += text; return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }

    // The first / last count bytes (all of them when count exceeds the length).
    CString Left(int count) const;
    CString Right(int count) const;
    // The bytes from first on, to the end or count of them.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Index of the first (last) character equal to ch, or -1.
    int Find(char ch) const;
    int ReverseFind(char ch) const;
    // True when the last character (not the last byte) is ch.
    bool EndsWithChar(char ch) const;

    // Case-blind comparison by characters of the code page: <0, 0 or >0.
    int CompareNoCase(const char* other) const;

    // Replaces the text with printf-style formatted output.
    void Format(const char* format, ...);
    // Replaces the text with string id of the program's string table; false when absent.
    bool LoadString(unsigned id);

    // Writable buffer of at least minLength characters plus the terminator.
    // ReleaseBuffer ends the text at newLength, or at the first NUL with -1.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }

private:
    std::string m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char ch);
