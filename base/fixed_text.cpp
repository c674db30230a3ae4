#include "fixed_text.h"

template <class Char>
BasicFixedText<Char>::BasicFixedText(Char *buffer, size_t size) : buffer_(buffer), size_(size) {
    if (size_ > 0) buffer_[0] = Char(0);
}

template <class Char>
BasicFixedText<Char> &BasicFixedText<Char>::add(const Char *text, size_t length) {
    if (size_ == 0) {
        cut_ = cut_ || length > 0;
        return *this;
    }
    size_t room = size_ - 1 - length_;
    size_t taken = length < room ? length : room;
    for (size_t i = 0; i < taken; ++i)
        buffer_[length_ + i] = text[i];
    length_ += taken;
    buffer_[length_] = Char(0);
    if (taken < length) cut_ = true;
    return *this;
}

template <class Char> BasicFixedText<Char> &BasicFixedText<Char>::add(const Char *text) {
    return add(text, TextLength(text));
}

template <class Char> BasicFixedText<Char> &BasicFixedText<Char>::add(Char c) {
    return add(&c, 1);
}

template <class Char> BasicFixedText<Char> &BasicFixedText<Char>::addAscii(const char *text) {
    for (; *text != '\0'; ++text)
        add(static_cast<Char>(static_cast<unsigned char>(*text)));
    return *this;
}

template <class Char> BasicFixedText<Char> &BasicFixedText<Char>::addNumber(int64_t value) {
    char digits[24];
    size_t count = 0;
    // Works on the magnitude as unsigned, so the most negative value is safe.
    uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0) add(Char('-'));
    while (count > 0)
        add(static_cast<Char>(digits[--count]));
    return *this;
}

template class BasicFixedText<char>;
template class BasicFixedText<wchar_t>;
template class BasicFixedText<char16_t>;
