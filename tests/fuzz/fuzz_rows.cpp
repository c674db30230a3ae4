// List rows: the slot parser never reads outside a row, and every row made
// for a note gives back its own slot whatever the note says.
#include "ui/note_rows.h"
#include "support/string_forms.h"
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string row(reinterpret_cast<const char *>(data), size);
    SlotFromRowText(row.c_str()); // exactly sized: ASan sees any overread

    std::string note = row.substr(0, row.find('\0'));
    if (note.size() > 4095) note.resize(4095);
    static char display[kRowBufferSize], index[kRowBufferSize];
    MakeDisplayText(note.c_str(), display, sizeof(display));
    for (char c : std::string(display))
        if (c == '\r' || c == '\n' || c == '\t') std::abort();
    int32_t slot = size > 0 ? data[0] % 50 : 0;
    MakeIndexRow(display, slot, index, sizeof(index));
    if (SlotFromRowText(index) != slot) std::abort();
    return 0;
}
