// Source bytes and the bytes QueltDll must make of them (tab width 4), shared
// by the tests of the conversion core and of the DLL.
#pragma once

#include <string>

struct ConversionCase {
    const char* name;
    std::string source;
    std::string expected;
};

inline const ConversionCase kConversionCases[] = {
    {"empty", "", ""},
    {"plain text is copied", "abc", "abc"},
    {"tab after one letter", "a\tb", "a   b"},
    {"tab at line start", "\tx", "    x"},
    {"tab after four letters", "abcd\tx", "abcd    x"},
    {"two tabs at line start", "\t\tx", "        x"},
    {"tab after three letters", "abc\tx", "abc x"},
    {"tab at the very end", "ab\t", "ab  "},
    {"count restarts after CR LF", "x\r\n\ty", "x\r\n    y"},
    {"count restarts after LF", "xy\n\tz", "xy\r\n    z"},
    {"LF line ends become CR LF", "a\nb\n", "a\r\nb\r\n"},
    {"CR LF line ends stay", "a\r\nb\r\n", "a\r\nb\r\n"},
    {"last line without line end gets none", "a\nb", "a\r\nb"},
    {"lone CR counts one column and keeps the line", "ab\r\tc", "ab\r c"},
    {"CR CR LF", "\r\r\n", "\r\r\n"},
    {"LF CR", "\n\r", "\r\n\r"},
    {"CR as last byte", "ab\r", "ab\r"},
    {"CR LF LF", "\r\n\n", "\r\n\r\n"},
    {"0x1A ends the input",
     "ab\x1A"
     "cd\n",
     "ab"},
    {"0x1A first",
     "\x1A"
     "abc",
     ""},
    {"0x1A right after CR", "a\r\x1A\n", "a\r"},
    {"CR LF then 0x1A", "a\r\n\x1A\r\n", "a\r\n"},
    {"second 0x1A is not reached",
     "a\x1A\x1A"
     "b",
     "a"},
    // "あ" is 0x82 0xA0 in code page 932: two columns.
    {"double-byte character counts two columns", "\x82\xA0\tx", "\x82\xA0  x"},
    // Half-width katakana "ｱ" is one byte, one column.
    {"half-width katakana counts one column", "\xB1\tx", "\xB1   x"},
    {"NUL is copied and counts one column", std::string("a\0\tb", 4), std::string("a\0  b", 5)},
    {"form feed and high bytes pass", "\x0C\xFF\x80\t", "\x0C\xFF\x80 "},
    {"deep indentation", "x\n\t\t\t\t\t\ty", "x\r\n                        y"},
    {"tabs right after a mid-line tab", "ab\t\t\tc\t\n\t", "ab          c   \r\n    "},
    {"CR LF then indentation", "a\r\n\t\t\tb", "a\r\n            b"},
    {"mixed lines", "int f()\n{\n\treturn 0;\t// x\r\n}\n", "int f()\r\n{\r\n    return 0;   // x\r\n}\r\n"},
};
