// foalix-dump's output on Windows. A console is given UTF-16, which shows every name
// whatever the console's code page, and the code page is left alone; a file or a pipe is
// given the UTF-8 bytes exactly as written (no text-mode line ends added).
#pragma once

#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace foalix::cli {

// A stream buffer that hands UTF-8 text on to `write` as UTF-16, whole characters only:
// a character split between two writes waits for its last byte. Bytes that are not UTF-8
// become U+FFFD.
class Utf16Buffer : public std::streambuf {
  public:
    explicit Utf16Buffer(std::function<void(std::wstring_view)> write);
    ~Utf16Buffer() override;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

  private:
    // Hands on everything up to the last whole character.
    void flushWhole();

    std::function<void(std::wstring_view)> write_;
    std::string pending_;
};

#ifdef _WIN32
// Makes std::cout and std::cerr write as above. Call once, before any output.
void setUpStandardOutput();
#endif

}  // namespace foalix::cli
