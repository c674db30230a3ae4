// The note store's promises over generated texts and files, through the real
// clipboard, store and files. Each case is made from its seed alone:
//   QUILLET_PROPERTY_SEED=S   runs case S again (in the same locale);
//   QUILLET_PROPERTY_CASES=N  runs N cases per property (soak runs).
#include "base/app_state.h"
#include "message_box_answerer.h"
#include "notes/note_delete.h"
#include "notes/note_store.h"
#include "ui/note_rows.h"
#include "ui/note_window.h"
#include "support/clipboard_blocks.h"
#include "support/note_lists.h"
#include "support/wide_text.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

using Bytes = std::string;
using Units = std::u16string;

bool Survives(UINT codePage, const Bytes &text) {
    return ToCodePage(codePage, FromCodePage(codePage, text)) == text;
}
bool Survives(UINT codePage, const Units &text) {
    return FromCodePage(codePage, ToCodePage(codePage, text)) == text;
}

// UTF-8 as Unicode reads it: one U+FFFD for each maximal invalid subpart
// (Wine's own conversion swallows bytes after a lead byte near the end).
Units DecodeUtf8(const Bytes &b) {
    Units out;
    for (size_t i = 0, k; i < b.size(); i += k) {
        BYTE c = BYTE(b[i]), low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
        low = c == 0xF0 ? 0x90 : low, high = c == 0xF4 ? 0x8F : high;
        size_t need = c < 0x80 ? 1 : c < 0xC2 ? 0 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : c < 0xF5 ? 4 : 0;
        for (k = 1; k < need && i + k < b.size() && BYTE(b[i + k]) >= (k == 1 ? low : 0x80) &&
                    BYTE(b[i + k]) <= (k == 1 ? high : 0xBF);)
            ++k;
        out += k == need ? FromCodePage(CP_UTF8, b.substr(i, k)) : Units(1, u'\xFFFD');
    }
    return out;
}

// ANSI bytes one character of the code page at a time; U+FFFD for a byte
// that starts none.
Units DecodeAnsi(const Bytes &b) {
    if (GetACP() == CP_UTF8) return DecodeUtf8(b);
    Units out;
    for (size_t i = 0, n; i < b.size(); i += n) {
        n = IsDBCSLeadByte(BYTE(b[i])) && i + 1 < b.size() ? 2 : 1;
        wchar_t c[2];
        int made = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &b[i], int(n), c, 2);
        out += made > 0 ? Units(c, c + made) : (n = 1, Units(1, u'\xFFFD'));
    }
    return out;
}

// A row: CR, LF and TAB as '_', at most `limit` units, never half a pair.
Units RowOf(Units text, size_t limit) {
    for (char16_t &c : text)
        c = c == u'\r' || c == u'\n' || c == u'\t' ? u'_' : c;
    if (text.size() <= limit) return text;
    bool splitsPair = limit > 0 && text[limit - 1] >= 0xD800 && text[limit - 1] < 0xDC00;
    return text.substr(0, limit - splitsPair);
}

// Whether a file holds text before its end (its first NUL or 1A, or the
// last byte): an odd byte after a UTF-16 mark is a broken unit, still text.
bool HoldsText(const Bytes &file) {
    size_t at = file.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0, low = file[0] == '\xFF' ? 2 : 3;
    if (file.rfind("\xFF\xFE", 0) != 0 && file.rfind("\xFE\xFF", 0) != 0)
        return file.size() > at && file[at] != 0 && file[at] != 0x1A;
    int unit = file.size() < 4 ? 0 : BYTE(file[low]) | BYTE(file[5 - low]) << 8;
    return file.size() == 3 || (unit != 0 && unit != 0x1A);
}

// Bytes that begin with a mark, or are UTF-8 with more than ASCII in it.
bool ReadsAsOtherKind(const Bytes &bytes) {
    int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                                    nullptr, 0);
    return bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0 ||
           bytes.rfind("\xEF\xBB\xBF", 0) == 0 || (units > 0 && size_t(units) < bytes.size());
}

// A seeded source of the troublesome pieces. Each case draws from a few kinds
// of piece only, so that some texts are all one kind (all CJK, all marks).
class Gen {
  public:
    explicit Gen(uint32_t seed) : rng_(seed), kinds_(1 + rng_() % 511) {}
    uint32_t Below(uint32_t n) { return rng_() % n; }
    template <class T, size_t N> T Pick(const T (&choices)[N]) { return choices[Below(N)]; }
    size_t Length(size_t most) { // clustered at the limits
        static const size_t kEdges[] = {1364, 1365, 2046, 2048, 4092, 4095, 4096, 6000};
        uint32_t how = Below(3);
        return how == 0   ? Below(12)
               : how == 1 ? Below(most + 1)
                          : std::min(most, Pick(kEdges) - 2 + Below(5));
    }
    template <class Pieces> auto Text(size_t length, Pieces pieces) {
        typename decltype(pieces())::value_type text;
        while (text.size() < length) {
            uint32_t kind = Below(9);
            auto drawn = pieces();
            if (kinds_ & (1u << kind)) text += drawn[kind];
        }
        text.resize(length);
        return text;
    }
    Bytes Ascii() { return Bytes(1 + Below(8), static_cast<char>(' ' + Below(95))); }
    Bytes CodePageCharacter() { // a lead byte takes a trail byte
        Bytes c(1, static_cast<char>(0x80 + Below(0x80)));
        if (IsDBCSLeadByte(static_cast<BYTE>(c[0]))) c += static_cast<char>(0x40 + Below(0xBD));
        return c;
    }
    Units Letter() { // Latin, Greek, Cyrillic, kana, CJK or an emoji
        static const char16_t kFrom[] = {0xC0, 0x391, 0x410, 0x3041, 0x4E00, 0x4E00};
        static const uint32_t kCount[] = {64, 40, 64, 80, 0x5000, 0x5000};
        uint32_t range = Below(7);
        if (range == 6) return Units{char16_t(0xD83D), char16_t(0xDE00 + Below(0x50))};
        return Units(1, char16_t(kFrom[range] + Below(kCount[range])));
    }
    // A file's bytes may hold NUL and UTF-16 units; a clipboard text's not.
    Bytes ByteText(size_t length, bool inFile) {
        static const char *const kBreaks[] = {"\r", "\n", "\r\n"},
                                 *const kMarks[] = {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"},
                                 *const kBroken[] = {"\x80", "\xC3",         "\xE3\x81", "\xC0\x80",
                                                     "\xF0", "\xED\xA0\x80", "\xF8",     "\xF4\x90",
                                                     "\x81", "\xFF"};
        return Text(length, [&] {
            char any = char(inFile ? Below(256) : 1 + Below(255));
            return std::array<Bytes, 9>{
                Ascii(),       Pick(kBreaks),       "\x1A",
                Pick(kMarks),  CodePageCharacter(), ToCodePage(CP_UTF8, Letter()),
                Pick(kBroken), Bytes(1, any),       inFile ? Bytes{any, '\0'} : Ascii()};
        });
    }
    Units UnitText(size_t length) {
        static const char16_t *const kBreaks[] = {u"\r", u"\n", u"\r\n"},
                                     *const kMarks[] = {u"\uFEFF", u"\uFFFE", u"\u00FF\u00FE",
                                                        u"\u00FE\u00FF", u"\u00EF\u00BB\u00BF"};
        return Text(length, [&] {
            Units ascii = FromCodePage(CP_ACP, Ascii()),
                  cp = FromCodePage(CP_ACP, CodePageCharacter()),
                  half(1, char16_t(0xD800 + Below(0x800))),
                  odd(1, Below(2) ? 0xFFFD : 0x80 + Below(32));
            return std::array<Units, 9>{ascii,    Pick(kBreaks), u"\x1A", Pick(kMarks), cp,
                                        Letter(), Letter(),      half,    odd};
        });
    }

  private:
    std::mt19937 rng_;
    uint32_t kinds_;
};

template <class Seq> std::string Show(const Seq &seq) {
    std::string shown;
    char hex[8];
    for (size_t i = 0; i < seq.size() && i < 300; shown += hex, ++i)
        std::snprintf(hex, sizeof(hex), "%X ",
                      unsigned(seq[i]) & (sizeof(seq[0]) == 1 ? 0xFF : 0xFFFF));
    return shown + (seq.size() > 300 ? "... (" + std::to_string(seq.size()) + ")" : "");
}

// The smallest failing input found by removing halves, then quarters, ...
template <class Seq, class Fails> Seq Shrink(Seq seq, Fails fails) {
    int budget = 500;
    for (size_t chunk = seq.size() / 2; chunk > 0; chunk /= 2)
        for (size_t at = 0; at + chunk <= seq.size() && budget-- > 0; at += chunk) {
            Seq shorter = seq.substr(0, at) + seq.substr(at + chunk);
            if (!fails(shorter).empty()) seq = shorter, at -= chunk;
        }
    return seq;
}

// A pasted text (how 0: CF_TEXT bytes, 1: Unicode units), or a note file
// (how -1: the bytes as they are; 0 to 4: the units stored as Encode says).
struct Case {
    int how;
    Bytes bytes;
    Units units;
};

// The stored form of a text, with each LF as CR LF: UTF-16 (LE or BE), UTF-8
// with or without its mark, or ANSI.
Bytes Encode(const Units &text, int how) {
    Units stored;
    for (char16_t c : text)
        stored += c == u'\n' ? Units(u"\r\n") : Units(1, c);
    if (how >= 2)
        return (how == 2 ? "\xEF\xBB\xBF" : "") + ToCodePage(how == 4 ? CP_ACP : CP_UTF8, stored);
    Bytes bytes = how == 0 ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t c : stored)
        bytes +=
            how == 0 ? Bytes{char(c & 0xFF), char(c >> 8)} : Bytes{char(c >> 8), char(c & 0xFF)};
    return bytes;
}

// Makes `text` valid in the kind of file it is stored as (no 0x1A, no half
// pairs, nothing that reads as another kind), and says which kind that is.
int ValidInKind(Units &text, int how) {
    std::replace(text.begin(), text.end(), u'\x1A', u'Z');
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] >= 0xD800 && text[i] < 0xE000 && !Survives(CP_UTF8, text.substr(i, 2)) &&
            (i == 0 || !Survives(CP_UTF8, text.substr(i - 1, 2))))
            text[i] = u'S';
    if (how == 3 && !text.empty() && text[0] == 0xFEFF) return 2;
    bool ansiKind = Survives(CP_ACP, text) && !ReadsAsOtherKind(ToCodePage(CP_ACP, text));
    return how == 4 && !ansiKind ? 2 : how;
}

class NoteStoreProperties : public ::testing::Test {
  protected:
    void SetUp() override {
        // Each locale run is in the code page it was meant to have.
        if (const char *codePage = std::getenv("QUILLET_CODE_PAGE")) {
            ASSERT_EQ(GetACP(), std::strtoul(codePage, nullptr, 10));
        }
        ResetAppState();
        lists_ = MakeNoteLists();
        slot_ = MakeTempFolder("properties") + "QuilletSlot0.txt";
        SetWide(g_app.programFolder, slot_.substr(0, slot_.size() - 16));
    }
    void TearDown() override {
        DeleteFileA(slot_.c_str());
        DestroyWindow(lists_);
    }

    // Checks the case of each seed; the first failure is shrunk and reported
    // with the line that replays it.
    template <class Make, class Check>
    void ForEachSeed(uint32_t fixedCases, Make make, Check check) {
        const char *replay = std::getenv("QUILLET_PROPERTY_SEED"),
                   *many = std::getenv("QUILLET_PROPERTY_CASES");
        uint32_t first = replay ? std::strtoul(replay, nullptr, 10) : 1;
        uint32_t count = replay ? 1 : many ? std::strtoul(many, nullptr, 10) : fixedCases;
        for (uint32_t seed = first; seed < first + count; ++seed) {
            Gen g(seed);
            Case c = make(g);
            if (check(c).empty()) continue;
            c.bytes = Shrink(c.bytes, [&](const Bytes &b) {
                return check(Case{c.how, b, c.units});
            });
            c.units = Shrink(c.units, [&](const Units &u) {
                return check(Case{c.how, c.bytes, u});
            });
            ADD_FAILURE() << "seed " << seed << " fails in code page " << GetACP() << ": "
                          << check(c) << "\nsmallest input (kind " << c.how
                          << "): " << Show(c.bytes) << Show(c.units)
                          << "\nreplay: QUILLET_PROPERTY_SEED=" << seed
                          << " wine quillet_win32_tests.exe --gtest_filter=NoteStoreProperties."
                          << ::testing::UnitTest::GetInstance()->current_test_info()->name();
            return;
        }
    }

    Units NoteAsUnicode(const NoteRecord &note) {
        static char16_t wide[kNoteTextSize];
        if (!note.utf8) return FromCodePage(CP_ACP, note.text);
        NoteTextAsUnicode(note, wide);
        return wide;
    }

    // Saved and loaded back exactly, or refused for a reason that holds, with
    // a message, and nothing written.
    std::string PasteHolds(const Case &c) {
        bool unicode = c.how == 1;
        DeleteFileA(slot_.c_str());
        size_t size = unicode ? c.units.size() : c.bytes.size(),
               block = unicode ? 2 * size + 2 : size + 1;
        const void *text = unicode ? static_cast<const void *>(c.units.c_str()) : c.bytes.c_str();
        if (!PutClipboardBlock(unicode ? CF_UNICODETEXT : CF_TEXT, text, block, block))
            return "no clipboard";
        PasteResult result = PasteNewNote();
        bool written = GetFileAttributesA(slot_.c_str()) != INVALID_FILE_ATTRIBUTES;
        const NoteRecord &note = g_app.notes.records[0];
        Units back = NoteAsUnicode(note);
        if (result.status == PasteStatus::Saved) {
            bool same = unicode     ? back == c.units
                        : note.utf8 ? back == FromCodePage(CP_ACP, c.bytes) &&
                                          ToCodePage(CP_ACP, back) == c.bytes
                                    : note.text == c.bytes;
            return !written ? "reported saved, but no file"
                   : same   ? ""
                            : "saved, but loads back as " + Show(back);
        }
        wchar_t said[512];
        if (written) return "refused, but a file was written";
        if (!PasteMessage(result, said, 512)) return "refused without a word";
        PasteStatus status = result.status; // each refusal only for a reason that holds
        bool allowed =
            (status == PasteStatus::NothingToSave && size == 0) ||
            (status == PasteStatus::HoldsEndOfFile &&
             (c.units.find(u'\x1A') != Units::npos || c.bytes.find('\x1A') != Bytes::npos)) ||
            (status == PasteStatus::ClipboardFailed &&
             result.clipboard == ClipboardStatus::TooBig && TooBig(c)) ||
            (status == PasteStatus::NotKeptExactly &&
             (unicode ? !Survives(CP_UTF8, c.units)
                      : !Survives(CP_ACP, c.bytes) && ReadsAsOtherKind(c.bytes)));
        return allowed ? "" : "refused: " + Narrow(said);
    }

    // No form of the text fits: the clipboard's limits (a CF_TEXT block of
    // 4096 bytes, 4095 units), nor its ANSI form, marked UTF-8 or UTF-16.
    static bool TooBig(const Case &c) {
        bool unicode = c.how == 1, exactAnsi = !unicode || Survives(CP_ACP, c.units);
        Units wide = unicode ? c.units : FromCodePage(CP_ACP, c.bytes);
        Bytes ansi = unicode ? ToCodePage(CP_ACP, c.units) : c.bytes;
        bool readsAsItself =
            !ReadsAsOtherKind(ansi) || (GetACP() == CP_UTF8 && ansi.rfind("\xEF\xBB\xBF", 0) != 0);
        bool ansiFits = exactAnsi && readsAsItself && ansi.size() < kNoteTextSize;
        bool utf8Fits = ToCodePage(CP_UTF8, wide).size() + 3 < kNoteTextSize;
        return (!unicode && c.bytes.size() >= kNoteTextSize) || wide.size() >= kNoteTextSize ||
               !(ansiFits || utf8Fits || wide.size() <= 2046);
    }

    // The characters of the loaded note, as copying it back gives them.
    static Units Characters(const NoteRecord &note) {
        return note.utf8 ? DecodeUtf8(note.text) : DecodeAnsi(note.text);
    }

    // Loading changes no file; a file with text is a note whose row is its
    // characters and which copies back and deletes; a text stored whole loads
    // back as itself, or when the file is over the limit, cut between two
    // characters.
    std::string LoadHolds(const Case &c) {
        Units text = c.units;
        Bytes file = c.how < 0 ? c.bytes : Encode(text, ValidInKind(text, c.how));
        WriteFileBytes(slot_, file);
        LoadNotes();
        if (ReadFileBytes(slot_) != file) return "loading changed the file";
        FillNoteLists(lists_);
        HWND list = GetDlgItem(lists_, IDC_NOTE_LIST);
        if (SendMessageW(list, LB_GETCOUNT, 0, 0) != HoldsText(file)) return "listed wrongly";
        if (!HoldsText(file)) return DeleteNoteFile(0) ? "" : "cannot delete";
        const NoteRecord *note = FindNoteBySlot(g_app.notes, SlotOfNoteRow(lists_, 0));
        static char16_t row[8192];
        row[SendMessageW(list, LB_GETTEXT, 0, LPARAM(row)) & 8191] = u'\0';
        Units chars = note ? Characters(*note) : u"", back = note ? NoteAsUnicode(*note) : u"";
        // An ANSI note copies back as its bytes; a Unicode one as characters.
        if (!note || (note->utf8 && back != chars)) return "copies back as " + Show(back);
        if (row != RowOf(chars, 4095)) return "the row is " + Show(Units(row));
        // Any row cut, at any limit, is cut between two characters.
        char16_t cut[64];
        size_t limit = file.size() * 7 % 64;
        MakeDisplayText(chars.data(), chars.size(), cut, limit + 1);
        if (Units(cut) != RowOf(chars, limit)) return "cut row " + Show(Units(cut));
        if (!DeleteNoteFile(0) || GetFileAttributesA(slot_.c_str()) != INVALID_FILE_ATTRIBUTES)
            return "cannot delete";
        if (c.how < 0) return "";
        if (file.size() < kNoteTextSize) return back == text ? "" : "loads as " + Show(back);
        return text.compare(0, back.size(), back) == 0 ? ""
                                                       : "cut inside a character: " + Show(back);
    }

    std::string slot_;
    HWND lists_ = nullptr;
};

} // namespace

TEST_F(NoteStoreProperties, APasteLoadsBackExactlyOrIsRefusedWithItsReason) {
    auto make = [](Gen &g) {
        Case c{int(g.Below(2)), "", u""};
        size_t length = g.Length(4096), most = g.Below(4) == 0 ? 4090 + g.Below(4) : 0;
        if (c.how == 0) c.bytes = g.ByteText(length, false);
        if (c.how == 1) c.units = g.UnitText(length);
        while (c.how == 1 && ToCodePage(CP_UTF8, c.units).size() < most)
            c.units += u'x';              // at the limit of marked UTF-8
        if (c.how == 1 && most == 4090) { // letters only, at the limits of UTF-16
            size_t letters = 1300 + g.Below(800);
            for (c.units.clear(); c.units.size() < letters;)
                c.units += g.Letter();
            c.units.resize(letters);
        }
        return c;
    };
    ForEachSeed(1500, make, [&](const Case &c) { return PasteHolds(c); });
}

TEST_F(NoteStoreProperties, AFileWithTextIsANoteListedAsItsCharacters) {
    auto make = [](Gen &g) {
        static const char *const kMarks[] = {"", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"};
        Case c{int(g.Below(6)) - 1, "", u""};
        if (c.how < 0) c.bytes = g.Pick(kMarks) + g.ByteText(g.Length(6000), true);
        if (c.how < 0 && g.Below(8) == 0) // one byte over and over, such as a lead byte
            c.bytes = g.Pick(kMarks) + Bytes(g.Length(6000), char(0x80 + g.Below(0x80)));
        if (c.how >= 0) c.units = g.UnitText(g.Length(2100));
        return c;
    };
    ForEachSeed(1500, make, [&](const Case &c) { return LoadHolds(c); });
}
