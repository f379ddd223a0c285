// Frame timing: the measured frame rate and the frame factor that scales all race-day motion.
#pragma once

#include <cstdint>

// The frame rate as measured, whole run; ResetFrameTiming puts it back.
struct FrameTiming {
    int32_t framesPerSecond = 0;     // frames counted in the last whole second
    float frameFactor = 0.0f;        // 60 / framesPerSecond, or 1.0 when that is not positive
    int32_t heldFramesPerSecond = 0; // the rate to keep across a blocking box
    int32_t holdFrames = 0;          // frames the held rate still stands
    uint32_t previousMs = 0;         // clock reading of the previous frame
    uint32_t accumulatedMs = 0;      // milliseconds in the current second so far
    int32_t framesThisSecond = 0;    // frames counted in the current second so far
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
