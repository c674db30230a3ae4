#include "note_rows.h"
#include "../base/fixed_text.h"
#include "../cliptools/utf8.h"

size_t MakeDisplayText(const char16_t *note, size_t length, char16_t *out, size_t outSize) {
    if (outSize == 0) return 0;
    size_t shown = length < outSize - 1 ? length : outSize - 1;
    // A high surrogate whose low half would be cut off goes with it.
    if (shown < length && shown > 0 && IsHighSurrogate(note[shown - 1])) --shown;
    for (size_t i = 0; i < shown; ++i) {
        char16_t c = note[i];
        out[i] = (c == u'\r' || c == u'\n' || c == u'\t') ? u'_' : c;
    }
    out[shown] = u'\0';
    return shown;
}

void MakeIndexRow(const char16_t *displayText, int32_t slot, char16_t *out, size_t outSize) {
    BasicFixedText<char16_t> row(out, outSize);
    row.add(displayText).add(u'#');
    if (slot < 10) row.add(u'0');
    row.addNumber(slot);
}
