// Every sprite of the game: made at start-up from the asset manifest or by the screen that
// shows it, released at shutdown. Each lives for the whole run.
#pragma once

#include "platform/sprite.h"

constexpr int kRunnerCount = 10;

// The race view.
extern Sprite sTrackPart1, sTrackPart2;
extern Sprite sHorse[kRunnerCount];
extern Sprite sTree1, sTree2, sTree3, sTree4;
extern Sprite sTrackPatch1, sTrackPatch2;
extern Sprite sToteBoard;
extern Sprite sProgressMarker, sProgressMap;
extern Sprite sRunnerListPanel;
extern Sprite sStartingGate;
extern Sprite sLeaderButton[4];
extern Sprite sFinishPost;

// The main menu and the frame driver.
extern Sprite sMenuBackground, sMenuHorse;
extern Sprite titleBanner;
extern Sprite sGame, sSettings, sCredits, sExit;
extern Sprite sPlayers[4];
extern Sprite sStakesNotice; // the stakes notices, made while one shows

// The race card.
extern Sprite sButtonA, sBet, sPostTimeText, sMoneyPanel;
extern Sprite sGoButton, sRaceLabel, sLabelB, sHighlight;
extern Sprite sRunnerButton[kRunnerCount];
extern Sprite sTrack; // placed by a new game, never made: drawing it draws nothing

// Results and champions.
extern Sprite sBetsBoard, sBack;
extern Sprite sResults, sChampion, sTodaysChamp, sResetNotice;

// The options screen.
extern Sprite sOptionsPanel, sPostTimeOption, sAnnouncerOption, sRacesOption;
extern Sprite sSpareButton, sSimOption, sStakesDaysOption;

// The name dialogs and the intro.
extern Sprite sPlayerTab[4];
extern Sprite sIntroA, sIntroB, sIntroC, sIntroD;
