// Text rules that need no system: trimming and the ASCII-only case changes.
#pragma once

// Removes spaces, line feeds and tabs (never carriage returns) from both ends,
// in place; the text keeps its address.
// Bytes and wide text alike.
template <class Char> void TrimText(Char *text);

enum class CaseConversion { Lower, Upper, Invert };

// Tells whether a byte starts a two-byte character of the ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char);

// Changes the 26 ASCII letters only; every other character stays as it is
// whatever the user's locale. With a lead-byte predicate (a double-byte code
// page), the byte after a lead byte belongs to its character and never changes.
void ConvertCase(char *text, CaseConversion conversion, LeadBytePredicate isLeadByte = nullptr);
// The same over UTF-16, where no ASCII letter is ever part of another character.
void ConvertCase(char16_t *text, CaseConversion conversion);

void ToUpperText(char *text);
void ToLowerText(char *text);
void InvertCaseText(char *text);
