// The credits: names scrolling up behind the main menu's backdrop.
#include "screens/credits.h"

float creditsPosition = kCreditsStart;
