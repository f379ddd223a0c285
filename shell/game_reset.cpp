// The one reset of the game's state.
#include "shell/game_reset.h"

#include "core/frame_timing.h"
#include "core/settings_file.h"
#include "platform/clock.h"
#include "platform/data_files.h"
#include "platform/debug_log.h"
#include "platform/dialog.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/game_sounds.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/script.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "raceday/announcer.h"
#include "raceday/captions.h"
#include "raceday/race_card.h"
#include "raceday/race_day.h"
#include "raceday/race_sim.h"
#include "raceday/race_view.h"
#include "results/payouts.h"
#include "results/results_screen.h"
#include "screens/credits.h"
#include "shell/desktop_keys.h"
#include "shell/dialog_procedure.h"
#include "shell/frame_driver.h"
#include "shell/kept_preferences.h"
#include "shell/startup.h"
#include "shell/window_proc.h"
#include "stable/field_draw.h"
#include "stable/horse_record.h"
#include "stable/odds.h"
#include "stable/stakes.h"

void ResetGameState() {
    // What a run holds, released first: nothing below may still play or draw.
    ReleaseGameSprites();
    ShutdownSound();
    ResetGameSounds();
    ReleaseFonts();
    ReleaseDisplay();
    ReleaseMouse();
    ReleaseKeyboard();
    ReleaseInput();

    ResetDisplayHooks();
    ClearInputState();
    ClearQuitMessage();
    SetWindowProcedure(nullptr);
    InitClock(0);
    ResetRandom();
    StopScript();
    ResetDialogs();
    ResetSoundLevels();
    SetInstalledDataFolder("");
    bugLog.Close();

    ResetFrameDriver();
    ResetFrameTiming();
    ResetSettingsBlock();
    ResetDialogProcedure();
    ResetKeptPreferences();
    ResetWindowProc();
    ResetDesktopKeys();

    ResetRaceDay();
    ResetOdds();
    ResetRaceCard();
    ResetRaceSim();
    ResetRaceView();
    ResetAnnouncer();
    ResetCaptions();
    ResetRaceField();
    ResetFieldDraw();
    ResetStakesNotices();
    ResetPlayerResults();
    ResetResultsScreen();
    ResetCredits();
}
