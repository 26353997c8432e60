#include "CString.h"
#include "CStringArray.h"

#include <gtest/gtest.h>

#include <cstring>

// Code page 932 bytes: "表" is 0x95 0x5C and "ソ" is 0x83 0x5C, both with a
// trail byte equal to the backslash; "＃" is 0x81 0x94.
#define HYOU "\x95\x5c"
#define SO "\x83\x5c"

TEST(CString, FindSkipsTrailBytes) {
    static const struct {
        const char* text;
        char ch;
        int first;
        int last;
    } cases[] = {
        {"", '\\', -1, -1},
        {"a\\b\\", '\\', 1, 3},
        {HYOU, '\\', -1, -1},
        {HYOU "\\", '\\', 2, 2},
        {"C:\\" SO "x\\" HYOU, '\\', 2, 6},
        {"a;" HYOU ";b", ';', 1, 4},
        {"\x81;", ';', -1, -1}, // ';' is a trail byte here
        {"\x81", '\x81', 0, 0}, // a lead byte before the terminator stands alone
    };
    for (const auto& c : cases) {
        CString text(c.text);
        EXPECT_EQ(c.first, text.Find(c.ch)) << c.text;
        EXPECT_EQ(c.last, text.ReverseFind(c.ch)) << c.text;
        EXPECT_EQ(c.last >= 0 && c.last == text.GetLength() - 1, text.EndsWithChar(c.ch)) << c.text;
    }
}

TEST(CString, CompareNoCaseByCharacters) {
    static const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"C:\\Data", "c:\\DATA", true},
        {"\x82\x60", "\x82\x81", true}, // full-width A and a
        {"\x82\x79", "\x82\x9a", true}, // full-width Z and z
        {HYOU, "\x95\x7c", false},      // trail bytes differing only as letters would in ASCII
        {"\x83\x41", "\x83\x61", false}, // katakana ア (0x8341) is not a case of 0x8361
        {"abc", "ab", false},
        {"", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.equal, CString(c.a).CompareNoCase(c.b) == 0) << c.a << " vs " << c.b;
}

TEST(CString, SlicesConcatenationAndFormat) {
    CString text("folder");
    EXPECT_STREQ("fol", text.Left(3));
    EXPECT_STREQ("der", text.Right(3));
    EXPECT_STREQ("folder", text.Left(99));
    EXPECT_STREQ("", text.Right(-1));
    EXPECT_STREQ("ld", text.Mid(2, 2));
    EXPECT_STREQ("folder\\*.dll", text + '\\' + "*.dll");
    CString copy = text;
    copy += "2";
    EXPECT_STREQ("folder", text);
    CString number;
    number.Format("%d", -42);
    EXPECT_STREQ("-42", number);
}

TEST(CString, GetBufferGivesRoomAndReleaseEndsAtNul) {
    CString text("ab");
    char* buffer = text.GetBuffer(300);
    buffer[300] = '\0';
    std::memset(buffer, 'x', 300);
    text.ReleaseBuffer();
    EXPECT_EQ(300, text.GetLength());
    std::strcpy(text.GetBuffer(10), "short");
    text.ReleaseBuffer();
    EXPECT_STREQ("short", text);
}

TEST(CStringArray, KeepsOrderOfAppending) {
    CStringArray list;
    EXPECT_EQ(0, list.Add(""));
    EXPECT_EQ(1, list.Add("*.txt"));
    ASSERT_EQ(2, list.GetSize());
    EXPECT_STREQ("", list[0]);
    EXPECT_STREQ("*.txt", list.GetAt(1));
}
