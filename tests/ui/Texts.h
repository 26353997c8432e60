// Text helpers of the window tests.
#pragma once

#include <windows.h>

#include <string>

// The bytes a UTF-8 text has in the program's ANSI code page (932).
inline std::string Ansi(const char* utf8) {
    wchar_t wide[1024];
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 1024);
    char bytes[2048];
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

// UTF-16 text (of a resource) as UTF-8, to compare with the test's literals.
inline std::string Utf8(const wchar_t* text, int length = -1) {
    char bytes[4096];
    int size = WideCharToMultiByte(CP_UTF8, 0, text, length, bytes, sizeof bytes, nullptr, nullptr);
    if (length == -1 && size > 0)
        --size;
    return std::string(bytes, size > 0 ? size : 0);
}
