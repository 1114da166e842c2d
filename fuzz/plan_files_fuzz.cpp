// The settings file and a month plan file of any bytes: the settings' texts
// stay terminated and are saved/loaded unchanged (the core tests hold the
// mending of each number at its bounds); every entry of the period read, the
// list built, the period recomputed and read again.
// Input: the settings file, a zero byte, the month plan file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings_file.h"
#include "fuzz/memory_file_system.h"
#include "ini/profile_engine.h"
#include "tests/core/core_fakes.h"

namespace {

void Check(bool ok, const char* what)
{
    if (!ok)
        std::fprintf(stderr, "%s\n", what), std::abort();
}

bool Terminated(const char* field, std::size_t size) { return std::memchr(field, '\0', size) != nullptr; }

void ReadWholePeriod(MonthPlan& plan, unsigned startDay)
{
    for (unsigned step = 0; step < 31; ++step) {
        const unsigned day = (startDay - 1 + step) % 31 + 1;
        EntryRecord record;
        for (unsigned position = 1; position <= 64 && plan.ReadEntry(day, position, record); ++position)
            Check(record.day == day && Terminated(record.Info, sizeof record.Info), "entry read wrongly");
        plan.EntryCount(day);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    MemoryFileSystem files;
    ProfileEngine engine(files);
    Settings s;
    files.Put(s.SettingsPath, input.substr(0, split));
    LoadSettings(engine, s);
    Check(Terminated(s.WorkingDir, sizeof s.WorkingDir) && Terminated(s.HeadLine1, sizeof s.HeadLine1) &&
              Terminated(s.HeadLine2, sizeof s.HeadLine2) && Terminated(s.HeadLine3, sizeof s.HeadLine3),
          "settings text not terminated");
    Check(SaveSettings(engine, s), "SaveSettings failed");
    // Saved and loaded again: the same file bytes once more.
    const std::string saved = files.files[s.SettingsPath];
    Settings again;
    LoadSettings(engine, again);
    Check(SaveSettings(engine, again) && files.files[s.SettingsPath] == saved, "settings saved and loaded differ");
    if (split == std::string::npos)
        return 0;
    FakeClock clock;
    clock.Set(15, 6, 2001);
    RecordingPrompts prompts;
    FakeFrameShell shell;
    s.SelectDay = 0;
    s.AutoTimer = 0;
    FrameCore frame(s, engine, clock, prompts, shell);
    shell.Attach(frame);
    FakePlanView view;
    MonthPlan plan(frame, view, 3, 2002);
    files.Put(plan.path(), input.substr(split + 1));
    const unsigned startDay = EffectiveStartDay(s);
    ReadWholePeriod(plan, startDay);
    plan.RefreshList();
    plan.Recompute(startDay);
    ReadWholePeriod(plan, startDay);
    return 0;
}
