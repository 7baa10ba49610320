// Whether the game's audio library can decode a sound member.
#pragma once

#include <QByteArray>

namespace tilvora {

// Decodes with SDL2_mixer on a silent (dummy) device, as the game would load the effect.
bool SoundDecodes(const QByteArray& bytes);

} // namespace tilvora
