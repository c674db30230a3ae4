// Texts of the first-run acceptance, free of any system call.
#pragma once
#include <cstddef>
#include "../base/product.h"

// In the current folder, whatever language the folder's name is in.
constexpr wchar_t kAcceptanceFileName[] = L"TermsAccepted.txt";

// The line written into the acceptance file (it has nothing to trim).
constexpr char kAcceptanceText[] =
    "The Terms and Conditions and Disclaimer for '" QUILLET_VERSION_STRING "' have been accepted.";

constexpr char kDisclaimerText[] =
    "LEGAL DISCLAIMER: This software [" QUILLET_VERSION_STRING
    "] is supplied with no warranties given for any purpose whatsoever. This software is used at "
    "the users' own risk, and any and all companies or persons associated with the programming or "
    "supply of this software hereby exempt themseleves from any and all legal procescution "
    "resulting from the use of this software.\n\nClick 'Yes' to Accept these terms and continue "
    "with use of this software; Click 'No' to reject these terms and discontinue use of this "
    "software.";

constexpr char kLinksQuestionText[] =
    "This is the first time you have run this version of this "
    "application.\n\nCreate links/shortcuts to " QUILLET_VERSION_STRING "?";

constexpr char kAcceptanceCreationErrorText[] =
    "ERROR: Could not create 'TermsAccepted.txt' ['TermsAccepted.txt'].";

// The note about shared folders, naming the program's folder; cut to
// outSize - 1 characters of the folder's width.
template <class Char>
void SharedLocationNoteText(const Char *programFolder, Char *out, size_t outSize);

// True when the trimmed first line starts with the acceptance text less its
// final full stop. `firstLine` is trimmed in place.
bool AcceptanceLineMatches(char *firstLine, const char *acceptance);
