// Time to compose one frame (the splash, and a game frame with nothing but the background),
// and from start-up to the first frame with a save file present.
#include <benchmark/benchmark.h>

#include "app/form.h"
#include "support/fake_platform.h"

namespace {

using kestrilon::TForm1;

void Compose(benchmark::State& state, int titleState) {
    kestrilon::testing::FakePlatform os;
    os.WriteBmp("cg/title.bmp", 800, 600, kestrilon::Rgb(30, 20, 60));
    TForm1 form(os);
    form.FormCreate();
    form.game().frame.TitleState = titleState;
    form.game().frame.BackgroundDirty = 1;
    for (auto _ : state) {
        form.Timer1Timer();
        benchmark::DoNotOptimize(form.Surface().Data());
    }
}

void BM_SplashFrame(benchmark::State& state) { Compose(state, -2); }
void BM_EmptyGameFrame(benchmark::State& state) { Compose(state, 0); }

void BM_StartUpToFirstFrame(benchmark::State& state) {
    kestrilon::testing::FakePlatform os;
    os.WriteBmp("cg/title.bmp", 800, 600, kestrilon::Rgb(30, 20, 60));
    {
        TForm1 first(os);
        first.FormCreate();  // writes dat2/my.dat
    }
    for (auto _ : state) {
        TForm1 form(os);
        form.FormCreate();
        form.Timer1Timer();
        benchmark::DoNotOptimize(form.Surface().Data());
    }
}

BENCHMARK(BM_SplashFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_EmptyGameFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
