#include "text_rules.h"
#include <cstring>

namespace {
bool IsTrimmed(char c) {
    return c == ' ' || c == '\n' || c == '\t';
}
bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
} // namespace

void TrimText(char *text) {
    size_t length = std::strlen(text);
    while (length > 0 && IsTrimmed(text[length - 1]))
        text[--length] = '\0';
    size_t start = 0;
    while (start < length && IsTrimmed(text[start]))
        ++start;
    if (start > 0) std::memmove(text, text + start, length - start + 1);
}

void ToUpperText(char *text) {
    for (; *text; ++text)
        if (IsLower(*text)) *text = static_cast<char>(*text - 0x20);
}

void ToLowerText(char *text) {
    for (; *text; ++text)
        if (IsUpper(*text)) *text = static_cast<char>(*text + 0x20);
}

void InvertCaseText(char *text) {
    for (; *text; ++text) {
        if (IsLower(*text))
            *text = static_cast<char>(*text - 0x20);
        else if (IsUpper(*text))
            *text = static_cast<char>(*text + 0x20);
    }
}
