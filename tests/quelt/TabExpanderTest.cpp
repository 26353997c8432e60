#include "ConversionCases.h"
#include "TabExpander.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Hands out a string, at most `capacity` bytes per read; can fail after a
// number of bytes instead of reaching the end.
class StringReader : public ByteReader {
public:
    explicit StringReader(std::string bytes, std::size_t failAfter = std::string::npos)
        : m_bytes(std::move(bytes)), m_failAfter(failAfter) {}
    long Read(char* buffer, std::size_t capacity) override {
        ++m_reads;
        std::size_t limit = m_failAfter < m_bytes.size() ? m_failAfter : m_bytes.size();
        if (m_position == limit) {
            std::memset(buffer, '#', capacity);
            return m_position == m_bytes.size() ? 0 : -1;
        }
        std::size_t count = limit - m_position < capacity ? limit - m_position : capacity;
        // Poison behind what is handed out shows any use of stale bytes.
        std::memset(buffer, '#', capacity);
        std::memcpy(buffer, m_bytes.data() + m_position, count);
        m_position += count;
        return static_cast<long>(count);
    }
    int Reads() const { return m_reads; }

private:
    std::string m_bytes;
    std::size_t m_failAfter;
    std::size_t m_position = 0;
    int m_reads = 0;
};

class StringWriter : public ByteWriter {
public:
    explicit StringWriter(int failingWrite = -1) : m_failingWrite(failingWrite) {}
    bool Write(const char* data, std::size_t size) override {
        if (m_writes++ == m_failingWrite)
            return false;
        m_bytes.append(data, size);
        return true;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    int m_failingWrite;
    int m_writes = 0;
    std::string m_bytes;
};

std::string Expand(const std::string& source, std::size_t bufferSize, int tabWidth = 4) {
    TabExpander expander(tabWidth, bufferSize);
    EXPECT_TRUE(expander.Ready());
    StringReader reader(source);
    StringWriter writer;
    EXPECT_EQ(EXPAND_OK, expander.Run(reader, writer));
    return writer.Bytes();
}

// Tiny buffers put every CR LF pair, every tab and every flush of the output
// across a buffer boundary somewhere.
const std::size_t kBufferSizes[] = {1, 2, 3, 5, TabExpander::kDefaultBufferSize};

TEST(TabExpander, ConvertsEveryCaseAtEveryBufferSize) {
    for (std::size_t bufferSize : kBufferSizes)
        for (const ConversionCase& c : kConversionCases)
            EXPECT_EQ(c.expected, Expand(c.source, bufferSize)) << c.name << ", buffer size " << bufferSize;
}

// Line ends in front move every case across the offsets of a machine word;
// ordinary bytes behind give every special byte a full word after it.
TEST(TabExpander, ConvertsEveryCaseAtEveryWordOffset) {
    const std::string tail = "zzzzzzzzz";
    for (int lineEnds = 0; lineEnds < 8; ++lineEnds)
        for (const ConversionCase& c : kConversionCases) {
            bool endsInput = c.source.find('\x1A') != std::string::npos;
            std::string source = std::string(lineEnds, '\n') + c.source + tail;
            std::string expected;
            for (int i = 0; i < lineEnds; ++i)
                expected += "\r\n";
            expected += c.expected + (endsInput ? "" : tail);
            EXPECT_EQ(expected, Expand(source, TabExpander::kDefaultBufferSize))
                << c.name << ", after " << lineEnds << " line ends";
        }
}

// The rules, one byte at a time and with no thought of speed.
std::string PlainModel(const std::string& source, int tabWidth) {
    std::string out;
    long long column = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        char byte = source[i];
        if (byte == '\x1A')
            break;
        if (byte == '\r' && i + 1 < source.size() && source[i + 1] == '\n')
            continue; // the LF that follows stands for the pair
        if (byte == '\n') {
            out += "\r\n";
            column = 0;
        } else if (byte == '\t') {
            long long spaces = tabWidth - column % tabWidth;
            out.append(static_cast<std::size_t>(spaces), ' ');
            column += spaces;
        } else {
            out += byte;
            ++column;
        }
    }
    return out;
}

TEST(TabExpander, MatchesThePlainModelOnRandomText) {
    static const char alphabet[] = {'a',  'b',  ' ',    '\t',   '\t', '\t',
                                    '\n', '\r', '\x1A', '\x82', '\0', '\x7F'};
    unsigned state = 12345;
    auto next = [&state](unsigned bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % bound;
    };
    for (int i = 0; i < 3000; ++i) {
        std::string source;
        unsigned length = next(48);
        for (unsigned k = 0; k < length; ++k)
            source += alphabet[next(sizeof alphabet)];
        int tabWidth = i % 3 == 0 ? 4 : 1 + static_cast<int>(next(10));
        std::size_t bufferSize = i % 2 == 0 ? TabExpander::kDefaultBufferSize : 1 + next(9);
        ASSERT_EQ(PlainModel(source, tabWidth), Expand(source, bufferSize, tabWidth))
            << "case " << i << ", tab width " << tabWidth << ", buffer size " << bufferSize;
    }
}

TEST(TabExpander, KeepsTabStopsAcrossManyBuffersOfOneLine) {
    for (std::size_t bufferSize : kBufferSizes) {
        std::string source(1001, 'a');
        source += "\tb\n\tc";
        EXPECT_EQ(std::string(1001, 'a') + "   b\r\n    c", Expand(source, bufferSize))
            << "buffer size " << bufferSize;
    }
}

TEST(TabExpander, OtherTabWidths) {
    EXPECT_EQ("a       b", Expand("a\tb", 3, 8));
    EXPECT_EQ("a b", Expand("a\tb", 3, 1));
    EXPECT_EQ("a b", Expand("a\tb", 3, 0)); // below 1 counts as 1
    EXPECT_EQ("ab" + std::string(98, ' ') + "c", Expand("ab\tc", 7, 100));
    EXPECT_EQ("a\r\n" + std::string(200, ' ') + "b\r\n" + std::string(300, ' '),
              Expand("a\n\t\tb\r\n\t\t\t", 7, 100));
    EXPECT_EQ("a\r\n" + std::string(15, ' ') + "b", Expand("a\n\t\t\tb", 7, 5));
    EXPECT_EQ("ab c  d\r\n         e", Expand("ab\tc\td\n\t\t\te", 7, 3));
}

TEST(TabExpander, CanRunAgainWithFreshState) {
    TabExpander expander(4, 2);
    StringReader first("ab\r");
    StringWriter firstOut;
    ASSERT_EQ(EXPAND_OK, expander.Run(first, firstOut));
    StringReader second("\ncd\tx");
    StringWriter secondOut;
    ASSERT_EQ(EXPAND_OK, expander.Run(second, secondOut));
    EXPECT_EQ("ab\r", firstOut.Bytes());
    EXPECT_EQ("\r\ncd  x", secondOut.Bytes());
}

TEST(TabExpander, StopsReadingAtTheFirstEndOfText) {
    TabExpander expander(4, 2);
    StringReader reader("ab\x1A" + std::string(100, 'x'));
    StringWriter writer;
    EXPECT_EQ(EXPAND_OK, expander.Run(reader, writer));
    EXPECT_EQ("ab", writer.Bytes());
    EXPECT_EQ(2, reader.Reads());
}

TEST(TabExpander, ReadFailureKeepsWhatWasConvertedBefore) {
    static const struct {
        const char* source;
        std::size_t failAfter;
        const char* expected;
    } cases[] = {
        {"a\tb\nc", 4, "a   b\r\n"},
        {"ab\r\ncd", 3, "ab\r"}, // the CR had no LF before the failure
        {"abc", 0, ""},
    };
    for (const auto& c : cases) {
        TabExpander expander(4, 2);
        StringReader reader(c.source, c.failAfter);
        StringWriter writer;
        EXPECT_EQ(EXPAND_READ_FAILED, expander.Run(reader, writer)) << c.source;
        EXPECT_EQ(c.expected, writer.Bytes()) << c.source;
    }
}

TEST(TabExpander, WriteFailureStopsTheRun) {
    TabExpander expander(4, 4);
    StringReader reader(std::string(100, 'x'));
    StringWriter writer(1);
    EXPECT_EQ(EXPAND_WRITE_FAILED, expander.Run(reader, writer));
    EXPECT_LE(reader.Reads(), 6); // of 25

    // The final flush can fail too.
    StringReader shortReader("ab");
    StringWriter failFirst(0);
    EXPECT_EQ(EXPAND_WRITE_FAILED, expander.Run(shortReader, failFirst));
}

// Produces a line of more than 2^31 bytes without storing it: its tab stops
// must be those of an unbounded column count.
class LongLineReader : public ByteReader {
public:
    explicit LongLineReader(unsigned long long letters) : m_letters(letters) {}
    long Read(char* buffer, std::size_t capacity) override {
        if (m_letters == 0) {
            if (m_tailSent)
                return 0;
            m_tailSent = true;
            std::memcpy(buffer, "\tz", 2);
            return 2;
        }
        std::size_t count = m_letters < capacity ? static_cast<std::size_t>(m_letters) : capacity;
        std::memset(buffer, 'a', count);
        m_letters -= count;
        return static_cast<long>(count);
    }

private:
    unsigned long long m_letters;
    bool m_tailSent = false;
};

class CountingWriter : public ByteWriter {
public:
    bool Write(const char* data, std::size_t size) override {
        m_count += size;
        m_tail.append(data, size);
        if (m_tail.size() > 16)
            m_tail.erase(0, m_tail.size() - 16);
        return true;
    }
    unsigned long long m_count = 0;
    std::string m_tail;
};

TEST(TabExpander, LineLongerThanTwoGibibytesKeepsItsTabStops) {
    const unsigned long long letters = (1ULL << 31) + 1; // column 2^31 + 1 before the tab
    TabExpander expander(4);
    LongLineReader reader(letters);
    CountingWriter writer;
    ASSERT_EQ(EXPAND_OK, expander.Run(reader, writer));
    EXPECT_EQ(letters + 3 + 1, writer.m_count);
    EXPECT_EQ("aaaaaaaaaaaa   z", writer.m_tail);
}

} // namespace
