// Frame timing: the measured frame rate and the frame factor that scales all race-day motion.
#include "core/frame_timing.h"

FrameTiming frameTiming;

void HoldFrameRate() {
    frameTiming.heldFramesPerSecond = frameTiming.framesPerSecond;
    frameTiming.holdFrames = frameTiming.framesPerSecond;
}

void ApplyHeldFrameRate() {
    if (frameTiming.holdFrames != 0) {
        frameTiming.framesPerSecond = frameTiming.heldFramesPerSecond;
        frameTiming.holdFrames -= 1;
    }
}

void MeasureFrameTime(uint32_t nowMs) {
    const uint32_t elapsed = nowMs - frameTiming.previousMs;
    frameTiming.previousMs = nowMs;
    frameTiming.accumulatedMs += elapsed;
    frameTiming.framesThisSecond += 1;
    if (frameTiming.accumulatedMs > 1000) {
        // While a hold stands, the second that held a box is not a measurement.
        if (frameTiming.holdFrames == 0) {
            frameTiming.framesPerSecond = frameTiming.framesThisSecond;
        }
        frameTiming.framesThisSecond = 0;
        frameTiming.accumulatedMs = 0;
    }
}

void UpdateFrameFactor() {
    // No measurement yet gives 60 / 0: treat it as no scaling rather than infinity.
    frameTiming.frameFactor = frameTiming.framesPerSecond > 0
                                  ? static_cast<float>(60.0 / frameTiming.framesPerSecond)
                                  : 1.0f;
}

void ResetFrameTiming() { frameTiming = {}; }
