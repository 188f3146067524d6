// Timing and placement of an animation control's clip.
#pragma once

#include <cstdint>

// Milliseconds between frames of a clip of `rate` frames per `scale`
// seconds, at least 1; 0 when the clip has no rate and cannot play.
uint32_t AnimationFrameInterval(uint32_t rate, uint32_t scale);

// Left (or top) of a clip `video` long centred in `client`: negative when
// the clip is larger, so that it is cut evenly on both sides.
int AnimationCentredOrigin(int client, int video);
