// Where the game's state lives, and the one reset that puts all of it back.
#pragma once

// Every piece of the game's mutable state belongs to one group, owned by one module: the owner
// writes it and everyone else calls the owner. Lifetimes: "run" is one RunStridewell (a process
// may play several), "game" from a new or loaded game, "day" one race day, "race" from one race's
// card to its results.
//
// clang-format off
// | group                                   | owner                     | lifetime | reset               |
// |-----------------------------------------|---------------------------|----------|---------------------|
// | window, primarySurface, backBuffer      | platform/display          | run      | ReleaseDisplay, ResetDisplayHooks |
// | input: keys, mouse, click edges         | platform/input            | run      | ClearInputState     |
// | quit message, window procedure          | platform/window_messages  | run      | ClearQuitMessage    |
// | clock                                   | platform/clock            | run      | InitClock           |
// | Rand, SceneRand                         | platform/random           | run      | ResetRandom         |
// | script                                  | platform/script           | run      | StopScript          |
// | dialogs open                            | platform/dialog           | run      | ResetDialogs        |
// | fonts (GAME_FONTS), line caches         | platform/text             | run      | ReleaseFonts        |
// | sprites (GAME_SPRITES)                  | platform/game_sprites     | run      | ReleaseGameSprites  |
// | sound: clip slots, device, levels       | platform/sound            | run      | ShutdownSound, ResetSoundLevels |
// | clip numbers (GAME_SOUNDS)              | platform/game_sounds      | run      | ResetGameSounds     |
// | installed data folder                   | platform/data_files       | run      | SetInstalledDataFolder |
// | bugLog                                  | platform/debug_log        | run      | BugLog::Close       |
// | gameState                               | core/game_state           | run      | SwitchScreen        |
// | frameTiming                             | core/frame_timing         | run      | ResetFrameTiming    |
// | settingsBlock: the saved game           | core/settings_file (1)    | game     | ResetSettingsBlock  |
// | raceField, horseUsed                    | stable/horse_record (2)   | race     | ResetRaceField      |
// | fieldDraw                               | stable/field_draw         | day      | ResetFieldDraw      |
// | fieldOdds                               | stable/odds               | race     | ResetOdds           |
// | stakesNoticeDue                         | stable/stakes             | game     | ResetStakesNotices  |
// | raceDay: the players                    | raceday/race_day          | game     | ResetRaceDay        |
// | raceState: the race's counters          | raceday (3)               | race     | ResetRaceForNextRace, ResetRaceDay |
// | raceCard: the card's choices            | raceday/race_card         | run      | ResetRaceCard       |
// | raceSim                                 | raceday/race_sim          | race     | ResetRaceSim        |
// | raceSim's memos: lanes, places, decay   | raceday/race_sim          | none     | none: checked before each use |
// | raceView                                | raceday/race_view         | race     | ResetRaceView       |
// | announcer, announcerClips               | raceday/announcer         | race     | ResetAnnouncer      |
// | captions                                | raceday/captions          | run      | ResetCaptions       |
// | playerResults                           | results/payouts           | race     | ResetPlayerResults  |
// | resultsScreen                           | results/results_screen    | race     | ResetResultsScreen  |
// | creditsPosition                         | screens/credits           | run      | ResetCredits        |
// | frame-rate read-out, screen note        | shell/frame_driver        | run      | ResetFrameDriver    |
// | the names dialog's players              | shell/dialog_procedure    | game     | ResetDialogProcedure |
// | preferences kept through the run        | shell/kept_preferences    | run      | ResetKeptPreferences |
// | window closed                           | shell/window_proc         | run      | ResetWindowProc     |
// | mute and screenshot keys                | shell/desktop_keys        | run      | ResetDesktopKeys    |
// clang-format on
//
// (1) The saved game is one block because the file is: core/settings_file reads, checks and
//     writes it; its fields are kept by the part of the game they belong to (the calendar its
//     dates, the stakes their series, the options screen and start-up the options, the new game
//     the number of players).
// (2) Filled by the field draw and the stakes field, raced by the simulation.
// (3) The simulation steps the distance, the phase and the camera, the view the board, the
//     post-time clock its hold.

// Puts every group back to its start-of-run value and releases what a run holds (window, fonts,
// sprites, clips). Called as every run of the game starts, and by the tests before each case.
void ResetGameState();
