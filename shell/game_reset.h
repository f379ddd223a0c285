// Where the game's state lives, and the one reset that puts all of it back.
#pragma once

// Every piece of mutable state belongs to one group, owned by one module: only the owner writes
// it, everyone else calls the owner. Lifetimes: "run" is one RunStridewell (a process may play
// several), "game" from a new or loaded game, "day" one race day, "race" from one race's card
// to its results.
//
// | group                        | owner                   | lifetime | reset |
// |------------------------------|-------------------------|----------|----------------------------|
// | window, back buffer          | platform/display        | run      | ReleaseDisplay | | keyboard
// and mouse           | platform/input          | run      | ClearInputState, Release*  | | window
// events, quit          | platform/events         | run      | ClearQuitMessage           | | clock
// | platform/clock          | run      | InitClock                  | | random generators |
// platform/random         | run      | ResetRandom                | | script | platform/script |
// run      | StopScript                 | | dialogs open                 | platform/dialog | run |
// ResetDialogs               | | fonts, line caches           | platform/text           | run |
// ReleaseFonts               | | sprites                      | platform/game_sprites   | run |
// ReleaseGameSprites         | | sound device, slots, levels  | platform/sound          | run |
// ShutdownSound, ResetSoundLevels | | clip slots                   | platform/game_sounds    | run
// | ResetGameSounds            | | installed data folder        | platform/data_files     | run |
// SetInstalledDataFolder     | | debug log                    | shell/debug_log         | run |
// BugLog::Close              | | screen (gameState)           | shell/frame_driver      | run |
// ResetFrameDriver           | | frame rate                   | shell/frame_timing      | run |
// ResetFrameTiming           | | saved game (settingsBlock)   | shell/settings_file     | game |
// ResetSettingsBlock         | | dialog answers               | shell/dialog_procedure  | game |
// ResetDialogProcedure       | | preferences seen             | shell/main_loop         | run |
// ResetMainLoop              | | window closed                | shell/window_proc       | run |
// ResetWindowProc            | | mute and screenshot keys     | shell/desktop_keys      | run |
// ResetDesktopKeys           | | players, the race's counters | raceday/race_day        | game |
// ResetRaceDay               | | runner ratings and odds      | raceday/odds            | race |
// ResetOdds                  | | selected runner              | raceday/race_card       | game |
// ResetRaceCard              | | race simulation              | raceday/race_sim        | race |
// ResetRaceSim               | | race view                    | raceday/race_view       | race |
// ResetRaceView              | | announcer                    | raceday/announcer       | race |
// ResetAnnouncer             | | captions                     | raceday/captions        | run |
// ResetCaptions              | | the field                    | stable/horse_record     | race |
// ResetRaceField             | | field draw                   | stable/field_draw       | day |
// ResetFieldDraw             | | stakes notices               | stable/stakes           | game |
// ResetStakesNotices         | | payouts                      | results/payouts         | race |
// ResetPlayerResults         | | results screen               | results/results_screen  | race |
// ResetResultsScreen         | | credits roll                 | screens/credits         | run |
// ResetCredits               |

// Puts every group back to its start-of-run value and releases what a run holds (window, fonts,
// sprites, clips). Called as every run of the game starts, and by the tests before each case.
void ResetGameState();
