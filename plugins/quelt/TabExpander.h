// The conversion at the heart of QueltDll, free of any platform call: bytes
// of a text file in, its converted bytes out, one buffer at a time.
//
// The source is read as a text stream:
//   - CR immediately followed by LF arrives as one LF, also where the pair
//     straddles two reads; any other CR (also one that ends the file) stays;
//   - the first 0x1A ends the input: neither it nor anything after it counts.
// Every TAB becomes 1 to tabWidth spaces, up to the next multiple of tabWidth
// columns; the column counts bytes since the last LF (a double-byte character
// counts 2, a lone CR counts 1). Every LF is written as CR LF. All other
// bytes, NUL and 0x80..0xFF included, pass unchanged.
//
// The column is taken from output positions: the bytes written since the
// line began. Only its remainder modulo the tab width matters, so whenever
// the output buffer is handed on the count is reduced modulo the tab width:
// tab stops stay exact on a line of any length, and nothing can overflow.
//
// Speed: every special byte is below 0x20, so ordinary bytes are copied four
// at a time, one load, one test and one store for a word without such a
// byte. A tab or a line end is handled without a branch between the two, and
// the tabs that follow it at once (indentation) are taken together.
//
// Memory is two buffers fixed at construction, whatever the size of the file
// or the length of its lines.
#pragma once

#include <cstddef>
#include <memory>

// Where the source bytes come from. Read returns the number of bytes put
// into the buffer (at most capacity), 0 at the end of the input, or a
// negative number when reading failed.
class ByteReader {
public:
    virtual ~ByteReader() = default;
    virtual long Read(char* buffer, std::size_t capacity) = 0;
};

// Where the converted bytes go. Write returns false when not all of them
// could be stored.
class ByteWriter {
public:
    virtual ~ByteWriter() = default;
    virtual bool Write(const char* data, std::size_t size) = 0;
};

enum ExpandResult {
    EXPAND_OK = 0,
    EXPAND_READ_FAILED = -1,  // the output so far has been written
    EXPAND_WRITE_FAILED = -2, // stopped at the first failed write
};

class TabExpander {
public:
    static constexpr std::size_t kDefaultBufferSize = 256 * 1024;

    // A tab width below 1 counts as 1: a tab always yields at least one
    // space. bufferSize is the size of one read (at least 1).
    explicit TabExpander(int tabWidth, std::size_t bufferSize = kDefaultBufferSize);

    // False when the buffers could not be allocated; Run must not be called.
    bool Ready() const { return m_input != nullptr && m_output != nullptr; }

    // Converts the whole input. May be called again for another stream.
    int Run(ByteReader& reader, ByteWriter& writer);

private:
    int MaxBytesPerByte() const;

    int m_tabWidth;
    std::size_t m_inputSize;
    std::size_t m_outputSize;
    std::unique_ptr<char[]> m_input;
    std::unique_ptr<char[]> m_output;
};
