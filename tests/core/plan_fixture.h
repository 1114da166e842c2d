#pragma once
// A month plan on the real profile engine in a throwaway folder, with fakes
// for the clock, the prompts, the list view and the frame's windows.
#include <gtest/gtest.h>

#include <memory>
#include <set>
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
#include "temp_folder.h"

struct FakeClock : Clock {
    LocalTime now{2002, 3, 1, 4, 9, 0, 0};
    LocalTime Now() override { return now; }
    void Set(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute) {
        now.day = day;
        now.month = month;
        now.year = year;
        now.hour = hour;
        now.minute = minute;
    }
};

struct FakePrompts : UserPrompts {
    struct Message {
        std::string text, title;
    };
    std::vector<Message> told, asked, warnings;
    std::vector<bool> answers;  // scripted answers to Ask, in order; yes when used up
    std::vector<std::pair<unsigned, unsigned>> months;  // scripted month dialog results
    bool warningTicked = true;
    int waits = 0;

    void Tell(const char* text, const char* title, MessageIcon) override { told.push_back({text, title}); }
    bool Ask(const char* text, const char* title, bool) override {
        asked.push_back({text, title});
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    bool AskMonth(unsigned& month, unsigned& year) override {
        if (months.empty())
            return false;
        std::tie(month, year) = months.front();
        months.erase(months.begin());
        return month != 0;
    }
    bool ShowWarning(const char* text) override {
        warnings.push_back({text, "- Hinweis -"});
        return warningTicked;
    }
    void BeginWait() override { ++waits; }
};

struct FakeView : PlanView {
    std::vector<ListRow> rows;
    int selected = NO_SELECTION;
    int refreshes = 0;
    void ShowRows(const std::vector<ListRow>& shown) override {
        rows = shown;
        ++refreshes;
        if (selected >= static_cast<int>(rows.size()))
            selected = NO_SELECTION;
    }
    void UpdateRow(int index, const ListRow& row) override { rows[static_cast<std::size_t>(index)] = row; }
    int SelectedRow() override { return selected; }
    void SelectRow(int index) override { selected = index; }
};

struct FakeShell : FrameShell {
    FrameCore* frame = nullptr;
    std::vector<std::unique_ptr<FakeView>> views;
    std::vector<std::unique_ptr<MonthPlan>> plans;
    std::vector<bool> maximised;
    std::set<std::string> windows;
    std::string tip;
    bool warningIcon = false;

    MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool max) override {
        views.push_back(std::make_unique<FakeView>());
        plans.push_back(std::make_unique<MonthPlan>(*frame, *views.back(), month, year));
        maximised.push_back(max);
        windows.insert(FrameCore::PlanTitle(month, year));
        plans.back()->Recompute(EffectiveStartDay(frame->settings()));
        return plans.back().get();
    }
    bool HasActivePlan() override { return !plans.empty(); }
    bool WindowExists(const char* title) override { return windows.count(title) > 0; }
    void SetTrayTip(const char* text) override { tip = text; }
    void SetTrayIconActive(bool warning) override { warningIcon = warning; }
};

class PlanTest : public ::testing::Test {
protected:
    PlanTest() {
        const std::string dir = folder.path().string() + "/";
        std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s", dir.c_str());
        std::snprintf(settings.SettingsPath, sizeof settings.SettingsPath, "%s", folder.File("stundwrk.ini").c_str());
        // Nothing runs by itself unless a test asks for it.
        settings.SelectDay = 0;
        settings.AutoTimer = 0;
        shell.frame = &frame;
    }

    // Opens (creating silently) the period, as a new plan window does.
    MonthPlan& Open(unsigned month, unsigned year) {
        EXPECT_EQ(frame.OpenMonthPlan(month, year, false, false), 1);
        return *shell.plans.back();
    }
    FakeView& ViewOf(const MonthPlan& plan) {
        for (std::size_t i = 0; i < shell.plans.size(); ++i)
            if (shell.plans[i].get() == &plan)
                return *shell.views[i];
        throw std::logic_error("no such plan");
    }
    void Select(MonthPlan& plan, unsigned day, unsigned position) {
        ASSERT_TRUE(plan.SelectEntryRow(day, position)) << day << "/" << position;
    }
    // Writes a times entry through the storage primitive and recomputes.
    void AddTimes(MonthPlan& plan, unsigned day, TimeValue come, TimeValue go) {
        EntryRecord record;
        ASSERT_TRUE(plan.ReadEntry(day, 1, record));
        record.Come = come;
        record.Go = go;
        record.WorkTime = HOURS_CODE_BASE;
        record.Info[0] = '\0';
        ASSERT_EQ(plan.WriteEntry(0, 0, record), 1);
        plan.Recompute(day);
    }
    EntryRecord Entry(MonthPlan& plan, unsigned day, unsigned position) {
        EntryRecord record;
        EXPECT_TRUE(plan.ReadEntry(day, position, record)) << day << "/" << position;
        return record;
    }
    // "key=value" lines of a section of the file, in file order.
    std::vector<std::string> Keys(const std::string& file, const std::string& section) {
        std::istringstream in(ReadBytes(file));
        std::vector<std::string> keys;
        std::string line;
        bool inside = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty() && line[0] == '[') {
                inside = line == "[" + section + "]";
                continue;
            }
            if (inside && !line.empty())
                keys.push_back(line);
        }
        return keys;
    }

    TempFolder folder;
    Settings settings;
    ProfileEngine engine;
    FakeClock clock;
    FakePrompts prompts;
    FakeShell shell;
    FrameCore frame{settings, engine, clock, prompts, shell};
};
