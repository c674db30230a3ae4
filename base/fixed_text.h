// Text built in a fixed buffer, free of any system call: what does not fit is
// cut off and remembered, and the text is always terminated.
#pragma once
#include <cstddef>
#include <cstdint>

class FixedText {
  public:
    FixedText(char *buffer, size_t size);
    FixedText &add(const char *text);
    FixedText &add(const char *text, size_t length);
    FixedText &add(char c);
    // A signed decimal number, as "%ld" shows it.
    FixedText &addNumber(int64_t value);
    const char *text() const { return buffer_; }
    size_t length() const { return length_; }
    // Whether anything did not fit.
    bool cut() const { return cut_; }

  private:
    char *buffer_;
    size_t size_;
    size_t length_ = 0;
    bool cut_ = false;
};

// A buffer of N bytes and the FixedText that fills it.
template <size_t N> struct TextBuffer {
    char chars[N];
    FixedText build{chars, N};
};
