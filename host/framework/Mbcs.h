// Character rules of the ANSI code page (932 on a Japanese system): which
// bytes begin a double-byte character, and a case-blind comparison that
// treats a double-byte character as one character.
#pragma once

namespace Mbcs {

// True when b is the first byte of a double-byte character in the ANSI code page.
bool IsLeadByte(unsigned char b);

// Length in bytes of the character that starts at p: 2 for a lead byte
// followed by a trail byte, otherwise 1 (a lead byte before the terminating
// NUL is a character of its own). p must not point at the terminator.
inline int CharLength(const char* p) {
    return IsLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0' ? 2 : 1;
}

// Compares two NUL-terminated strings character by character without regard
// to case: ASCII letters and the full-width Latin letters of code page 932
// match their other case. Returns <0, 0 or >0.
int CompareNoCase(const char* a, const char* b);

} // namespace Mbcs
