#include "TabExpander.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kMaxBufferSize = 64 * 1024 * 1024;

// The widest tab that the fast path writes with one store.
constexpr int kShortTab = 8;
const char kLineEnd[kShortTab + 1] = "\r\n      ";
// Spaces for one short tab, or for the up to three that may follow it.
const char kSpaces[3 * kShortTab + 1] = "                        ";

// Bytes that the loop may store beyond what it keeps (whole words, whole
// runs of spaces).
constexpr std::size_t kSlack = sizeof kSpaces;

// Word tricks that need to know where the first byte of a word lies.
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define QUELT_LITTLE_ENDIAN_WORDS 1
#else
#define QUELT_LITTLE_ENDIAN_WORDS 0
#endif

// Every special byte is below 0x20, so a word without such a byte is copied
// whole. The flags mark each byte below 0x20; above the lowest marked byte a
// borrow can mark more, but the lowest one is always exact.
inline std::uint32_t ControlByteFlags(std::uint32_t word) {
    return (word - 0x20202020u) & ~word & 0x80808080u;
}

// How many ordinary bytes lead a word with a flagged byte. Where the byte
// order is not known to be little-endian this says 0, and the caller looks
// at the bytes one by one.
inline unsigned LeadingOrdinaryBytes(std::uint32_t flags) {
#if QUELT_LITTLE_ENDIAN_WORDS
    return static_cast<unsigned>(__builtin_ctz(flags)) / 8;
#else
    (void)flags;
    return 0;
#endif
}

// The byte at `offset` of a word loaded from `at`; taken from the register
// where the byte order allows.
inline unsigned char ByteOfWord(std::uint32_t word, const unsigned char* at, unsigned offset) {
#if QUELT_LITTLE_ENDIAN_WORDS
    (void)at;
    return static_cast<unsigned char>(word >> (8 * offset));
#else
    (void)word;
    return at[offset];
#endif
}

// How many tabs lead a word, at most three (0 where the byte order is not
// known to be little-endian). The flags mark each byte other than TAB,
// exactly: no carry crosses a byte.
inline unsigned LeadingTabs(std::uint32_t word) {
#if QUELT_LITTLE_ENDIAN_WORDS
    std::uint32_t x = word ^ 0x09090909u;
    std::uint32_t notTab = (((x & 0x7F7F7F7Fu) + 0x7F7F7F7Fu) | x) & 0x80808080u;
    return static_cast<unsigned>(__builtin_ctz(notTab | 0x80000000u)) / 8;
#else
    (void)word;
    return 0;
#endif
}

std::unique_ptr<char[]> AllocateBytes(std::size_t size) {
    return std::unique_ptr<char[]>(new (std::nothrow) char[size]);
}

// The output side of one run: the buffer, and where the current line began,
// as an offset from the buffer's start that becomes 0 or negative once the
// line's start has been handed to the writer.
class Output {
public:
    Output(char* begin, std::size_t usable, int tabWidth, ByteWriter& writer)
        : m_begin(begin), m_end(begin + usable), m_tabWidth(tabWidth), m_writer(writer) {}

    // Hands the buffered bytes on. Of a line that began before them only
    // the column modulo the tab width is kept, so no count can grow without
    // bound.
    bool Flush(char*& out) {
        std::ptrdiff_t size = out - m_begin;
        out = m_begin;
        if (size == 0)
            return true;
        m_lineStart -= size;
        if (m_lineStart < 0)
            m_lineStart = -(-m_lineStart % m_tabWidth);
        return m_writer.Write(m_begin, static_cast<std::size_t>(size));
    }

    // Flushes unless `needed` bytes fit in the room left.
    bool MakeRoom(char*& out, std::size_t needed) {
        return static_cast<std::size_t>(m_end - out) >= needed || Flush(out);
    }

    std::ptrdiff_t Column(const char* out) const { return (out - m_begin) - m_lineStart; }
    void StartLine(const char* out) { m_lineStart = out - m_begin; }
    void StartLineIf(bool lineEnd, const char* out) { m_lineStart = lineEnd ? out - m_begin : m_lineStart; }

    // Spaces up to the next tab stop for a tab wider than kShortTab,
    // flushing as often as needed.
    bool WriteWideTab(char*& out) {
        std::ptrdiff_t spaces = m_tabWidth - Column(out) % m_tabWidth;
        while (spaces > 0) {
            if (out == m_end && !Flush(out))
                return false;
            std::ptrdiff_t room = m_end - out;
            std::ptrdiff_t count = spaces < room ? spaces : room;
            std::memset(out, ' ', static_cast<std::size_t>(count));
            out += count;
            spaces -= count;
        }
        return true;
    }

    char* Begin() const { return m_begin; }

private:
    char* const m_begin;
    char* const m_end; // kSlack bytes before the end of the allocation
    const int m_tabWidth;
    ByteWriter& m_writer;
    std::ptrdiff_t m_lineStart = 0;
};

} // namespace

TabExpander::TabExpander(int tabWidth, std::size_t bufferSize)
    : m_tabWidth(tabWidth < 1 ? 1 : tabWidth), m_inputSize(bufferSize < 1                ? 1
                                                           : bufferSize > kMaxBufferSize ? kMaxBufferSize
                                                                                         : bufferSize),
      // One read and the CR carried over from the one before, every byte
      // expanded as far as it can be without a look at the room left.
      m_outputSize(static_cast<std::size_t>(MaxBytesPerByte()) * (m_inputSize + 1) + kSlack),
      // One byte more than a read: a CR that ended the previous read is put
      // back in front of the next one, so that a CR LF pair is always seen
      // whole.
      m_input(AllocateBytes(m_inputSize + 1)), m_output(AllocateBytes(m_outputSize)) {}

int TabExpander::MaxBytesPerByte() const {
    // LF makes two bytes; a tab up to kShortTab without a check (a wider one
    // checks the room itself).
    int tab = m_tabWidth < kShortTab ? m_tabWidth : kShortTab;
    return tab > 2 ? tab : 2;
}

int TabExpander::Run(ByteReader& reader, ByteWriter& writer) {
    const int tabWidth = m_tabWidth;
    const bool shortTab = tabWidth <= kShortTab;
    // For a power of two the remainder is a mask.
    const std::ptrdiff_t tabMask = (tabWidth & (tabWidth - 1)) == 0 ? tabWidth - 1 : -1;
    const std::size_t perByte = static_cast<std::size_t>(MaxBytesPerByte());

    unsigned char* const inputBegin = reinterpret_cast<unsigned char*>(m_input.get());
    Output output(m_output.get(), m_outputSize - kSlack, tabWidth, writer);
    char* out = output.Begin();
    bool carriedCr = false; // the last byte read was a CR whose successor is not known yet

    for (;;) {
        unsigned char* in = inputBegin;
        if (carriedCr)
            *in = '\r';
        long got = reader.Read(reinterpret_cast<char*>(inputBegin + carriedCr), m_inputSize);
        if (got <= 0 || static_cast<unsigned long>(got) > m_inputSize) {
            // The end of the input, or a failed read: a carried CR had no LF after it.
            if (carriedCr) {
                if (!output.MakeRoom(out, 1))
                    return EXPAND_WRITE_FAILED;
                *out++ = '\r';
            }
            if (!output.Flush(out))
                return EXPAND_WRITE_FAILED;
            return got == 0 ? EXPAND_OK : EXPAND_READ_FAILED;
        }
        const unsigned char* const inEnd = inputBegin + carriedCr + got;
        carriedCr = false;
        // From here on every byte of this read fits without another check.
        if (!output.MakeRoom(out, perByte * static_cast<std::size_t>(inEnd - in)))
            return EXPAND_WRITE_FAILED;

        while (in < inEnd) {
            // Ordinary bytes four at a time, up to the next byte below 0x20.
            unsigned char byte = 0;
            bool found = false;
            while (inEnd - in >= 4) {
                std::uint32_t word;
                std::memcpy(&word, in, 4);
                std::memcpy(out, &word, 4);
                std::uint32_t flags = ControlByteFlags(word);
                if (flags != 0) {
                    unsigned lead = LeadingOrdinaryBytes(flags);
                    byte = ByteOfWord(word, in, lead);
                    in += lead + 1;
                    out += lead;
                    found = true;
                    break;
                }
                in += 4;
                out += 4;
            }
            if (!found) {
                if (in == inEnd)
                    break;
                byte = *in++;
            }

            if (byte == '\r') {
                if (in == inEnd) {
                    carriedCr = true;
                    break;
                }
                if (*in != '\n') {
                    *out++ = '\r';
                    continue;
                }
                ++in; // CR LF reads as LF
                byte = '\n';
            }
            if ((byte == '\t' || byte == '\n') && shortTab) {
                // A tab or a line end, told apart without a branch: which of
                // the two follows the other is hard to predict. Both store
                // eight bytes; a tab keeps its spaces, LF its CR LF.
                bool lineEnd = byte == '\n';
                std::ptrdiff_t column = output.Column(out);
                std::ptrdiff_t remainder = tabMask >= 0 ? column & tabMask : column % tabWidth;
                std::memcpy(out, lineEnd ? kLineEnd : kSpaces, kShortTab);
                out += lineEnd ? 2 : tabWidth - remainder;
                output.StartLineIf(lineEnd, out);
                // Now the column is a tab stop, so each tab that follows at
                // once (indentation, mostly) is a whole tab of spaces.
                if (inEnd - in >= 4) {
                    std::uint32_t word;
                    std::memcpy(&word, in, 4);
                    unsigned tabs = LeadingTabs(word);
                    std::memcpy(out, kSpaces, sizeof kSpaces);
                    in += tabs;
                    out += tabs * static_cast<unsigned>(tabWidth);
                }
                continue;
            }
            switch (byte) {
            case 0x1A: // the end of the text
                return output.Flush(out) ? EXPAND_OK : EXPAND_WRITE_FAILED;
            case '\t': // wider than a short tab
                if (!output.WriteWideTab(out) ||
                    !output.MakeRoom(out, perByte * static_cast<std::size_t>(inEnd - in)))
                    return EXPAND_WRITE_FAILED;
                break;
            case '\n': // beside wide tabs
                std::memcpy(out, "\r\n", 2);
                out += 2;
                output.StartLine(out);
                break;
            default:
                *out++ = static_cast<char>(byte);
                break;
            }
        }
    }
}
