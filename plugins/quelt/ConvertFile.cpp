#include "ConvertFile.h"

#include "FileFacts.h"
#include "FileHandle.h"
#include "TabExpander.h"

#include <windows.h>

namespace {

// Neither file denies other readers or writers while it is open.
const DWORD kDenyNone = FILE_SHARE_READ | FILE_SHARE_WRITE;

class FileReader : public ByteReader {
public:
    explicit FileReader(HANDLE file) : m_file(file) {}
    long Read(char* buffer, std::size_t capacity) override {
        DWORD got = 0;
        if (!ReadFile(m_file, buffer, static_cast<DWORD>(capacity), &got, nullptr))
            return -1;
        return static_cast<long>(got);
    }

private:
    HANDLE m_file;
};

class FileWriter : public ByteWriter {
public:
    explicit FileWriter(HANDLE file) : m_file(file) {}
    bool Write(const char* data, std::size_t size) override {
        while (size > 0) {
            DWORD written = 0;
            if (!WriteFile(m_file, data, static_cast<DWORD>(size), &written, nullptr) || written == 0)
                return false;
            data += written;
            size -= written;
        }
        return true;
    }

private:
    HANDLE m_file;
};

} // namespace

int ConvertFile(const char* sourcePath, const char* destinationPath, int tabWidth) {
    TabExpander expander(tabWidth);
    if (!expander.Ready())
        return CONVERT_NO_MEMORY;

    // Only a file that can be identified is read: the check against the
    // destination below depends on it.
    if (sourcePath == nullptr)
        return CONVERT_SOURCE_NOT_OPENED;
    FileHandle source(CreateFileA(sourcePath, GENERIC_READ, kDenyNone, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    FileFacts sourceFacts;
    if (!source.IsOpen() || !ReadFileFacts(source.Get(), &sourceFacts) ||
        (sourceFacts.attributes & FILE_ATTRIBUTE_DIRECTORY))
        return CONVERT_SOURCE_NOT_OPENED;

    // The destination is opened without truncating it: its old contents go
    // only once it is known to be another file than the source. Reading its
    // identity needs FILE_READ_ATTRIBUTES, which GENERIC_WRITE lacks.
    if (destinationPath == nullptr)
        return CONVERT_DESTINATION_NOT_OPENED;
    FileHandle destination(CreateFileA(destinationPath, GENERIC_WRITE | FILE_READ_ATTRIBUTES, kDenyNone,
                                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!destination.IsOpen())
        return CONVERT_DESTINATION_NOT_OPENED;
    // A device (NUL, say) has no identity to read and nothing to truncate;
    // it cannot be the source file either.
    FileFacts destinationFacts;
    if (ReadFileFacts(destination.Get(), &destinationFacts)) {
        if (IsSameFile(source.Get(), sourceFacts, destination.Get(), destinationFacts))
            return CONVERT_SAME_FILE;
        // Wine running as root opens a read-only file for writing all the same.
        if (destinationFacts.attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
            return CONVERT_DESTINATION_NOT_OPENED;
        if (!destinationFacts.empty && !SetEndOfFile(destination.Get()))
            return CONVERT_DESTINATION_NOT_OPENED;
    }

    FileReader reader(source.Get());
    FileWriter writer(destination.Get());
    int expanded = expander.Run(reader, writer);
    source.Close();
    bool closed = destination.Close();
    if (expanded == EXPAND_WRITE_FAILED || !closed)
        return CONVERT_WRITE_FAILED;
    if (expanded == EXPAND_READ_FAILED)
        return CONVERT_READ_FAILED;
    return CONVERT_OK;
}
