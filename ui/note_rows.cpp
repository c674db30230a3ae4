#include "note_rows.h"
#include "../base/fixed_text.h"

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
