// The dialog runner driven by scripts: typing, focus, radio buttons, Enter, Escape and boxes.
#include "platform/dialog.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "platform/display.h"
#include "platform/keys.h"
#include "platform/script.h"
#include "platform/text.h"
#include "resources/dialog_templates.h"
#include "shell/game_reset.h"
#include "tests/test_support.h"

namespace {

// What the procedures under test saw.
struct Seen {
    int commands[16];
    int count;
    char names[4][20];
    int amount;
    bool amountRead;
    bool placeChecked;
} seen;

int RecordingProcedure(Dialog* dialog, DialogMessage message, int id) {
    if (message != DialogMessage::Command) {
        return 0;
    }
    if (seen.count < 16) {
        seen.commands[seen.count++] = id;
    }
    if (id == kIdStartGame) {
        for (int p = 0; p < 4; ++p) {
            GetDialogItemText(dialog, kIdPlayerName[p], seen.names[p], sizeof seen.names[p]);
        }
        EndDialog(dialog, 1);
    } else if (id == kIdWin || id == kIdPlace || id == kIdShow) {
        CheckRadioButton(dialog, kIdWin, kIdShow, id);
    } else if (id == kIdPlaceBet) {
        seen.amount = GetDialogItemInt(dialog, kIdBetAmount, &seen.amountRead);
        seen.placeChecked = IsRadioChecked(dialog, kIdPlace);
        EndDialog(dialog, 1);
    } else if (id == kIdCancel) {
        EndDialog(dialog, kIdCancel);
    }
    return 0;
}

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        seen = {};
        ASSERT_EQ(OpenGameWindow("Stridewell", true), 1);
        ASSERT_EQ(InitDisplay(kScreenWidth, kScreenHeight, 16), 1);
        SetFramePacing(false);
        FillBackBuffer(0, 10, 0);
        PresentFrame();
    }
    void TearDown() override { ResetGameState(); }
    static int Centre(const DialogTemplate& dialog, int index, bool y) {
        const DialogRect r = DialogControlRect(dialog, index);
        return y ? r.y + r.height / 2 : r.x + 6;
    }
};

TEST_F(DialogTest, NamesAreTypedIntoTheFocusedEditWhereTheCaretIsAndTabMovesOn) {
    StartScriptFromNextFrame("1 type Bob Smith\n"
                             "2 key Backspace\n"
                             "3 key Tab\n"
                             "3 type nn\n"
                             "4 key Home\n"
                             "5 type A\n"
                             "6 key End\n"
                             "7 type e\n"
                             "8 key Enter\n");
    EXPECT_EQ(RunDialog(kGet2NamesDialog, RecordingProcedure), 1);
    EXPECT_STREQ(seen.names[0], "Bob Smit");
    EXPECT_STREQ(seen.names[1], "Anne");
    ASSERT_EQ(seen.count, 1);
    EXPECT_EQ(seen.commands[0], kIdStartGame); // Enter sends the default button
}

// The amount has the focus first and a radio is checked by mouse; what is no whole number reads
// as none. Signs and amounts past the int range are the bet dialog's tests'.
TEST_F(DialogTest, TheBetDialogTakesTheAmountFirstAndARadioByMouse) {
    const int place = 5; // the "Place" radio in the template's control list
    ASSERT_EQ(kPlaceBetDialog.controls[place].id, kIdPlace);
    const std::string click = "2 move " + std::to_string(Centre(kPlaceBetDialog, place, false)) +
                              " " + std::to_string(Centre(kPlaceBetDialog, place, true)) +
                              "\n2 click\n4 key Enter\n";
    for (const auto& [typed, whole, amount] :
         {std::tuple{"-25", true, -25}, {"12abc", false, 0}, {"+", false, 0}, {"+-7", false, 0}}) {
        seen = {};
        StartScriptFromNextFrame(std::string("1 type ") + typed + "\n" + click);
        RunDialog(kPlaceBetDialog, RecordingProcedure);
        EXPECT_EQ(seen.amountRead, whole) << typed;
        EXPECT_EQ(seen.amount, amount) << typed;
        EXPECT_TRUE(seen.placeChecked);
        EXPECT_EQ(seen.commands[0], kIdPlace);
        EXPECT_EQ(seen.commands[1], kIdPlaceBet);
    }
}

// Escape sends Cancel even where the dialog has no Cancel button.
TEST_F(DialogTest, MessageBoxesAnswerYesNoAndOk) {
    StartScriptFromNextFrame("2 key Escape\n");
    EXPECT_EQ(RunDialog(kEndOfDayDialog, RecordingProcedure), kIdCancel);
    EXPECT_EQ(seen.commands[0], kIdCancel);
    StartScriptFromNextFrame("2 key Escape\n");
    EXPECT_EQ(YesNoBox("Are you sure?", "Really?"), kIdNo);
    StartScriptFromNextFrame("2 key Enter\n");
    EXPECT_EQ(YesNoBox("Are you sure?", "Really?"), kIdYes);
    StartScriptFromNextFrame("2 button 7\n");
    EXPECT_EQ(YesNoBox("Are you sure?", "Really?"), kIdNo);
}

TEST_F(DialogTest, WaitingForAKeyShowsTheLastPictureUntilItComes) {
    const int64_t before = PresentedFrameCount();
    StartScriptFromNextFrame("5 keydown S\n");
    EXPECT_EQ(WaitForKey(kKeyS), 1);
    EXPECT_EQ(PresentedFrameCount() - before, 4);
}

// Every template drawn, every text inside its control, nothing outside the box, its focus on
// one of its own controls.
TEST_F(DialogTest, EveryTemplateFitsItsTexts) {
    for (const DialogTemplate* dialog : kDialogTemplates) {
        EXPECT_GE(DialogControlRect(*dialog, 0).x, 0) << dialog->name;
        bool focusFound = false;
        for (size_t i = 0; i < dialog->controls.size(); ++i) {
            const DialogControl& control = dialog->controls[i];
            const DialogRect r = DialogControlRect(*dialog, static_cast<int>(i));
            const std::string text = control.text;
            if (control.kind == ControlKind::Static) {
                const int lines = static_cast<int>(WrapDialogText(text, r.width).size());
                EXPECT_LE(lines * kDialogLineHeight, r.height + 2) << dialog->name << ": " << text;
            } else if (control.kind != ControlKind::Edit) {
                const int room = control.kind == ControlKind::Radio ? r.width - 17 : r.width - 8;
                EXPECT_LE(TextWidth(DialogFont(false), control.text), room) << text;
            }
            EXPECT_LE(r.x + r.width, kScreenWidth);
            EXPECT_LE(r.y + r.height, kScreenHeight);
            focusFound |= control.id == dialog->initialFocus;
        }
        EXPECT_TRUE(focusFound) << dialog->name;
        StartScriptFromNextFrame("2 key Escape\n");
        RunDialog(*dialog, RecordingProcedure);
    }
}

} // namespace
