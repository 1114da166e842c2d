// The portable engine and the system's private-profile functions side by
// side on a month plan shaped file (93 entries, 744 keys), under Wine.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/month_plan_fixture.h"
#include "ini/profile_batch.h"
#include "ini/profile_engine.h"
#include "ini/win32/system_profile_store.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string BenchFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

template <typename Body>
double MillisecondsPerRun(int runs, Body body)
{
    auto start = Clock::now();
    for (int i = 0; i < runs; ++i)
        body();
    std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    return elapsed.count() / runs;
}

void Report(const char* what, double engineMs, double systemMs)
{
    std::printf("%-44s engine %10.3f ms   system %10.3f ms\n", what, engineMs, systemMs);
}

} // namespace

int main()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    using Getter = const char*(CDECL*)();
    auto getter =
        ntdll ? reinterpret_cast<Getter>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version"))) : nullptr;
    std::printf("Wine %s\n", getter ? getter() : "(none)");

    const std::string engineFile = BenchFile("stundwerk-bench-engine.SW");
    const std::string systemFile = BenchFile("stundwerk-bench-system.SW");
    SystemProfileStore system;

    double engineBatch = MillisecondsPerRun(20, [&] {
        DeleteFileA(engineFile.c_str());
        ProfileEngine engine;
        ProfileBatch batch(engine);
        WriteBenchMonthPlan(engine, engineFile);
    });
    double engineKeys = MillisecondsPerRun(2, [&] {
        DeleteFileA(engineFile.c_str());
        ProfileEngine engine;
        WriteBenchMonthPlan(engine, engineFile);
    });
    double systemWrite = MillisecondsPerRun(2, [&] {
        DeleteFileA(systemFile.c_str());
        WriteBenchMonthPlan(system, systemFile);
    });
    Report("write month plan, engine in one batch", engineBatch, systemWrite);
    Report("write month plan, every key flushed", engineKeys, systemWrite);

    ProfileEngine engine;
    // Two different values per run: writing an unchanged value costs nothing.
    auto changeTwice = [](ProfileStore& store, const std::string& file) {
        store.WriteString("15/1", "Go", "600", file.c_str());
        store.WriteString("15/1", "Go", "601", file.c_str());
    };
    double engineChange = MillisecondsPerRun(50, [&] { changeTwice(engine, engineFile); }) / 2;
    double systemChange = MillisecondsPerRun(50, [&] { changeTwice(system, systemFile); }) / 2;
    Report("change one value", engineChange, systemChange);

    unsigned sink = 0;
    double engineRead = MillisecondsPerRun(50, [&] { sink += ReadBenchMonthPlan(engine, engineFile); });
    double systemRead = MillisecondsPerRun(50, [&] { sink += ReadBenchMonthPlan(system, systemFile); });
    Report("read all 744 keys (cached)", engineRead, systemRead);
    double engineCold = MillisecondsPerRun(50, [&] {
        ProfileEngine fresh;
        sink += ReadBenchMonthPlan(fresh, engineFile);
    });
    Report("read all 744 keys (engine parses anew)", engineCold, systemRead);

    DeleteFileA(engineFile.c_str());
    DeleteFileA(systemFile.c_str());
    return sink == 0 ? 1 : 0;
}
