// The race card's odds, in both forms.
#include "raceday/race_card.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatOdds, WritesCodesFrom399To447InBothForms) {
    char text[16];
    EXPECT_FALSE(FormatOdds(398, OddsForm::Card, text, sizeof text));
    EXPECT_STREQ(text, "");
    EXPECT_TRUE(FormatOdds(399, OddsForm::Card, text, sizeof text));
    EXPECT_STREQ(text, "2 - 1");
    EXPECT_TRUE(FormatOdds(399, OddsForm::Race, text, sizeof text));
    EXPECT_STREQ(text, "2/1");
    EXPECT_TRUE(FormatOdds(400, OddsForm::Card, text, sizeof text));
    EXPECT_STREQ(text, "3 - 1");
    EXPECT_TRUE(FormatOdds(447, OddsForm::Race, text, sizeof text));
    EXPECT_STREQ(text, "50/1");
    EXPECT_FALSE(FormatOdds(448, OddsForm::Race, text, sizeof text));
}

} // namespace
