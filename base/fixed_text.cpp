#include "fixed_text.h"
#include <cstring>

FixedText::FixedText(char *buffer, size_t size) : buffer_(buffer), size_(size) {
    if (size_ > 0) buffer_[0] = '\0';
}

FixedText &FixedText::add(const char *text, size_t length) {
    if (size_ == 0) {
        cut_ = cut_ || length > 0;
        return *this;
    }
    size_t room = size_ - 1 - length_;
    size_t taken = length < room ? length : room;
    std::memcpy(buffer_ + length_, text, taken);
    length_ += taken;
    buffer_[length_] = '\0';
    if (taken < length) cut_ = true;
    return *this;
}

FixedText &FixedText::add(const char *text) {
    return add(text, std::strlen(text));
}

FixedText &FixedText::add(char c) {
    return add(&c, 1);
}

FixedText &FixedText::addNumber(int64_t value) {
    char digits[24];
    size_t count = 0;
    // Works on the magnitude as unsigned, so the most negative value is safe.
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0) add('-');
    while (count > 0)
        add(digits[--count]);
    return *this;
}
