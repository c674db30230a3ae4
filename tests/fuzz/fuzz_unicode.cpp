// UTF-8 and UTF-16 conversions stay within their buffers, and well-formed
// text round-trips; the double-byte-safe case change never alters a trail byte.
#include "cliptools/text_rules.h"
#include "cliptools/utf8.h"
#include "notes/note_kind.h"
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
bool OddLead(unsigned char b) {
    return b & 1;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const char *bytes = reinterpret_cast<const char *>(data);
    std::vector<char16_t> wide(size + 1);
    size_t units = Utf8ToUtf16(bytes, size, wide.data(), wide.size());
    if (units > size || wide[units] != u'\0') std::abort();
    // Decoded text is well formed: it encodes and decodes back to itself.
    std::vector<char> utf8(4 * units + 1);
    size_t length = Utf16ToUtf8(wide.data(), units, utf8.data(), utf8.size());
    if (length >= utf8.size() || utf8[length] != '\0') std::abort();
    std::vector<char16_t> back(units + 1);
    if (Utf8ToUtf16(utf8.data(), length, back.data(), back.size()) != units ||
        std::memcmp(back.data(), wide.data(), units * sizeof(char16_t)) != 0)
        std::abort();
    // Small buffers: bounded and terminated.
    for (size_t outSize : {size_t(1), size_t(2), size_t(5)}) {
        std::vector<char> small(outSize, '#');
        Utf16ToUtf8(wide.data(), units, small.data(), outSize);
        if (std::memchr(small.data(), '\0', outSize) == nullptr) std::abort();
    }
    // Case change with a lead-byte rule: a byte after a lead byte stays.
    std::vector<char> text(bytes, bytes + size);
    text.push_back('\0');
    std::vector<char> before = text;
    ConvertCase(text.data(), CaseConversion::Invert, OddLead);
    for (size_t i = 0; i < size && before[i] != '\0'; ++i) {
        if (OddLead(static_cast<unsigned char>(before[i])) && before[i + 1] != '\0') {
            if (text[i] != before[i] || text[i + 1] != before[i + 1]) std::abort();
            ++i;
        }
    }
    // A note's kind and its cut: whole characters only, within bounds.
    for (bool cut : {false, true}) {
        NoteFileKind kind = NoteKindOf(bytes, size, cut);
        if (kind.markSize > size) std::abort();
        size_t whole = WholeCharacterLength(bytes, size, kind.kind, OddLead);
        if (whole > size) std::abort();
        if (kind.kind == NoteKind::Utf8 && kind.markSize == 0) {
            Utf8Shape shape = ShapeOfUtf8(bytes, whole);
            if (!shape.valid || shape.complete != whole) std::abort();
        }
        std::vector<char16_t> units(size / 2 + 1);
        size_t n = DecodeUtf16Note(bytes, size, cut, cut, units.data(), units.size());
        if (n >= units.size() || units[n] != u'\0') std::abort();
        // A cut only ever drops a unit at the end (and shows no odd byte).
        if (cut && DecodeUtf16Note(bytes, size, true, false, units.data(), units.size()) > n + 2)
            std::abort();
    }
    return 0;
}
