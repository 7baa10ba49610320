// The default theme's seven sound effects and a music track, synthesised sample by sample.
#pragma once

#include <vector>

namespace tilvora {

using samples_t = std::vector<float>;

samples_t PickSound();
// Every partial completes whole cycles within the sound, so it repeats without a click.
samples_t MoveSound();
samples_t NoPathSound();
samples_t ExplosionSound();
samples_t LevelUpSound();
samples_t ButtonOverSound();
samples_t ButtonDownSound();
// A calm loop of about 16 seconds; its last notes ring on into its start, so it loops too.
samples_t MusicTrack();

} // namespace tilvora
