// The referral page and its place, free of any system call.
#pragma once
#include <string>

// "Quillet v1.0.3.2 - Internet Referrering Page.htm"
std::string ReferralPageName();

// The 30-line page for `url`, lines joined by single LFs (the file gets CR LF).
std::string ComposeReferralPage(const std::string &pageName, const std::string &url);

// The update check's address; the version's space is left as it is.
std::string UpdateUrl();

// Where the page goes, from the TEMP and TMP values (null when unset). Both
// are tested for length before either is used; false means "open the address
// itself". On true, `pagePath` is the folder, a backslash if needed, the name.
bool ReferralPagePath(const char *temp, const char *tmp, std::string &pagePath);

// The donation address is checked before it is shown or opened.
bool DonationUrlIntact(const char *url);
