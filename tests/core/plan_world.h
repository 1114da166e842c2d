#pragma once
// A frame with one freshly created month plan, on the profile engine in a
// throwaway folder and the fakes of the shell. The clock stands in
// June 2001, outside every plan the tests create, so that refreshing a list
// does not run the live computation of today.
#include <cstdio>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/settings.h"
#include "core/profile_engine.h"
#include "tests/core/core_fakes.h"
#include "tests/core/temp_folder.h"

struct PlanWorld {
    TempFolder folder;
    Settings settings;
    ProfileEngine store;
    FakeClock clock;
    RecordingPrompts prompts;
    FakeFrameShell shell;
    FakePlanView view;
    FrameCore frame{settings, store, clock, prompts, shell};
    std::unique_ptr<MonthPlan> plan;

    PlanWorld()
    {
        std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s/", folder.path().string().c_str());
        std::snprintf(settings.SettingsPath, sizeof settings.SettingsPath, "%s", folder.File("stundwrk.ini").c_str());
        shell.Attach(frame);
        clock.Set(15, 6, 2001, 8, 10);
    }

    // Creates the plan of the period starting in (month, year) as a new
    // period is created: MAIN keys, then the first entry of every day.
    MonthPlan& Create(unsigned month, unsigned year, HoursValue openingAccount = 0)
    {
        plan = std::make_unique<MonthPlan>(frame, view, month, year);
        const char* file = plan->path().c_str();
        char value[32];
        std::snprintf(value, sizeof value, "%d", openingAccount);
        store.WriteString("MAIN", "Account", value, file);
        std::snprintf(value, sizeof value, "%u", month);
        store.WriteString("MAIN", "Month", value, file);
        std::snprintf(value, sizeof value, "%u", year);
        store.WriteString("MAIN", "Year", value, file);
        plan->FillNewPeriod(month, year);
        return *plan;
    }

    // The plan file's bytes: every command has written it when it returns.
    std::string Dump() const { return ReadBytes(plan->path()); }
    bool HasSection(const std::string& name) const { return Dump().find("[" + name + "]") != std::string::npos; }

    EntryRecord Entry(unsigned day, unsigned position)
    {
        EntryRecord record;
        EXPECT_TRUE(plan->ReadEntry(day, position, record)) << day << "/" << position;
        return record;
    }

    // Texts of the messages told so far.
    std::vector<std::string> Told() const { return prompts.texts(); }
};
