// The referral page and its place, free of any system call.
#pragma once
#include <cstddef>
#include "../base/product.h"

constexpr char kReferralPageName[] = QUILLET_VERSION_STRING " - Internet Referrering Page.htm";

// The update check's address; the version's space is left as it is.
constexpr char kUpdateUrl[] =
    QUILLET_SITE_URL "/version_checker.pl?version=" QUILLET_VERSION_STRING;

// Room for the page of any address up to a path's length and a half.
constexpr size_t kReferralPageBufferSize = 4096;

// The 30-line page for `url`, lines joined by single LFs (the file gets CR LF).
// False when it did not fit in outSize - 1 bytes (and was cut).
bool ComposeReferralPage(const char *pageName, const char *url, char *out, size_t outSize);

// Where the page goes, from the TEMP and TMP values (null when unset). Both
// are tested for length before either is used; false means "open the address
// itself". On true, `out` (261 characters are always enough) holds the folder,
// a backslash if needed, and the name; the program's are wide (UTF-16).
template <class Char>
bool ReferralPagePath(const Char *temp, const Char *tmp, Char *out, size_t outSize);

// The donation address is checked before it is shown or opened.
bool DonationUrlIntact(const char *url);
