// Frame timing: the measured frame rate and the frame factor that scales all race-day motion.
#pragma once

#include <cstdint>

// Whole run; ResetFrameTiming puts them back.
extern int32_t framesPerSecond;     // frames counted in the last whole second
extern float frameFactor;           // 60 / framesPerSecond, or 1.0 when that is not positive
extern int32_t heldFramesPerSecond; // the rate to keep across a blocking box
extern int32_t holdFrames;          // frames the held rate still stands

struct FrameTiming {
    uint32_t previousMs;      // clock reading of the previous frame
    uint32_t accumulatedMs;   // milliseconds in the current second so far
    int32_t framesThisSecond; // frames counted in the current second so far
};
extern FrameTiming frameTiming;

// Called just before anything that stops the frames (a box, a dialog, the pause), so the
// long frame that follows does not make the frame factor jump for the next second.
void HoldFrameRate();

// End of every frame, in this order: ApplyHeldFrameRate, MeasureFrameTime with the clock,
// UpdateFrameFactor.
void ApplyHeldFrameRate();
void MeasureFrameTime(uint32_t nowMs);
void UpdateFrameFactor();

void ResetFrameTiming();
