// QueltDll's entry points: a converter plug-in that expands tabs to spaces
// (tab width 4) and writes CR LF line ends.
#include "ConvertFile.h"
#include "PluginInterface.h"

#include <cstring>

namespace {

const int kTabWidth = 4;

// "タブをスペースに変換する" in code page 932, 24 bytes and the NUL.
const char kName[] = "\x83\x5E\x83\x75\x82\xF0\x83\x58\x83\x79\x81\x5B\x83\x58\x82\xC9"
                     "\x95\xCF\x8A\xB7\x82\xB7\x82\xE9";

// "このＤＬＬではタブをスペースに変換します。（タブ幅４固定）\r\n"
// "Varno用のサンプルＤＬＬです。大して役に立つもんじゃぁありません。"
// in code page 932, 125 bytes and the NUL.
const char kDescription[] = "\x82\xB1\x82\xCC\x82\x63\x82\x6B\x82\x6B\x82\xC5\x82\xCD\x83\x5E"
                            "\x83\x75\x82\xF0\x83\x58\x83\x79\x81\x5B\x83\x58\x82\xC9\x95\xCF"
                            "\x8A\xB7\x82\xB5\x82\xDC\x82\xB7\x81\x42\x81\x69\x83\x5E\x83\x75"
                            "\x95\x9D\x82\x53\x8C\xC5\x92\xE8\x81\x6A\x0D\x0A\x56\x61\x72\x6E"
                            "\x6F\x97\x70\x82\xCC\x83\x54\x83\x93\x83\x76\x83\x8B\x82\x63\x82"
                            "\x6B\x82\x6B\x82\xC5\x82\xB7\x81\x42\x91\xE5\x82\xB5\x82\xC4\x96"
                            "\xF0\x82\xC9\x97\xA7\x82\xC2\x82\xE0\x82\xF1\x82\xB6\x82\xE1\x82"
                            "\x9F\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42";

static_assert(sizeof kName == 25, "name block");
static_assert(sizeof kDescription == 126, "description block");

} // namespace

extern "C" {

// Writes exactly the two blocks, the description first, and nothing beyond
// them.
int __cdecl QueltDllInfo(char* name, char* description) {
    if (description != nullptr)
        std::memcpy(description, kDescription, sizeof kDescription);
    if (name != nullptr)
        std::memcpy(name, kName, sizeof kName);
    return 0;
}

// The result codes are those of ConvertFile.
int __cdecl QueltConv(HWND /*owner*/, char* sourcePath, char* destinationPath, int /*context*/) {
    return ConvertFile(sourcePath, destinationPath, kTabWidth);
}

// Exported both as Init (ordinal 3) and as Finalize (ordinal 4): whatever
// the caller pushes, the caller removes, so one cdecl function serves both.
int __cdecl QueltInitFinalize() {
    return 0;
}

} // extern "C"
