// Loading the settings and reading a month plan, both files made of any
// bytes: every entry of the period read, the list built, the period
// recomputed and listed again. Settings saved and loaded again must be
// the settings loaded first.
// Input: the settings file, a zero byte, the month plan file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "fuzz/memory_file_system.h"
#include "ini/profile_engine.h"
#include "tests/core/core_fakes.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool Terminated(const char* field, std::size_t size)
{
    return std::memchr(field, '\0', size) != nullptr;
}

bool SameSettings(const Settings& a, const Settings& b)
{
    // Every field is an integer or a terminated text: compare up to the terminators.
    return a.Holidays == b.Holidays && a.Sickdays == b.Sickdays && a.GDays == b.GDays &&
           a.HoursPerDay == b.HoursPerDay && a.RestPerDay == b.RestPerDay && a.RestTime == b.RestTime &&
           a.RestPerDay2 == b.RestPerDay2 && a.RestTime2 == b.RestTime2 && a.MaxTime == b.MaxTime &&
           a.TimeLag == b.TimeLag && a.WorkDays == b.WorkDays && a.StartDay == b.StartDay &&
           a.WWorkTime == b.WWorkTime && a.WAccount == b.WAccount && a.OpenMonth == b.OpenMonth &&
           a.SelectDay == b.SelectDay && a.Separate == b.Separate && a.WarnWorkTime == b.WarnWorkTime &&
           a.WarnAccount == b.WarnAccount && a.CheckMissings == b.CheckMissings && a.Icons == b.Icons &&
           a.Extern == b.Extern && a.ComFormat == b.ComFormat && a.WorkTimeRests == b.WorkTimeRests &&
           a.ColorStripes == b.ColorStripes && a.ColorFreeDays == b.ColorFreeDays && a.ExportFields == b.ExportFields &&
           std::strcmp(a.WorkingDir, b.WorkingDir) == 0 && std::strcmp(a.HeadLine1, b.HeadLine1) == 0 &&
           std::strcmp(a.HeadLine2, b.HeadLine2) == 0 && std::strcmp(a.HeadLine3, b.HeadLine3) == 0;
}

void CheckSettings(const Settings& s)
{
    if (s.StartDay < 1 || s.StartDay > 31 || s.WorkDays > 0x7F || s.AutoTimer != 1)
        Fail("settings outside their mended ranges");
    for (std::int32_t duration : {s.HoursPerDay, s.RestPerDay, s.RestTime, s.RestPerDay2, s.RestTime2, s.MaxTime}) {
        if (duration < 0 || duration > 1440)
            Fail("duration setting outside one day");
    }
    if (s.TimeLag < -1440 || s.TimeLag > 1440)
        Fail("TimeLag outside one day");
    if (!Terminated(s.WorkingDir, sizeof s.WorkingDir) || !Terminated(s.HeadLine1, sizeof s.HeadLine1) ||
        !Terminated(s.HeadLine2, sizeof s.HeadLine2) || !Terminated(s.HeadLine3, sizeof s.HeadLine3))
        Fail("settings text not terminated");
}

void ReadWholePeriod(MonthPlan& plan, unsigned startDay)
{
    for (unsigned step = 0; step < 31; ++step) {
        const unsigned day = (startDay - 1 + step) % 31 + 1;
        unsigned position = 1;
        EntryRecord record;
        while (position <= 64 && plan.ReadEntry(day, position, record)) {
            if (record.day != day || !Terminated(record.Info, sizeof record.Info))
                Fail("entry read wrongly");
            ++position;
        }
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

    Settings settings;
    files.Put(settings.SettingsPath, input.substr(0, split));
    LoadSettings(engine, settings);
    CheckSettings(settings);
    if (!SaveSettings(engine, settings))
        Fail("SaveSettings failed");
    Settings again;
    LoadSettings(engine, again);
    if (!SameSettings(settings, again))
        Fail("settings saved and loaded again differ");
    if (split == std::string::npos)
        return 0;

    FakeClock clock;
    clock.Set(15, 6, 2001);
    RecordingPrompts prompts;
    FakeFrameShell shell;
    settings.SelectDay = 0;
    settings.AutoTimer = 0;
    FrameCore frame(settings, engine, clock, prompts, shell);
    shell.Attach(frame);
    FakePlanView view;
    MonthPlan plan(frame, view, 3, 2002);
    files.Put(plan.path(), input.substr(split + 1));

    const unsigned startDay = EffectiveStartDay(settings);
    ReadWholePeriod(plan, startDay);
    plan.RefreshList();
    plan.Recompute(startDay);
    ReadWholePeriod(plan, startDay);
    return 0;
}
