#include "terms_text.h"
#include "../base/fixed_text.h"
#include "../cliptools/text_rules.h"
#include <cstring>

template <class Char>
void SharedLocationNoteText(const Char *programFolder, Char *out, size_t outSize) {
    BasicFixedText<Char> note(out, outSize);
    note.addAscii(
        "IMPORTANT NOTE: '" QUILLET_VERSION_STRING
        "' is not designed to operate from a shared location and it should be executed from a "
        "unshared and secured folder.\n\nIMPORTANT NOTE: '" QUILLET_VERSION_STRING
        "' stores unencrypted data in it's containing folder, and should not be executed from "
        "a insecure or shared folder.\n\nAlso, please remember to add the...\n\n'");
    note.add(programFolder).addAscii("'\n\n... folder to your backup itinery.");
}
template void SharedLocationNoteText(const char *, char *, size_t);
template void SharedLocationNoteText(const wchar_t *, wchar_t *, size_t);

bool AcceptanceLineMatches(char *firstLine, const char *acceptance) {
    TrimText(firstLine);
    size_t length = std::strlen(acceptance);
    size_t compared = length == 0 ? 0 : length - 1;
    return std::strncmp(firstLine, acceptance, compared) == 0;
}
