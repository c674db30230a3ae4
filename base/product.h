// Names, addresses and texts that identify the product. Kept in one place so
// that the resource script and the code can never disagree. Plain macros
// because the resource compiler reads this file too.
#pragma once

#define QUILLET_VERSION_STRING "Quillet v1.0.3.2"
#define QUILLET_VERSION_DIGITS 1, 0, 3, 2
#define QUILLET_VERSION_TEXT "1, 0, 3, 2"
#define QUILLET_COPYRIGHT "Copyright (C) 2026 Vantler. All rights reserved."

// The maker's host lies in a reserved example domain: it belongs to no one.
#define QUILLET_HOME_URL "http://www.vantler.example"
#define QUILLET_SITE_URL QUILLET_HOME_URL "/software/quillet"
#define QUILLET_DONATION_EMAIL "donations@vantler.example"
#define QUILLET_DONATION_URL                                                                       \
    "https://www.paypal.example/cgi-bin/webscr?cmd=_xclick&business=" QUILLET_DONATION_EMAIL       \
    "&no_note=1&currency_code=GBP&tax=0&bn=PP-DonationsBF"
#define QUILLET_DONATION_RECIPIENT_TEXT                                                            \
    "Donations will be made to " QUILLET_DONATION_EMAIL ", the copyright owner of this software."
