// Text built in a fixed buffer, free of any system call: what does not fit is
// cut off and remembered, and the text is always terminated. Paths from the
// system are built as wide (UTF-16) text, messages and notes as bytes.
#pragma once
#include <cstddef>
#include <cstdint>

template <class Char> class BasicFixedText {
  public:
    BasicFixedText(Char *buffer, size_t size);
    BasicFixedText &add(const Char *text);
    BasicFixedText &add(const Char *text, size_t length);
    BasicFixedText &add(Char c);
    // Plain ASCII text, such as the program's own names, in this width.
    BasicFixedText &addAscii(const char *text);
    // A signed decimal number, as "%ld" shows it.
    BasicFixedText &addNumber(int64_t value);
    const Char *text() const { return buffer_; }
    size_t length() const { return length_; }
    // Whether anything did not fit.
    bool cut() const { return cut_; }

  private:
    Char *buffer_;
    size_t size_;
    size_t length_ = 0;
    bool cut_ = false;
};

using FixedText = BasicFixedText<char>;
using WideText = BasicFixedText<wchar_t>;

// The length of a terminated text of either width.
template <class Char> size_t TextLength(const Char *text) {
    size_t length = 0;
    while (text[length] != Char(0))
        ++length;
    return length;
}

// A buffer of N characters and the text builder that fills it.
template <size_t N, class Char = char> struct TextBuffer {
    Char chars[N];
    BasicFixedText<Char> build{chars, N};
};
