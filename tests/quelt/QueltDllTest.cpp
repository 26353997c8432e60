#include "ConversionCases.h"
#include "QueltLibrary.h"
#include "TabExpander.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// A UTF-8 text of this source file in code page 932, as Windows converts it.
std::string Cp932(const char* utf8) {
    int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], wideLength);
    int length = WideCharToMultiByte(932, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(932, 0, wide.c_str(), -1, &bytes[0], length, nullptr, nullptr);
    bytes.pop_back(); // the NUL
    return bytes;
}

class QueltDllTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(nullptr, quelt.Module()); }
    QueltLibrary quelt;
    ScratchFolder folder;
};

TEST_F(QueltDllTest, ExportsItsEntryPointsByOrdinalAndName) {
    static const struct {
        int ordinal;
        const char* name;
    } exports[] = {{1, "QueltDllInfo"}, {2, "QueltConv"}, {3, "QueltInit"}, {4, "QueltFinalize"}};
    for (const auto& e : exports) {
        EXPECT_NE(nullptr, quelt.Ordinal(e.ordinal)) << e.name;
        EXPECT_EQ(quelt.Ordinal(e.ordinal), reinterpret_cast<void*>(GetProcAddress(quelt.Module(), e.name)))
            << e.name;
    }
    EXPECT_EQ(nullptr, quelt.Ordinal(5));
    EXPECT_EQ(quelt.Ordinal(3), quelt.Ordinal(4)) << "Init and Finalize are one function";
    EXPECT_EQ("QUELTDLL.dll", quelt.ExportDirectoryName());
}

TEST_F(QueltDllTest, DllInfoWritesExactlyTheNameAndDescriptionBlocks) {
    const char kSentinel = '\xEE'; // in neither text
    std::vector<char> name(PLUGIN_NAME_SIZE, kSentinel);
    std::vector<char> description(PLUGIN_DESC_SIZE, kSentinel);
    EXPECT_EQ(0, quelt.DllInfo()(name.data(), description.data()));

    std::string expectedName = Cp932("タブをスペースに変換する");
    std::string expectedDescription =
        Cp932("このＤＬＬではタブをスペースに変換します。（タブ幅４固定）\r\n"
              "Varno用のサンプルＤＬＬです。大して役に立つもんじゃぁありません。");
    ASSERT_EQ(24u, expectedName.size());
    ASSERT_EQ(125u, expectedDescription.size());
    expectedName.push_back('\0');
    expectedDescription.push_back('\0');

    EXPECT_EQ(expectedName, std::string(name.data(), 25));
    EXPECT_EQ(expectedDescription, std::string(description.data(), 126));
    EXPECT_EQ(std::string(PLUGIN_NAME_SIZE - 25, kSentinel), std::string(name.data() + 25, name.size() - 25));
    EXPECT_EQ(std::string(PLUGIN_DESC_SIZE - 126, kSentinel),
              std::string(description.data() + 126, description.size() - 126));
}

TEST_F(QueltDllTest, InitAndFinalizeReturnZeroWhateverTheyAreGiven) {
    HWND anyWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    EXPECT_EQ(0, quelt.Init()(nullptr));
    EXPECT_EQ(0, quelt.Init()(anyWindow));
    EXPECT_EQ(0, quelt.Finalize()(anyWindow, 7));
    EXPECT_EQ(0, quelt.Finalize()(nullptr, -1));
}

TEST_F(QueltDllTest, VersionResource) {
    std::string path = QueltLibrary::Path();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_NE(0u, size);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);
    EXPECT_EQ(0x3Fu, fixed->dwFileFlagsMask);
    EXPECT_EQ(0x8u, fixed->dwFileFlags);
    EXPECT_EQ(0x40004u, fixed->dwFileOS);
    EXPECT_EQ(2u, fixed->dwFileType);
    EXPECT_EQ(0u, fixed->dwFileSubtype);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0411, translation[0]);
    EXPECT_EQ(1200, translation[1]);

    // The block is Unicode; VerQueryValueA hands out its texts in code page 932.
    const struct {
        const char* key;
        std::string value;
    } strings[] = {
        {"Comments", Cp932("Varno用サンプルDLLファイル")},
        {"FileDescription", "QueltDll"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "QueltDll"},
        {"OriginalFilename", "QueltDll.dll"},
        {"PrivateBuild", "02010601"},
        {"ProductName", "QueltDll DLL sample for Varno"},
        {"ProductVersion", "1.0"},
        {"SpecialBuild", ""},
    };
    for (const auto& s : strings) {
        std::string query = std::string("\\StringFileInfo\\041104b0\\") + s.key;
        char* value = nullptr;
        ASSERT_TRUE(VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << s.key;
        EXPECT_EQ(s.value, std::string(value)) << s.key;
    }
}

TEST_F(QueltDllTest, ConvertsEveryCaseReplacingTheOldDestination) {
    for (const ConversionCase& c : kConversionCases) {
        WriteFileBytes(folder / "source.txt", c.source);
        WriteFileBytes(folder / "destination.txt", "old contents, longer than any converted case\r\n");
        EXPECT_EQ(0, quelt.Convert(folder / "source.txt", folder / "destination.txt")) << c.name;
        EXPECT_EQ(c.expected, ReadFileBytes(folder / "destination.txt")) << c.name;
        EXPECT_EQ(c.source, ReadFileBytes(folder / "source.txt")) << c.name;
    }
}

TEST_F(QueltDllTest, SeesCrLfAndTabsWholeAcrossItsReadBuffer) {
    // The file's bytes up to just before the boundary of the first read.
    const std::string lead(TabExpander::kDefaultBufferSize - 1, 'x');
    const std::string convertedLead = lead;
    static const struct {
        const char* name;
        std::string tail; // starts at the last byte of the first read
        std::string expected;
    } cases[] = {
        {"CR LF straddles", "\r\n\tz", "\r\n    z"},
        {"CR then 0x1A",
         "\r\x1A"
         "abc",
         "\r"},
        {"CR then tab", "\r\tz", "\r    z"}, // after the CR: column 2^18, a tab stop
        {"CR ends the file", "\r", "\r"},
        {"LF ends the first read", "\n\n", "\r\n\r\n"},
        {"tab ends the first read", "\t", " "}, // at column 2^18 - 1
    };
    for (const auto& c : cases) {
        WriteFileBytes(folder / "source.txt", lead + c.tail);
        EXPECT_EQ(0, quelt.Convert(folder / "source.txt", folder / "destination.txt")) << c.name;
        std::string converted = ReadFileBytes(folder / "destination.txt");
        ASSERT_EQ(convertedLead.size() + c.expected.size(), converted.size()) << c.name;
        EXPECT_TRUE(converted.compare(0, convertedLead.size(), convertedLead) == 0) << c.name;
        EXPECT_EQ(c.expected, converted.substr(convertedLead.size())) << c.name;
    }
}

TEST_F(QueltDllTest, JapaneseFileNames) {
    std::string source = folder / Cp932("タブ入り.txt");
    std::string destination = folder / Cp932("変換済み.txt");
    WriteFileBytes(source, "\x83\x5E\tx\n");
    ASSERT_TRUE(FileExists(source));
    EXPECT_EQ(0, quelt.Convert(source, destination));
    EXPECT_EQ("\x83\x5E  x\r\n", ReadFileBytes(destination));
}

TEST_F(QueltDllTest, LeavesThePathBuffersAlone) {
    WriteFileBytes(folder / "a.txt", "\t");
    std::string source = folder / "a.txt";
    std::string destination = folder / "b.txt";
    std::vector<char> sourceBuffer(source.begin(), source.end());
    std::vector<char> destinationBuffer(destination.begin(), destination.end());
    sourceBuffer.resize(MAX_PATH + 1 + source.size(), '\0');
    destinationBuffer.resize(MAX_PATH + 1 + destination.size(), '\0');
    std::vector<char> sourceBefore = sourceBuffer, destinationBefore = destinationBuffer;
    EXPECT_EQ(0, quelt.Conv()(nullptr, sourceBuffer.data(), destinationBuffer.data(), 0));
    EXPECT_EQ(sourceBefore, sourceBuffer);
    EXPECT_EQ(destinationBefore, destinationBuffer);
}

// A second opener that itself reads and writes and shares both ways: Conv
// must not deny it, nor be denied by it.
HANDLE OpenSharedForReadWrite(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(QueltDllTest, OpensBothFilesWithoutDenyingOthersAndClosesThem) {
    WriteFileBytes(folder / "source.txt", "a\tb\n");
    WriteFileBytes(folder / "destination.txt", "old");
    HANDLE source = OpenSharedForReadWrite(folder / "source.txt");
    HANDLE destination = OpenSharedForReadWrite(folder / "destination.txt");
    ASSERT_NE(INVALID_HANDLE_VALUE, source);
    ASSERT_NE(INVALID_HANDLE_VALUE, destination);
    EXPECT_EQ(0, quelt.Convert(folder / "source.txt", folder / "destination.txt"));
    CloseHandle(source);
    CloseHandle(destination);
    EXPECT_EQ("a   b\r\n", ReadFileBytes(folder / "destination.txt"));

    // Nothing stays open after the call: exclusive opens succeed.
    for (const char* name : {"source.txt", "destination.txt"}) {
        HANDLE exclusive = CreateFileA((folder / name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, exclusive) << name;
        if (exclusive != INVALID_HANDLE_VALUE)
            CloseHandle(exclusive);
    }
}

const char kOldDestination[] = "old destination\r\n";
const char kSource[] = "source\twith tab\n";

TEST_F(QueltDllTest, RefusalsLeaveAnExistingDestinationAsItWas) {
    CreateDirectoryA((folder / "sub").c_str(), nullptr);
    CreateDirectoryA((folder / "folder.txt").c_str(), nullptr);
    WriteFileBytes(folder / "source.txt", kSource);
    WriteFileBytes(folder / "readonly.txt", kOldDestination);
    SetFileAttributesA((folder / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(CreateHardLinkA((folder / "link.txt").c_str(), (folder / "source.txt").c_str(), nullptr));

    static const struct {
        const char* name;
        const char* source;
        const char* destination;
        int expected;
        const char* keptFile; // a file that must keep its bytes, or null
        const char* keptBytes;
    } cases[] = {
        {"missing source", "missing.txt", "existing.txt", -1, "existing.txt", kOldDestination},
        {"source is a folder", "sub", "existing.txt", -1, "existing.txt", kOldDestination},
        {"empty source path", "", "existing.txt", -1, "existing.txt", kOldDestination},
        {"destination is read-only", "source.txt", "readonly.txt", -2, "readonly.txt", kOldDestination},
        {"destination is a folder", "source.txt", "folder.txt", -2, nullptr, nullptr},
        {"destination folder is missing", "source.txt", "nowhere\\x.txt", -2, nullptr, nullptr},
        {"same path", "source.txt", "source.txt", -3, "source.txt", kSource},
        {"same file spelt otherwise", "source.txt", "sub\\..\\.\\SOURCE.TXT", -3, "source.txt", kSource},
        {"hard link to the source", "source.txt", "link.txt", -3, "link.txt", kSource},
    };
    for (const auto& c : cases) {
        WriteFileBytes(folder / "existing.txt", kOldDestination);
        std::string source = *c.source ? folder / c.source : std::string();
        EXPECT_EQ(c.expected, quelt.Convert(source, folder / c.destination)) << c.name;
        if (c.keptFile) {
            EXPECT_EQ(c.keptBytes, ReadFileBytes(folder / c.keptFile)) << c.name;
        }
        EXPECT_EQ(kSource, ReadFileBytes(folder / "source.txt")) << c.name;
    }
    EXPECT_FALSE(FolderExists(folder / "nowhere"));
}

TEST_F(QueltDllTest, MissingSourceCreatesNoDestination) {
    EXPECT_EQ(-1, quelt.Convert(folder / "missing.txt", folder / "destination.txt"));
    EXPECT_FALSE(FileExists(folder / "destination.txt"));
}

TEST_F(QueltDllTest, NullPathsAreRefused) {
    WriteFileBytes(folder / "source.txt", kSource);
    std::string destination = folder / "destination.txt";
    std::vector<char> destinationBuffer(destination.begin(), destination.end());
    destinationBuffer.push_back('\0');
    std::string source = folder / "source.txt";
    std::vector<char> sourceBuffer(source.begin(), source.end());
    sourceBuffer.push_back('\0');
    EXPECT_EQ(-1, quelt.Conv()(nullptr, nullptr, destinationBuffer.data(), 0));
    EXPECT_EQ(-2, quelt.Conv()(nullptr, sourceBuffer.data(), nullptr, 0));
    EXPECT_FALSE(FileExists(destination));
}

// Failures of reading and writing midway come from the platform. Under
// Wine, Z:\ is the Linux root: reading /proc/self/mem at offset 0 fails, and
// every write to /dev/full fails for want of space.
bool UnderWineOnLinux() {
    return GetFileAttributesA("Z:\\proc\\self\\mem") != INVALID_FILE_ATTRIBUTES;
}

TEST_F(QueltDllTest, ReadErrorIsReported) {
    const char* unreadable = "Z:\\proc\\self\\mem";
    if (!UnderWineOnLinux())
        GTEST_SKIP() << "needs Wine on Linux";
    WriteFileBytes(folder / "destination.txt", kOldDestination);
    EXPECT_EQ(-4, quelt.Convert(unreadable, folder / "destination.txt"));
    EXPECT_EQ("", ReadFileBytes(folder / "destination.txt")); // it holds what was converted: nothing
}

TEST_F(QueltDllTest, WriteErrorIsReported) {
    const char* full = "Z:\\dev\\full";
    if (!UnderWineOnLinux())
        GTEST_SKIP() << "needs Wine on Linux";
    WriteFileBytes(folder / "source.txt", kSource);
    EXPECT_EQ(-5, quelt.Convert(folder / "source.txt", full));
    EXPECT_EQ(kSource, ReadFileBytes(folder / "source.txt"));
}

} // namespace
