#include "text_rules.h"
#include "../base/fixed_text.h"
#include <cstring>

namespace {

template <class Char> bool IsTrimmed(Char c) {
    return c == Char(' ') || c == Char('\n') || c == Char('\t');
}

template <class Char> Char Converted(Char c, CaseConversion conversion) {
    bool lower = c >= 'a' && c <= 'z';
    bool upper = c >= 'A' && c <= 'Z';
    if (lower && conversion != CaseConversion::Lower) return static_cast<Char>(c - 0x20);
    if (upper && conversion != CaseConversion::Upper) return static_cast<Char>(c + 0x20);
    return c;
}

} // namespace

template <class Char> void TrimText(Char *text) {
    size_t length = TextLength(text);
    while (length > 0 && IsTrimmed(text[length - 1]))
        text[--length] = Char(0);
    size_t start = 0;
    while (start < length && IsTrimmed(text[start]))
        ++start;
    if (start > 0) std::memmove(text, text + start, (length - start + 1) * sizeof(Char));
}
template void TrimText(char *);
template void TrimText(wchar_t *);

void ConvertCase(char *text, CaseConversion conversion, LeadBytePredicate isLeadByte) {
    for (; *text; ++text) {
        if (isLeadByte && isLeadByte(static_cast<unsigned char>(*text))) {
            if (text[1] == '\0') break; // a lead byte cut off at the end stays alone
            ++text;                     // its trail byte may look like a letter: skip it
            continue;
        }
        *text = Converted(*text, conversion);
    }
}

void ConvertCase(char16_t *text, CaseConversion conversion) {
    for (; *text; ++text)
        *text = Converted(*text, conversion);
}

void ToUpperText(char *text) {
    ConvertCase(text, CaseConversion::Upper);
}

void ToLowerText(char *text) {
    ConvertCase(text, CaseConversion::Lower);
}

void InvertCaseText(char *text) {
    ConvertCase(text, CaseConversion::Invert);
}
