#include "Mbcs.h"

#include <windows.h>

namespace {

// Facts of the ANSI code page, read once from the system.
struct CodePage {
    bool lead[256] = {};
    bool fullWidthLatin = false; // code page 932, whose full-width letters have case
    CodePage() {
        fullWidthLatin = GetACP() == 932;
        CPINFO info;
        if (!GetCPInfo(CP_ACP, &info))
            return;
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
            for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
                lead[b] = true;
    }
};

const CodePage& Acp() {
    static const CodePage codePage;
    return codePage;
}

// One character as a number: a single byte as itself, a double-byte
// character as lead * 256 + trail. Advances p past the character.
unsigned NextChar(const char*& p) {
    unsigned c = static_cast<unsigned char>(*p);
    if (Mbcs::CharLength(p) == 2) {
        c = (c << 8) | static_cast<unsigned char>(p[1]);
        p += 2;
    } else {
        ++p;
    }
    return c;
}

unsigned FoldCase(unsigned c) {
    if (c >= 'A' && c <= 'Z')
        return c + ('a' - 'A');
    // Full-width Ａ..Ｚ (0x8260..0x8279) fold onto ａ..ｚ (0x8281..0x829A).
    if (c >= 0x8260 && c <= 0x8279 && Acp().fullWidthLatin)
        return c + 0x21;
    return c;
}

} // namespace

namespace Mbcs {

bool IsLeadByte(unsigned char b) { return Acp().lead[b]; }

int CompareNoCase(const char* a, const char* b) {
    while (*a != '\0' && *b != '\0') {
        unsigned ca = FoldCase(NextChar(a));
        unsigned cb = FoldCase(NextChar(b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

} // namespace Mbcs
