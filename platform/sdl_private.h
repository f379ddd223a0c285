// What the platform files share about SDL; nothing outside platform/ includes this.
#pragma once

#include <SDL.h>

struct Surface {
    SDL_Surface* sdl;
};

// SDL pixel format of the display packing (5-6-5, or 5-5-5 on a 15-bit display).
Uint32 DisplayPixelFormat();

// The game window, or null before it is open.
SDL_Window* GameWindow();
