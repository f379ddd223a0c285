// The intro: four title pictures slide in to a fanfare while start-up waits; S skips it.
#pragma once

// Called by start-up once, with sound: makes the four pictures from images/intro.bmp and
// loads the fanfare.
void PrepareIntro();

// One frame of the intro, called by start-up while gameState is the intro's. The frame ends
// the intro when the first picture has arrived and the fanfare is over, or when S is down.
void IntroFrame();

// Called by start-up after the intro: the four pictures are not needed again.
void DestroyIntro();
