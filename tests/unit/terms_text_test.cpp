#include "app/terms_text.h"
#include "support/string_forms.h"
#include <gtest/gtest.h>

namespace {
bool Matches(std::string line) {
    line += '\0';
    return AcceptanceLineMatches(&line[0], AcceptanceText());
}
} // namespace

TEST(Acceptance, Texts) {
    EXPECT_EQ(AcceptanceText(),
              "The Terms and Conditions and Disclaimer for 'Quillet v1.0.3.2' have been accepted.");
    EXPECT_EQ(AcceptanceCreationErrorText(),
              "ERROR: Could not create 'TermsAccepted.txt' ['TermsAccepted.txt'].");
    EXPECT_EQ(LinksQuestionText(), "This is the first time you have run this version of this "
                                   "application.\n\nCreate links/shortcuts to Quillet v1.0.3.2?");
    std::string note = SharedLocationNoteText("C:\\Q\\");
    EXPECT_NE(note.find("'C:\\Q\\'\n\n... folder to your backup itinery."), std::string::npos);
    EXPECT_EQ(note.find("IMPORTANT NOTE: 'Quillet v1.0.3.2' is not designed"), 0u);
    EXPECT_NE(DisclaimerText().find("This software [Quillet v1.0.3.2] is supplied"),
              std::string::npos);
}

TEST(Acceptance, FirstLineComparison) {
    std::string text = AcceptanceText();
    EXPECT_TRUE(Matches(text));
    EXPECT_TRUE(Matches(text + "\n"));
    EXPECT_TRUE(Matches(" \t" + text + " \n"));
    EXPECT_TRUE(Matches(text.substr(0, text.size() - 1)));
    EXPECT_TRUE(Matches(text + " and more"));
    EXPECT_FALSE(Matches(text.substr(0, text.size() - 2)));
    EXPECT_FALSE(Matches(""));
    EXPECT_FALSE(Matches("The Terms and Conditions and Disclaimer for 'Quillet v1.0.3.1' have been "
                         "accepted."));
    EXPECT_FALSE(Matches("\r" + text));
}
