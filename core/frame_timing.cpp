// Frame timing: the measured frame rate and the frame factor that scales all race-day motion.
#include "core/frame_timing.h"

int32_t framesPerSecond = 0;
float frameFactor = 0.0f;
int32_t heldFramesPerSecond = 0;
int32_t holdFrames = 0;
FrameTiming frameTiming = {};

void HoldFrameRate() {
    heldFramesPerSecond = framesPerSecond;
    holdFrames = framesPerSecond;
}

void ApplyHeldFrameRate() {
    if (holdFrames != 0) {
        framesPerSecond = heldFramesPerSecond;
        holdFrames -= 1;
    }
}

void MeasureFrameTime(uint32_t nowMs) {
    const uint32_t elapsed = nowMs - frameTiming.previousMs;
    frameTiming.previousMs = nowMs;
    frameTiming.accumulatedMs += elapsed;
    frameTiming.framesThisSecond += 1;
    if (frameTiming.accumulatedMs > 1000) {
        // While a hold stands, the second that held a box is not a measurement.
        if (holdFrames == 0) {
            framesPerSecond = frameTiming.framesThisSecond;
        }
        frameTiming.framesThisSecond = 0;
        frameTiming.accumulatedMs = 0;
    }
}

void UpdateFrameFactor() {
    // No measurement yet gives 60 / 0: treat it as no scaling rather than infinity.
    frameFactor = framesPerSecond > 0 ? static_cast<float>(60.0 / framesPerSecond) : 1.0f;
}

void ResetFrameTiming() {
    framesPerSecond = 0;
    frameFactor = 0.0f;
    heldFramesPerSecond = 0;
    holdFrames = 0;
    frameTiming = {};
}
