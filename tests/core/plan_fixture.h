#pragma once
// Month plans on the real profile engine in a throwaway folder, with the
// fakes of the clock, the prompts, the list view and the frame's windows.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/profile_engine.h"
#include "core/settings.h"
#include "core/shell.h"
#include "tests/core/core_fakes.h"
#include "tests/core/temp_folder.h"

class PlanTest : public ::testing::Test {
protected:
    PlanTest()
    {
        const std::string dir = folder.path().string() + "/";
        std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s", dir.c_str());
        std::snprintf(settings.SettingsPath, sizeof settings.SettingsPath, "%s", folder.File("stundwrk.ini").c_str());
        // Nothing runs by itself unless a test asks for it.
        settings.SelectDay = 0;
        settings.AutoTimer = 0;
        shell.Attach(frame);
        clock.Set(1, 3, 2002, 9, 0);
    }

    // Opens (creating silently) the period, as a new plan window does.
    MonthPlan& Open(unsigned month, unsigned year)
    {
        EXPECT_EQ(frame.OpenMonthPlan(month, year, false, false), 1);
        return *shell.windows.back().plan;
    }
    MonthPlan& LastPlan() { return *shell.windows.back().plan; }
    FakePlanView& ViewOf(const MonthPlan& plan)
    {
        for (const FakeFrameShell::Window& window : shell.windows)
            if (window.plan.get() == &plan)
                return *window.view;
        throw std::logic_error("no such plan");
    }
    // The messages of one kind, in order.
    std::vector<RecordingPrompts::Message> Messages(RecordingPrompts::Kind kind) const
    {
        std::vector<RecordingPrompts::Message> result;
        for (const RecordingPrompts::Message& m : prompts.messages)
            if (m.kind == kind)
                result.push_back(m);
        return result;
    }
    std::vector<RecordingPrompts::Message> Told() const { return Messages(RecordingPrompts::Kind::Tell); }
    std::vector<RecordingPrompts::Message> Asked() const { return Messages(RecordingPrompts::Kind::Ask); }
    std::vector<RecordingPrompts::Message> Warnings() const { return Messages(RecordingPrompts::Kind::Warning); }
    void Select(MonthPlan& plan, unsigned day, unsigned position)
    {
        ASSERT_TRUE(plan.SelectEntryRow(day, position)) << day << "/" << position;
    }
    // Writes a times entry through the storage primitive and recomputes.
    void AddTimes(MonthPlan& plan, unsigned day, TimeValue come, TimeValue go)
    {
        EntryRecord record;
        ASSERT_TRUE(plan.ReadEntry(day, 1, record));
        record.Come = come;
        record.Go = go;
        record.WorkTime = HOURS_CODE_BASE;
        record.Info[0] = '\0';
        ASSERT_EQ(plan.WriteEntry(0, 0, record), 1);
        plan.Recompute(day);
    }
    EntryRecord Entry(MonthPlan& plan, unsigned day, unsigned position)
    {
        EntryRecord record;
        EXPECT_TRUE(plan.ReadEntry(day, position, record)) << day << "/" << position;
        return record;
    }
    std::vector<std::string> Keys(const std::string& file, const std::string& section)
    {
        return SectionLines(file, section);
    }

    TempFolder folder;
    Settings settings;
    ProfileEngine engine;
    FakeClock clock;
    RecordingPrompts prompts;
    FakeFrameShell shell;
    FrameCore frame{settings, engine, clock, prompts, shell};
};
