// The resources inside the built Varno.exe, read as data.
#include "Texts.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

class VarnoResources : public testing::Test {
protected:
    void SetUp() override {
        path = ProgramFolder() + "..\\bin\\Varno.exe";
        module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module) << path;
    }
    void TearDown() override {
        if (module)
            FreeLibrary(module);
    }
    // The bytes of a resource in Japanese; empty when there is none.
    std::vector<unsigned char> Resource(LPCSTR type, int id) {
        HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), kJapanese);
        if (!found)
            return {};
        auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
        return std::vector<unsigned char>(bytes, bytes + SizeofResource(module, found));
    }

    std::string path;
    HMODULE module = nullptr;
};

// Reads an extended dialog template front to back.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<unsigned char>& bytes) : m_bytes(bytes) {}
    template <class T> T Read() {
        T value{};
        if (m_offset + sizeof value <= m_bytes.size())
            std::memcpy(&value, &m_bytes[m_offset], sizeof value);
        m_offset += sizeof value;
        return value;
    }
    // A text, or "#<n>" for an ordinal.
    std::string TextOrOrdinal() {
        if (Peek() == 0xFFFF) {
            Read<WORD>();
            return "#" + std::to_string(Read<WORD>());
        }
        return Text();
    }
    std::string Text() {
        std::wstring text;
        for (WORD c; (c = Read<WORD>()) != 0 && m_offset <= m_bytes.size();)
            text += static_cast<wchar_t>(c);
        return Utf8(text.c_str(), static_cast<int>(text.size()));
    }
    void AlignToDword() { m_offset = (m_offset + 3) & ~size_t(3); }

private:
    WORD Peek() const { return m_offset + 2 <= m_bytes.size() ? m_bytes[m_offset] | m_bytes[m_offset + 1] << 8 : 0; }
    const std::vector<unsigned char>& m_bytes;
    size_t m_offset = 0;
};

TEST_F(VarnoResources, MainDialogTemplateHoldsItsControlsWithTheirStylesInTabOrder) {
    std::vector<unsigned char> bytes = Resource(MAKEINTRESOURCEA(5), 102); // RT_DIALOG
    ASSERT_FALSE(bytes.empty());
    TemplateReader in(bytes);
    EXPECT_EQ(1, in.Read<WORD>());      // extended template, version 1
    EXPECT_EQ(0xFFFF, in.Read<WORD>()); // its signature
    EXPECT_EQ(0u, in.Read<DWORD>());    // help id
    EXPECT_EQ(0x00040000u, in.Read<DWORD>());
    EXPECT_EQ(0x90CA00C0u, in.Read<DWORD>());
    WORD items = in.Read<WORD>();
    EXPECT_EQ(0, in.Read<short>());
    EXPECT_EQ(0, in.Read<short>());
    EXPECT_EQ(305, in.Read<short>());
    EXPECT_EQ(235, in.Read<short>());
    EXPECT_EQ("", in.TextOrOrdinal()); // no menu
    EXPECT_EQ("", in.TextOrOrdinal()); // no class
    EXPECT_EQ("Varno", in.Text());
    EXPECT_EQ(9, in.Read<WORD>());  // points
    EXPECT_EQ(0, in.Read<WORD>());  // weight
    EXPECT_EQ(0, in.Read<BYTE>());  // italic
    EXPECT_EQ(1, in.Read<BYTE>());  // character set
    EXPECT_EQ("ＭＳ Ｐゴシック", in.Text());

    static const struct {
        int id;
        const char* className; // "#128" button, "#130" static, "#133" combo box
        const char* text;
        short x, y, cx, cy;
        DWORD style;
    } controls[] = {
        {1006, "#128", "実行", 248, 19, 50, 14, 0x50010000},
        {1000, "#133", "", 7, 20, 190, 72, 0x50210042},
        {1002, "#133", "", 7, 53, 190, 72, 0x50210042},
        {1001, "#128", "参照...", 200, 19, 38, 14, 0x50010000},
        {1003, "#128", "参照...", 200, 52, 38, 14, 0x50010000},
        {1004, "#128", "Information...", 248, 36, 50, 14, 0x50010000},
        {2, "#128", "終了", 248, 52, 50, 14, 0x50010000},
        {-1, "#130", "変換元フォルダ：", 7, 7, 100, 8, 0x50020000},
        {-1, "#130", "変換先フォルダ：", 7, 40, 100, 8, 0x50020000},
        {1008, "#128", "変換アクション／変換対象ファイル", 7, 90, 291, 92, 0x50000007},
        {1009, "#128", "サブフォルダのファイルも変換する", 10, 75, 116, 10, 0x50010003},
        {-1, "#130", "変換状況", 7, 187, 28, 8, 0x50020000},
        {1010, "#130", "", 71, 199, 227, 12, 0x50021200},
        {-1, "#130", "変換中ファイル：", 7, 201, 48, 8, 0x50020000},
        {-1, "#130", "変換ファイル数：", 7, 215, 48, 8, 0x50020000},
        {1011, "#130", "0", 71, 213, 74, 12, 0x50021202},
        {1013, "#130", "実行前", 147, 213, 151, 12, 0x50021201},
    };
    ASSERT_EQ(std::size(controls), items);
    for (const auto& c : controls) {
        SCOPED_TRACE(testing::Message() << "control " << c.id << " " << c.text);
        in.AlignToDword();
        EXPECT_EQ(0u, in.Read<DWORD>()); // help id
        EXPECT_EQ(0u, in.Read<DWORD>()); // extended style
        EXPECT_EQ(c.style, in.Read<DWORD>());
        EXPECT_EQ(c.x, in.Read<short>());
        EXPECT_EQ(c.y, in.Read<short>());
        EXPECT_EQ(c.cx, in.Read<short>());
        EXPECT_EQ(c.cy, in.Read<short>());
        EXPECT_EQ(c.id, static_cast<int>(in.Read<DWORD>()));
        EXPECT_EQ(c.className, in.TextOrOrdinal());
        EXPECT_EQ(c.text, in.TextOrOrdinal());
        EXPECT_EQ(0, in.Read<WORD>()); // no creation data
    }
}

// The two small dialogs are classic (not extended) templates.
struct ClassicControl {
    int id;
    const char* className; // "#128" button, "#129" edit, "#130" static
    const char* text;      // "#128": the icon resource 128
    short x, y, cx, cy;
    DWORD style;
};

void ExpectClassicTemplate(const std::vector<unsigned char>& bytes, const char* caption, short cx, short cy,
                           const std::vector<ClassicControl>& controls) {
    ASSERT_FALSE(bytes.empty());
    TemplateReader in(bytes);
    EXPECT_EQ(0x80C800C0u, in.Read<DWORD>()); // style
    EXPECT_EQ(0u, in.Read<DWORD>());          // extended style
    WORD items = in.Read<WORD>();
    EXPECT_EQ(0, in.Read<short>());
    EXPECT_EQ(0, in.Read<short>());
    EXPECT_EQ(cx, in.Read<short>());
    EXPECT_EQ(cy, in.Read<short>());
    EXPECT_EQ("", in.TextOrOrdinal()); // no menu
    EXPECT_EQ("", in.TextOrOrdinal()); // no class
    EXPECT_EQ(caption, in.Text());
    EXPECT_EQ(9, in.Read<WORD>()); // points
    EXPECT_EQ("ＭＳ Ｐゴシック", in.Text());
    ASSERT_EQ(controls.size(), items);
    for (const auto& c : controls) {
        SCOPED_TRACE(testing::Message() << "control " << c.id << " " << c.text);
        in.AlignToDword();
        EXPECT_EQ(c.style, in.Read<DWORD>());
        EXPECT_EQ(0u, in.Read<DWORD>()); // extended style
        EXPECT_EQ(c.x, in.Read<short>());
        EXPECT_EQ(c.y, in.Read<short>());
        EXPECT_EQ(c.cx, in.Read<short>());
        EXPECT_EQ(c.cy, in.Read<short>());
        EXPECT_EQ(c.id, in.Read<short>());
        EXPECT_EQ(c.className, in.TextOrOrdinal());
        EXPECT_EQ(c.text, in.TextOrOrdinal());
        EXPECT_EQ(0, in.Read<WORD>()); // no creation data
    }
}

TEST_F(VarnoResources, InformationAndAboutTemplatesHoldTheirControlsInTabOrder) {
    {
        SCOPED_TRACE("information dialog 129");
        ExpectClassicTemplate(Resource(MAKEINTRESOURCEA(5), 129), "Varno情報ダイアログ", 215, 165,
                              {
                                  {1, "#128", "OK", 158, 144, 50, 14, 0x50010001},
                                  {-1, "#130", "変換情報一覧", 7, 7, 42, 8, 0x50020000},
                                  {1005, "#129", "", 7, 18, 201, 120, 0x50B00804},
                              });
    }
    {
        SCOPED_TRACE("about box 100");
        ExpectClassicTemplate(Resource(MAKEINTRESOURCEA(5), 100), "Varnoのﾊﾞｰｼﾞｮﾝ情報", 250, 45,
                              {
                                  {-1, "#130", "#128", 11, 11, 20, 21, 0x50000003},
                                  {-1, "#130", "汎用ファイルコンバータ：Varno Version 1.0", 40, 10, 150, 8,
                                   0x50020080},
                                  {-1, "#130", "Copyright (C) Varno developers", 40, 25, 179, 8, 0x50020000},
                                  {1, "#128", "OK", 193, 7, 50, 14, 0x50030001},
                              });
    }
}

TEST_F(VarnoResources, StringTableHoldsTheMenuItemAndTheFolderMessages) {
    static const struct {
        UINT id;
        const char* text;
    } strings[] = {
        {101, "Varno のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
        {102, "フォルダ入力エラー"},
        {103, "変換元フォルダが指定されていません"},
        {104, "変換先フォルダが指定されていません"},
        {105, "変換元フォルダが見つかりません"},
        {106, "変換元と変換先が同一ではいけません"},
        {107, "変換先フォルダを作成できません"},
    };
    // Strings live in blocks of 16; ids 96..111 form block 7.
    ASSERT_FALSE(Resource(MAKEINTRESOURCEA(6), 101 / 16 + 1).empty()) << "no Japanese string block";
    for (const auto& s : strings) {
        wchar_t text[256];
        int length = LoadStringW(module, s.id, text, 256);
        EXPECT_EQ(s.text, Utf8(text, length)) << "string " << s.id;
    }
}

TEST_F(VarnoResources, IconHasA32And16PixelImageOf16Colours) {
    std::vector<unsigned char> group = Resource(MAKEINTRESOURCEA(14), 128); // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u + 2 * 14);
    ASSERT_EQ(2, group[4] | group[5] << 8);
    static const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const unsigned char* entry = &group[6 + 14 * i];
        SCOPED_TRACE(testing::Message() << "image " << i);
        EXPECT_EQ(sizes[i], entry[0]); // width
        EXPECT_EQ(sizes[i], entry[1]); // height
        EXPECT_EQ(16, entry[2]);       // colours
        EXPECT_EQ(4, entry[6] | entry[7] << 8); // bits per pixel
        int imageId = entry[12] | entry[13] << 8;
        std::vector<unsigned char> image = Resource(MAKEINTRESOURCEA(3), imageId); // RT_ICON
        ASSERT_GE(image.size(), 40u);
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data(), sizeof header);
        EXPECT_EQ(sizes[i], header.biWidth);
        EXPECT_EQ(4, header.biBitCount);
    }
}

TEST_F(VarnoResources, VersionTellsTheProgramsNumbersAndNames) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(MAKELONG(1, 0), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(1, 0), fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(1, 0), fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VS_FF_PRIVATEBUILD), fixed->dwFileFlags & fixed->dwFileFlagsMask);
    EXPECT_EQ(static_cast<DWORD>(VOS__WINDOWS32), fixed->dwFileOS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);

    static const struct {
        const wchar_t* name;
        const char* text;
    } values[] = {
        {L"FileVersion", "0, 1, 0, 1"},
        {L"ProductVersion", "1.0"},
        {L"ProductName", "汎用ファイルコンバータ Varno"},
        {L"FileDescription", "Varnoｱﾌﾟﾘｹｰｼｮﾝ"},
        {L"InternalName", "Varno"},
        {L"OriginalFilename", "Varno.exe"},
        {L"Comments", "汎用のファイルコンバートツールです。ＤＬＬにより変換ロジックを追加することが可能です。"},
        {L"PrivateBuild", "02010601"},
        {L"SpecialBuild", ""},
    };
    std::vector<wchar_t> wide(size);
    ASSERT_TRUE(GetFileVersionInfoW(std::wstring(path.begin(), path.end()).c_str(), 0, size, wide.data()));
    for (const auto& v : values) {
        std::wstring key = std::wstring(L"\\StringFileInfo\\041104b0\\") + v.name;
        wchar_t* text = nullptr;
        UINT chars = 0;
        ASSERT_TRUE(VerQueryValueW(wide.data(), key.c_str(), reinterpret_cast<void**>(&text), &chars))
            << Utf8(v.name);
        EXPECT_EQ(v.text, Utf8(text)) << Utf8(v.name);
    }
}

} // namespace
