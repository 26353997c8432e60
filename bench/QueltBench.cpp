// The program half of QueltDll's benchmark (quelt-bench.sh is the other):
// makes the test files, converts through the real QueltDll.dll and copies a
// file plainly, timing each inside the process.
//
//   QueltBench generate FILE MIB        source-like text: tabs, LF line ends
//   QueltBench generate-line FILE MIB   the same words as one line, no LF
//   QueltBench convert DLL SOURCE DEST  QueltConv (ordinal 2) of the DLL at DLL
//   QueltBench copy SOURCE DEST         ReadFile/WriteFile in 64 KiB blocks
//
// convert and copy print key=value lines: bytes (of the source), seconds,
// result, and for convert the peak working set of the process before and
// after the conversion.
#include "EntryPoint.h"
#include "FileHandle.h"
#include "PluginInterface.h"

#include "Stopwatch.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

const DWORD kCopyBlock = 64 * 1024;

class Library {
public:
    explicit Library(const char* path) : m_module(LoadLibraryA(path)) {}
    ~Library() {
        if (m_module != nullptr)
            FreeLibrary(m_module);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    HMODULE Get() const { return m_module; }

private:
    HMODULE m_module;
};

SIZE_T PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return counters.PeakWorkingSetSize;
}

long long FileSize(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool WriteAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// A small deterministic generator, so every run converts the same text.
class Random {
public:
    unsigned Next(unsigned bound) {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 16) % bound;
    }

private:
    unsigned m_state = 20240601u;
};

// Lines such as a C source has: indented by tabs, a comment set off by a tab
// now and then, an empty line now and then. About 34 bytes and 1.3 tabs a
// line (the C headers of a Debian system: 36 bytes and 0.7 tabs).
std::vector<std::string> SourceLines() {
    std::vector<std::string> words;
    {
        std::istringstream list(
            "int count = 0; return value; if (index < length) { } buffer[index] += step; while "
            "for const char* name, size_t length); else entry->next; struct node* result "
            "sizeof(*entry)); unsigned long flags &= ~MASK; static void process_item( &state, "
            "NULL) == error_code;");
        for (std::string word; list >> word;)
            words.push_back(word);
    }
    // Tabs of indentation: 0 to 4, fewer more often.
    static const unsigned indentOf[20] = {0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 4};
    Random random;
    std::vector<std::string> lines;
    for (int i = 0; i < 4096; ++i) {
        std::string line;
        unsigned kind = random.Next(20);
        if (kind != 0) {
            line.append(indentOf[random.Next(20)], '\t');
            unsigned count = 2 + random.Next(7);
            for (unsigned w = 0; w < count; ++w) {
                if (w > 0)
                    line += ' ';
                line += words[random.Next(static_cast<unsigned>(words.size()))];
            }
            if (kind < 3)
                line += "\t/* see above */";
            else if (kind == 3)
                line += "\t\t// aligned note";
        }
        line += '\n';
        lines.push_back(line);
    }
    return lines;
}

int Generate(const char* path, long long mebibytes, bool oneLine) {
    FileHandle file(
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        std::fprintf(stderr, "cannot create %s\n", path);
        return 1;
    }
    std::vector<std::string> lines = SourceLines();
    if (oneLine)
        for (std::string& line : lines)
            line.back() = '\t';
    const long long total = mebibytes * 1024 * 1024;
    std::string block;
    Random random;
    long long written = 0;
    while (written < total) {
        block.clear();
        while (block.size() < 1024 * 1024)
            block += lines[random.Next(static_cast<unsigned>(lines.size()))];
        size_t size = block.size();
        if (written + static_cast<long long>(size) > total)
            size = static_cast<size_t>(total - written);
        if (!WriteAll(file.Get(), block.data(), size)) {
            std::fprintf(stderr, "cannot write %s\n", path);
            return 1;
        }
        written += static_cast<long long>(size);
    }
    return file.Close() ? 0 : 1;
}

int Convert(const char* dllPath, const char* source, const char* destination) {
    Library library(dllPath);
    ConvProc conv = EntryPoint<ConvProc>(library.Get(), PLUGIN_ORDINAL_CONV);
    if (conv == nullptr) {
        std::fprintf(stderr, "no QueltConv in %s\n", dllPath);
        return 1;
    }
    std::string sourceBuffer(source), destinationBuffer(destination);
    sourceBuffer.resize(sourceBuffer.size() + MAX_PATH + 1);
    destinationBuffer.resize(destinationBuffer.size() + MAX_PATH + 1);
    SIZE_T peakBefore = PeakWorkingSet();

    Stopwatch stopwatch;
    int result = conv(nullptr, &sourceBuffer[0], &destinationBuffer[0], 0);
    double seconds = stopwatch.Seconds();

    std::printf("bytes=%lld\nseconds=%.6f\nresult=%d\n", FileSize(source), seconds, result);
    std::printf("peak_working_set_before=%lu\npeak_working_set=%lu\n", static_cast<unsigned long>(peakBefore),
                static_cast<unsigned long>(PeakWorkingSet()));
    return result == 0 ? 0 : 1;
}

int Copy(const char* source, const char* destination) {
    Stopwatch stopwatch;
    FileHandle in(CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    FileHandle out(
        CreateFileA(destination, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!in.IsOpen() || !out.IsOpen()) {
        std::fprintf(stderr, "cannot open %s or %s\n", source, destination);
        return 1;
    }
    std::vector<char> block(kCopyBlock);
    long long copied = 0;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in.Get(), block.data(), kCopyBlock, &got, nullptr))
            return 1;
        if (got == 0)
            break;
        if (!WriteAll(out.Get(), block.data(), got))
            return 1;
        copied += got;
    }
    bool closed = out.Close();
    double seconds = stopwatch.Seconds();
    std::printf("bytes=%lld\nseconds=%.6f\nresult=%d\n", copied, seconds, closed ? 0 : 1);
    return closed ? 0 : 1;
}

int Usage() {
    std::fprintf(stderr, "usage: QueltBench generate|generate-line FILE MIB\n"
                         "       QueltBench convert DLL SOURCE DEST\n"
                         "       QueltBench copy SOURCE DEST\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    std::string mode = argv[1];
    if ((mode == "generate" || mode == "generate-line") && argc == 4)
        return Generate(argv[2], std::atoll(argv[3]), mode == "generate-line");
    if (mode == "convert" && argc == 5)
        return Convert(argv[2], argv[3], argv[4]);
    if (mode == "copy" && argc == 4)
        return Copy(argv[2], argv[3]);
    return Usage();
}
