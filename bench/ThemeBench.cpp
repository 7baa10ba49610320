// Loading the default theme package: open, parse def.ini, decode seven pictures, build the
// window region.
#include "ThemePackage.h"
#include "WindowRegion.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadDefaultTheme(benchmark::State& state) {
    for (auto _ : state) {
        const tilvora::theme_t theme = tilvora::LoadThemePackage(TILVORA_DEFAULT_THEME);
        benchmark::DoNotOptimize(tilvora::RegionFromMask(theme.bmp_mask, qRgb(255, 255, 255)));
    }
}
BENCHMARK(BM_LoadDefaultTheme)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

} // namespace
BENCHMARK_MAIN();
