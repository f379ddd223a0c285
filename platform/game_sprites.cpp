// Every sprite of the game: made at start-up from the asset manifest or by the screen that
// shows it, released at shutdown.
#include "platform/game_sprites.h"

Sprite sTrackPart1, sTrackPart2;
Sprite sHorse[kRunnerCount];
Sprite sTree1, sTree2, sTree3, sTree4;
Sprite sTrackPatch1, sTrackPatch2;
Sprite sToteBoard;
Sprite sProgressMarker, sProgressMap;
Sprite sRunnerListPanel;
Sprite sStartingGate;
Sprite sLeaderButton[4];
Sprite sFinishPost;

Sprite sMenuBackground, sMenuHorse;
Sprite titleBanner;
Sprite sGame, sSettings, sCredits, sExit;
Sprite sPlayers[4];
Sprite sStakesNotice;

Sprite sButtonA, sBet, sPostTimeText, sMoneyPanel;
Sprite sGoButton, sRaceLabel, sLabelB, sHighlight;
Sprite sRunnerButton[kRunnerCount];
Sprite sTrack;

Sprite sBetsBoard, sBack;
Sprite sResults, sChampion, sTodaysChamp, sResetNotice;

Sprite sOptionsPanel, sPostTimeOption, sAnnouncerOption, sRacesOption;
Sprite sSpareButton, sSimOption, sStakesDaysOption;

Sprite sPlayerTab[4];
Sprite sIntroA, sIntroB, sIntroC, sIntroD;
