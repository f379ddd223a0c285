// Lines fitted to their room: the largest face that holds every line, then names cut short
// between whole characters, the lead and the tail always whole.
#include "platform/text_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"

namespace {

TEST(FitLines, TakeTheLargestFaceEveryLineFitsThenCutNamesShort) {
    const Font* large = MakeFont(22, "Arial", "r");
    const Font* small = MakeFont(18, "Arial", "r");
    ASSERT_NE(large, nullptr);
    ASSERT_NE(small, nullptr);
    const int doctor = TextWidth(large, "Doctor's Treasure (#10)");
    const int wolfSmall = TextWidth(small, "Wandering Midnight Wolf (#3)");
    const struct {
        const char* why;
        std::vector<LineParts> lines;
        const Font* face;
        bool cut; // the last line's name is cut short
    } cases[] = {
        {"fits the large face", {{"", "Doctor's Treasure", " (#10)", doctor}}, large, false},
        {"one line too long sets both small",
         {{"", "Doctor's Treasure", " (#10)", doctor},
          {"", "Wandering Midnight Wolf", " (#3)", wolfSmall}},
         small,
         false},
        {"rank and amount stay whole",
         {{"1) ", "WWWWWWWWWWW", " - $2147483647", 190}},
         small,
         true},
        {"characters of two bytes", {{"", "Éloïse Ångström Øyåsæ", "", 80}}, small, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::vector<FittedLine> fitted = FitLines({large, small}, c.lines);
        ASSERT_EQ(fitted.size(), c.lines.size());
        for (size_t i = 0; i < fitted.size(); ++i) {
            const LineParts& line = c.lines[i];
            const std::string& text = fitted[i].text;
            EXPECT_EQ(fitted[i].font, c.face);
            EXPECT_EQ(fitted[i].baselineShift, FontAscent(large) - FontAscent(c.face));
            EXPECT_LE(TextWidth(c.face, text.c_str()), line.room) << text;
            EXPECT_EQ(text.rfind(line.lead, 0), 0u) << text;
            EXPECT_EQ(text.substr(text.size() - line.tail.size()), line.tail) << text;
            const size_t dots = text.find("…");
            const bool cut = i + 1 == fitted.size() && c.cut;
            ASSERT_EQ(dots != std::string::npos, cut) << text;
            // A cut name keeps a start of the name that ends between whole characters.
            const std::string kept =
                cut ? text.substr(line.lead.size(), dots - line.lead.size()) : line.name;
            EXPECT_EQ(line.name.rfind(kept, 0), 0u) << text;
            EXPECT_NE(static_cast<unsigned char>(line.name[kept.size()]) & 0xC0, 0x80) << text;
            if (!cut) {
                EXPECT_EQ(text, line.lead + line.name + line.tail);
            }
        }
    }
    ReleaseFonts();
}

} // namespace
