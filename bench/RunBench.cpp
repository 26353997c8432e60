// The conversion run's benchmark program; bench/run-bench.sh drives it.
//
//   RunBench generate <root> <files> <folders>  a source tree of small text files
//   RunBench fake <bin> <source> <dest>         the run with QueltDll ticked, through a
//                                              window stand-in that only records texts
//   RunBench plain <source> <dest>              a plain walk: FindFirstFileA,
//                                              CreateDirectoryA and the conversion core,
//                                              no plug-in, no progress fields
//   RunBench window <bin> <source> <dest>       the real Varno.exe started in <bin>,
//                                              its fields filled and Execute clicked
//
// Each prints "files=N" and "seconds=S", timed inside the process.
#include "ConversionRun.h"
#include "ConvertFile.h"
#include "Stopwatch.h"
#include "CurrentFolder.h"
#include "VarnoProcess.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kPatterns[] = "*.c;*.h;*.txt";

int Report(int files, double seconds) {
    std::printf("files=%d\nseconds=%.6f\n", files, seconds);
    return 0;
}

// Source-like text of 1 to 8 KiB with tabs and LF line ends.
std::string SourceText(unsigned& seed) {
    static const char* lines[] = {"int main(void)\n", "{\n", "\tint count = 0;\n", "\tfor (i = 0; i < n; ++i)\n",
                                  "\t\tcount += table[i];\t/* sum */\n", "\treturn count;\n", "}\n", "\n"};
    seed = seed * 1103515245u + 12345u;
    size_t size = 1024 + (seed >> 8) % (7 * 1024);
    std::string text;
    for (size_t i = 0; text.size() < size; ++i)
        text += lines[(i + seed) % 8];
    text.resize(size);
    return text;
}

bool WriteAll(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// Folders two deep (root\dN\sM), files spread evenly over them and the root.
int Generate(const std::string& root, int files, int folders) {
    CreateDirectoryA(root.c_str(), nullptr);
    std::string paths[512];
    int count = 0;
    paths[count++] = root;
    for (int d = 0; count < folders + 1 && count < 512; ++d) {
        std::string top = root + "\\dir" + std::to_string(d);
        CreateDirectoryA(top.c_str(), nullptr);
        paths[count++] = top;
        for (int s = 0; s < 4 && count < folders + 1 && count < 512; ++s) {
            std::string sub = top + "\\sub" + std::to_string(s);
            CreateDirectoryA(sub.c_str(), nullptr);
            paths[count++] = sub;
        }
    }
    static const char* endings[] = {".c", ".h", ".txt"};
    unsigned seed = 1;
    for (int i = 0; i < files; ++i) {
        std::string path = paths[i % count] + "\\file" + std::to_string(i) + endings[i % 3];
        if (!WriteAll(path, SourceText(seed)))
            return 1;
    }
    return 0;
}

// Stands in for the main window: the tab converter's row ticked, subfolders
// included, the progress texts kept as the window would keep them.
class BenchWindow : public RunWindow {
public:
    explicit BenchWindow(int row) : m_row(row) {}
    HWND OwnerWindow() override { return nullptr; }
    bool IsRowTicked(int row) override { return row == m_row; }
    CString RowPatternText(int) override { return kPatterns; }
    bool IncludeSubfolders() override { return true; }
    void SetFileCountText(const char* text) override { m_count = text; }
    void SetCurrentFileText(const char* text) override { m_current = text; }
    void SetStatusText(const char* text) override { m_status = text; }
    void ShowMessage(unsigned, unsigned) override {}

private:
    int m_row;
    CString m_count, m_current, m_status;
};

int QueltRow(const ConverterTable& table) {
    for (int i = 0; i < table.m_nCount; ++i)
        if (std::string(table.m_pEntries[i].m_strFileName) == "QueltDll.dll")
            return i;
    return -1;
}

int RunWithFake(const char* bin, const char* source, const char* dest) {
    SetCurrentDirectoryA(bin);
    ConverterTable table;
    table.LoadConverters();
    int row = QueltRow(table);
    if (row < 0)
        return std::fprintf(stderr, "no QueltDll.dll in %s\n", bin), 1;
    BenchWindow window(row);
    int fileCount = 0;
    Stopwatch clock;
    ConversionRun(window, table, fileCount).Execute(source, dest);
    return Report(fileCount, clock.Seconds());
}

int PlainWalk(const std::string& source, const std::string& dest) {
    int files = 0;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((source + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0)
            continue;
        std::string from = source + "\\" + data.cFileName;
        std::string to = dest + "\\" + data.cFileName;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CreateDirectoryA(to.c_str(), nullptr);
            files += PlainWalk(from, to);
        } else {
            ConvertFile(from.c_str(), to.c_str(), 4);
            ++files;
        }
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return files;
}

int RunPlain(const char* source, const char* dest) {
    Stopwatch clock;
    CreateDirectoryA(dest, nullptr);
    int files = PlainWalk(source, dest);
    return Report(files, clock.Seconds());
}

int RunThroughWindow(const char* bin, const char* source, const char* dest) {
    VarnoProcess varno(bin);
    if (varno.Main() == nullptr)
        return 1;
    VarnoProcess::SetText(varno.Item(1000), source);
    VarnoProcess::SetText(varno.Item(1002), dest);
    SendMessageA(varno.Item(1009), BM_SETCHECK, BST_CHECKED, 0);
    // Find the tab converter's row by its caption: the first row that has one.
    for (int row = 0; varno.RowCheck(row) != nullptr; ++row) {
        if (VarnoProcess::Text(varno.RowCheck(row)).empty())
            continue;
        SendMessageA(varno.RowCheck(row), BM_SETCHECK, BST_CHECKED, 0);
        VarnoProcess::SetText(VarnoProcess::EditOf(varno.RowCombo(row)), kPatterns);
        break;
    }
    // A sent click returns when the handler, and with it the run, has ended.
    Stopwatch clock;
    SendMessageA(varno.Item(1006), BM_CLICK, 0, 0);
    double seconds = clock.Seconds();
    int files = std::atoi(VarnoProcess::Text(varno.Item(1011)).c_str());
    return Report(files, seconds);
}

int Usage() {
    std::fprintf(stderr, "usage: RunBench generate|fake|plain|window ...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    std::string mode = argv[1];
    if (mode == "generate" && argc == 5)
        return Generate(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (mode == "fake" && argc == 5)
        return RunWithFake(argv[2], argv[3], argv[4]);
    if (mode == "plain" && argc == 4)
        return RunPlain(argv[2], argv[3]);
    if (mode == "window" && argc == 5)
        return RunThroughWindow(argv[2], argv[3], argv[4]);
    return Usage();
}
