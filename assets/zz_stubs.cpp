#include "assets/pictures.h"
#include "assets/sounds.h"
#include "assets/horse_files.h"
void DrawMenuBackdrop(Canvas*) {}
void DrawMenuHorse(Canvas*) {}
void DrawIntroSheet(Canvas*) {}
void DrawResultsBoard(Canvas*) {}
void DrawStakesChampion(Canvas*) {}
void DrawTodaysChampion(Canvas*) {}
void DrawResetNotice(Canvas*) {}
void DrawStakesNotice1(Canvas*) {}
void DrawStakesNotice2(Canvas*) {}
void DrawStakesNotice3(Canvas*) {}
void DrawStakesNotice4(Canvas*) {}
std::vector<std::string> SoundFiles() { return {}; }
int WriteSounds(const std::string&, std::string*) { return 0; }
int WriteHorseFiles(const std::string&, std::string*) { return 0; }
