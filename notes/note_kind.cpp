#include "note_kind.h"
#include "../cliptools/utf8.h"

namespace {

bool StartsWith(const char *bytes, size_t length, const char *mark, size_t markSize) {
    if (length < markSize) return false;
    for (size_t i = 0; i < markSize; ++i)
        if (bytes[i] != mark[i]) return false;
    return true;
}

char16_t UnitAt(const unsigned char *b, bool bigEndian) {
    return static_cast<char16_t>(bigEndian ? (b[0] << 8) | b[1] : (b[1] << 8) | b[0]);
}

} // namespace

NoteFileKind NoteKindOf(const char *bytes, size_t length, bool cut) {
    if (StartsWith(bytes, length, "\xFF\xFE", 2)) return {NoteKind::Utf16Le, 2};
    if (StartsWith(bytes, length, "\xFE\xFF", 2)) return {NoteKind::Utf16Be, 2};
    if (StartsWith(bytes, length, "\xEF\xBB\xBF", 3)) return {NoteKind::Utf8, 3};
    Utf8Shape shape = ShapeOfUtf8(bytes, length);
    bool utf8 = shape.valid && shape.multiByte && (shape.complete == length || cut);
    return {utf8 ? NoteKind::Utf8 : NoteKind::Ansi, 0};
}

size_t WholeCharacterLength(const char *text, size_t length, NoteKind kind,
                            LeadBytePredicate isLeadByte) {
    // Only a sequence that the end cut off goes; a broken byte before it stays
    // and reads as in any note, so a cut never empties a note.
    if (kind == NoteKind::Utf8) return ShapeOfUtf8(text, length).complete;
    if (kind != NoteKind::Ansi || !isLeadByte) return length;
    // Trail bytes may look like lead bytes, so walk from the start.
    size_t i = 0;
    while (i < length) {
        size_t step = isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + step > length) break;
        i += step;
    }
    return i;
}

size_t DecodeUtf16Note(const char *bytes, size_t size, bool bigEndian, bool cut, char16_t *out,
                       size_t outSize) {
    if (outSize == 0) return 0;
    const unsigned char *b = reinterpret_cast<const unsigned char *>(bytes);
    size_t units = size / 2, written = 0, i = 0;
    for (; i < units; ++i) {
        if (written + 1 == outSize) {
            cut = true; // the buffer is the limit here
            break;
        }
        char16_t c = UnitAt(b + 2 * i, bigEndian);
        if (c == u'\x1A') break;
        if (c == u'\r' && i + 1 < units && UnitAt(b + 2 * i + 2, bigEndian) == u'\n') {
            c = u'\n';
            ++i;
        }
        out[written++] = c;
    }
    if (cut && written > 0 && IsHighSurrogate(out[written - 1])) --written;
    // The odd last byte of a whole file is a broken unit, shown as any broken
    // text is: a file with bytes after its mark is never an empty note.
    if (!cut && i == units && size % 2 == 1 && written + 1 < outSize) out[written++] = u'\xFFFD';
    out[written] = u'\0';
    return written;
}

size_t EncodeUtf16LeNote(const char16_t *text, size_t length, char *out, size_t outSize) {
    size_t size = 0;
    auto put = [&](char16_t unit) {
        if (size + 2 <= outSize) {
            out[size] = static_cast<char>(unit & 0xFF);
            out[size + 1] = static_cast<char>(unit >> 8);
        }
        size += 2;
    };
    put(0xFEFF);
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == u'\n') put(u'\r');
        put(text[i]);
    }
    return size;
}
