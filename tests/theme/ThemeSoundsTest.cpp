#include "ThemeSounds.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tilvora {
namespace {

float LargestStep(const samples_t& samples) {
    float largest = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        largest = std::max(largest, std::abs(samples[i] - samples[i - 1]));
    return largest;
}

TEST(ThemeSounds, LoopedSoundsJoinWithoutAClick) {
    for (const samples_t& loop : {MoveSound(), MusicTrack()}) {
        ASSERT_FALSE(loop.empty());
        EXPECT_LE(std::abs(loop.front() - loop.back()), LargestStep(loop));
    }
}

TEST(ThemeSounds, OneShotsStartAndEndInSilence) {
    for (const samples_t& sound : {PickSound(), NoPathSound(), ExplosionSound(), LevelUpSound(),
                                   ButtonOverSound(), ButtonDownSound()}) {
        ASSERT_FALSE(sound.empty());
        EXPECT_LT(std::abs(sound.front()), 0.01f);
        EXPECT_LT(std::abs(sound.back()), 0.01f);
        EXPECT_GT(LargestStep(sound), 0.01f) << "not silent throughout";
    }
}

} // namespace
} // namespace tilvora
