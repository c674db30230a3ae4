#include "note_rows.h"
#include "../base/fixed_text.h"
#include <cstring>

void MakeDisplayText(const char *noteText, char *out, size_t outSize) {
    if (outSize == 0) return;
    size_t i = 0;
    for (; noteText[i] != '\0' && i + 1 < outSize; ++i) {
        char c = noteText[i];
        out[i] = (c == '\r' || c == '\n' || c == '\t') ? '_' : c;
    }
    out[i] = '\0';
}

void MakeIndexRow(const char *displayText, int32_t slot, char *out, size_t outSize) {
    FixedText row(out, outSize);
    row.add(displayText).add('#');
    if (slot < 10) row.add('0');
    row.addNumber(slot);
}

int32_t SlotFromRowText(const char *row) {
    size_t length = std::strlen(row);
    size_t start = length > 25 ? length - 25 : 0;
    const char *hash = std::strrchr(row, '#');
    if (hash && static_cast<size_t>(hash - row) + 1 > start) start = (hash - row) + 1;
    const char *p = row + start;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > 0x80000000LL) value = 0x80000000LL; // saturate, never overflow
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<int32_t>(value);
}
