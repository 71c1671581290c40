#include "cli/console_output.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#endif

#include "savedata/utf8.h"

namespace foalix::cli {
namespace {

// How many bytes at the end of `text` begin a character that is not complete yet.
std::size_t unfinishedTail(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) != 0x80) {
            return savedata::utf8SequenceLength(byte) > back ? back : 0;
        }
    }
    return 0;
}

// UTF-8 to UTF-16, with U+FFFD for what is not UTF-8.
std::wstring widened(std::string_view text) {
    std::wstring wide;
    for (const char32_t c : savedata::decodeUtf8(text)) {
        if (c > 0xFFFF) {
            wide += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(c);
        }
    }
    return wide;
}

}  // namespace

Utf16Buffer::Utf16Buffer(std::function<void(std::wstring_view)> write) : write_(std::move(write)) {}

Utf16Buffer::~Utf16Buffer() {
    if (!pending_.empty()) {
        write_(widened(pending_));
    }
}

Utf16Buffer::int_type Utf16Buffer::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        pending_ += traits_type::to_char_type(c);
        if (traits_type::to_char_type(c) == '\n') {
            flushWhole();
        }
    }
    return traits_type::not_eof(c);
}

std::streamsize Utf16Buffer::xsputn(const char* s, std::streamsize n) {
    pending_.append(s, static_cast<std::size_t>(n));
    flushWhole();
    return n;
}

int Utf16Buffer::sync() {
    flushWhole();
    return 0;
}

void Utf16Buffer::flushWhole() {
    const std::size_t whole = pending_.size() - unfinishedTail(pending_);
    if (whole > 0) {
        write_(widened(std::string_view(pending_).substr(0, whole)));
        pending_.erase(0, whole);
    }
}

#ifdef _WIN32
namespace {

// Points `stream` at a console buffer when `handle` is a console; otherwise makes the
// C library write `file` in binary, so "\n" is not turned into "\r\n" and a CSV's own
// "\r\n" stays as it is.
void setUp(std::ostream& stream, DWORD which, std::FILE* file) {
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        // Lives as long as the program: the streams are flushed at its end.
        static Utf16Buffer* buffers[2] = {};
        Utf16Buffer*& buffer = buffers[which == STD_OUTPUT_HANDLE ? 0 : 1];
        buffer = new Utf16Buffer([handle](std::wstring_view text) {
            DWORD written = 0;
            WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        });
        stream.rdbuf(buffer);
    } else {
        _setmode(_fileno(file), _O_BINARY);
    }
}

}  // namespace

void setUpStandardOutput() {
    setUp(std::cout, STD_OUTPUT_HANDLE, stdout);
    setUp(std::cerr, STD_ERROR_HANDLE, stderr);
}
#endif

}  // namespace foalix::cli
