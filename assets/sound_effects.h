// The synthesised clips: effects, ambience, horses and music.
#pragma once

#include "assets/synth.h"

Clip MakeClick(bool second); // click1.wav, click2.wav: menu clicks
Clip MakeCrowd(bool main);   // crowd.wav (murmur), maincrowd.wav (roar): seamless loops
Clip MakeGallop();           // gallop.wav: the field's hooves, a seamless loop
Clip MakeOffBell();          // theiroffsound.wav: the gates crash open to the bell
Clip MakeCash();             // cash.wav: the till rings up a bet
Clip MakeExplosion();        // explode.wav: the title banner lands
Clip MakeHorse(int kind);    // horse1..4.wav: whinny, neigh, snort, nicker (kind 0..3)
Clip MakeBugleCall();        // postcall.wav: the call to post
Clip MakeFanfare();          // intro.wav: the opening fanfare, at least 7 s
Clip MakeCardTune();         // background.wav: the race card's tune, looping
