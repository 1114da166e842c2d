// The portable engine on a month plan shaped file (93 entries, 744 keys).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/month_plan_fixture.h"
#include "ini/profile_batch.h"
#include "ini/profile_engine.h"

namespace {

std::string BenchFile()
{
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("stundwerk-bench-" + std::to_string(getpid()) + ".SW")).string();
    return path;
}

void BM_WriteMonthPlanInOneBatch(benchmark::State& state)
{
    const std::string file = BenchFile();
    for (auto _ : state) {
        std::filesystem::remove(file);
        ProfileEngine engine;
        ProfileBatch batch(engine);
        WriteBenchMonthPlan(engine, file);
        benchmark::DoNotOptimize(batch.End());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_WriteMonthPlanInOneBatch)->Unit(benchmark::kMillisecond);

// Every key written and flushed on its own: the worst case, no batch at all.
void BM_WriteMonthPlanKeyByKey(benchmark::State& state)
{
    const std::string file = BenchFile();
    for (auto _ : state) {
        std::filesystem::remove(file);
        ProfileEngine engine;
        WriteBenchMonthPlan(engine, file);
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_WriteMonthPlanKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(3);

// One changed value in a full month plan: one user command's write.
void BM_ChangeOneEntry(benchmark::State& state)
{
    const std::string file = BenchFile();
    ProfileEngine engine;
    {
        ProfileBatch batch(engine);
        WriteBenchMonthPlan(engine, file);
    }
    int value = 0;
    for (auto _ : state) {
        engine.WriteString("15/1", "Go", std::to_string(value++ % 1440).c_str(), file.c_str());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ChangeOneEntry)->Unit(benchmark::kMicrosecond);

void BM_ReadMonthPlanCached(benchmark::State& state)
{
    const std::string file = BenchFile();
    ProfileEngine engine;
    {
        ProfileBatch batch(engine);
        WriteBenchMonthPlan(engine, file);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadBenchMonthPlan(engine, file));
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReadMonthPlanCached)->Unit(benchmark::kMicrosecond);

// A fresh engine each time: reading and parsing the file included.
void BM_ReadMonthPlanCold(benchmark::State& state)
{
    const std::string file = BenchFile();
    {
        ProfileEngine engine;
        ProfileBatch batch(engine);
        WriteBenchMonthPlan(engine, file);
    }
    for (auto _ : state) {
        ProfileEngine engine;
        benchmark::DoNotOptimize(ReadBenchMonthPlan(engine, file));
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReadMonthPlanCold)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
