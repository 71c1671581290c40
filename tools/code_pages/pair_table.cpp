// pair_table CODEPAGE > TABLE: the first character Windows converts each two-byte pair
// to, for all 65,536 pairs, as 16-bit little-endian UTF-16 code units in pair order
// (first byte * 256 + second byte). A pair that is one character, or two, gives the
// first; failing that, the first byte alone; failing that, U+FFFD. Run under Windows or
// Wine; savedata/code_pages/ keeps its output for 932 and 950:
//   x86_64-w64-mingw32-g++ -O2 -static -o pair_table.exe pair_table.cpp
//   wine pair_table.exe 932 > savedata/code_pages/932.bin
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Characters of `bytes`, or 0 when they are not valid text in the code page.
int convert(UINT codePage, const char* bytes, int length, wchar_t* wide) {
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, wide, 4);
}

// Single bytes that Windows maps (its published best-fit tables, and Windows itself) and
// Wine 8 leaves undefined. Windows converts them itself; under Wine they are added.
struct Single {
    UINT codePage;
    unsigned char byte;
    wchar_t character;
};
constexpr Single kWindowsSingles[] = {
    {932, 0xA0, 0xF8F0}, {932, 0xFD, 0xF8F1}, {932, 0xFE, 0xF8F2},
    {932, 0xFF, 0xF8F3}, {950, 0xFF, 0xF8F8},
};

wchar_t windowsSingle(UINT codePage, unsigned char byte) {
    for (const Single& single : kWindowsSingles) {
        if (single.codePage == codePage && single.byte == byte) {
            return single.character;
        }
    }
    return 0xFFFD;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: pair_table CODEPAGE > TABLE\n", stderr);
        return 64;
    }
    const UINT codePage = static_cast<UINT>(std::atoi(argv[1]));
    std::vector<unsigned char> table;
    for (int code = 0; code < 0x10000; ++code) {
        const char pair[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        wchar_t wide[4];
        wchar_t first;
        if (convert(codePage, pair, 2, wide) > 0 || convert(codePage, pair, 1, wide) > 0) {
            first = wide[0];
        } else {
            first = windowsSingle(codePage, static_cast<unsigned char>(pair[0]));
        }
        if (IS_HIGH_SURROGATE(first)) {
            std::fputs("pair_table: a character beyond 16 bits; the table cannot hold it\n",
                       stderr);
            return 1;
        }
        table.push_back(static_cast<unsigned char>(first & 0xFF));
        table.push_back(static_cast<unsigned char>(first >> 8));
    }
    _setmode(_fileno(stdout), _O_BINARY);
    return std::fwrite(table.data(), 1, table.size(), stdout) == table.size() ? 0 : 1;
}
