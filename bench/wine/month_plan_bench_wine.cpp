// Month plan operations under Wine through the portable engine and through
// the system's private-profile functions, side by side: a full Recompute of
// a 31-day period and "Kommen", with 1, 3 and 5 entries a day.
#include <windows.h>

#include <chrono>
#include <functional>
#include <cstdio>

#include "bench/month_plan_bench_plan.h"
#include "ini/profile_engine.h"
#include "ini/win32/system_profile_store.h"

namespace {

double Milliseconds(int runs, const std::function<void()>& body)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        body();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / runs;
}

// One user command, as the program runs it: inside one batch.
double RecomputeMs(ProfileStore& store, int perDay, int runs)
{
    BenchPlan bench(store, perDay, "recompute");
    return Milliseconds(runs, [&] {
        ProfileBatch batch(bench.store());
        bench.plan().Recompute(1);
    });
}

double ArrivalMs(ProfileStore& store, int perDay, int runs)
{
    BenchPlan bench(store, perDay, "arrival");
    double total = 0;
    for (int i = 0; i < runs; ++i) {
        total += Milliseconds(1, [&] {
            ProfileBatch batch(bench.store());
            bench.plan().RecordArrival();
        });
        ProfileBatch batch(bench.store());
        bench.plan().DeleteEntrySection(1, static_cast<unsigned>(perDay) + 1);
    }
    return total / runs;
}

} // namespace

int main()
{
    std::printf("%-34s %14s %14s\n", "operation", "engine", "system");
    for (const int perDay : {1, 3, 5}) {
        ProfileEngine engine;
        SystemProfileStore system;
        std::printf("Recompute, %d entr%s a day (%3d)   %11.2f ms %11.2f ms\n", perDay, perDay == 1 ? "y " : "ies",
                    31 * perDay, RecomputeMs(engine, perDay, 20), RecomputeMs(system, perDay, 2));
        std::printf("RecordArrival, %d entr%s a day      %11.2f ms %11.2f ms\n", perDay, perDay == 1 ? "y " : "ies",
                    ArrivalMs(engine, perDay, 20), ArrivalMs(system, perDay, 2));
    }
    return 0;
}
