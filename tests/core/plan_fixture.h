#pragma once
// Month plans on the real profile engine in a throwaway folder, with the
// fakes of the clock, the prompts, the list view and the frame's windows.
// The clock stands in June 2001, outside every plan the tests open, unless a
// test sets it: no live computation of today runs by itself.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "ini/profile_engine.h"
#include "core/settings.h"
#include "tests/core/core_fakes.h"
#include "tests/ini/counting_file_system.h"
#include "tests/ini/read_value.h"
#include "tests/support/temp_folder.h"

class PlanTest : public ::testing::Test {
protected:
    using Kind = RecordingPrompts::Kind;

    PlanTest() : PlanTest(nullptr) {}
    // backend: the store the plans are kept in (it must outlive the test);
    // nullptr for the engine.
    explicit PlanTest(ProfileStore* backend) : store(backend != nullptr ? *backend : engine)
    {
        const std::string dir = folder.path().string() + "/";
        std::snprintf(settings.WorkingDir, sizeof settings.WorkingDir, "%s", dir.c_str());
        std::snprintf(settings.SettingsPath, sizeof settings.SettingsPath, "%s", folder.File("stundwrk.ini").c_str());
        settings.SelectDay = 0;
        settings.AutoTimer = 0;
        shell.Attach(frame);
        clock.Set(15, 6, 2001, 8, 10);
    }

    // Creates the period's plan afresh (an earlier file of it is removed), as
    // a new plan window does, with the given opening account; forgets the
    // messages so far.
    MonthPlan& Open(unsigned month, unsigned year, HoursValue account = 0)
    {
        std::remove(MonthPlanFileName(settings, month, year).c_str());
        EXPECT_EQ(frame.OpenMonthPlan(month, year, false, false), 1);
        if (account != 0) {
            store.WriteString("MAIN", "Account", std::to_string(account).c_str(), Plan().path().c_str());
            Plan().Recompute(EffectiveStartDay(settings));
        }
        prompts.messages.clear();
        return Plan();
    }
    // The plan and the list of the window opened last: the helpers below work on it.
    MonthPlan& Plan() const { return *shell.windows.back().plan; }
    FakePlanView& View() const { return *shell.windows.back().view; }
    std::string Dump() const { return ReadBytes(Plan().path()); }

    EntryRecord Entry(unsigned day, unsigned position = 1)
    {
        EntryRecord record;
        EXPECT_TRUE(Plan().ReadEntry(day, position, record)) << day << "/" << position;
        return record;
    }
    // Come, Go, WorkTime, Saldo and Account of an entry, to compare at once.
    std::tuple<TimeValue, TimeValue, HoursValue, HoursValue, HoursValue> Values(unsigned day, unsigned position = 1)
    {
        const EntryRecord e = Entry(day, position);
        return {e.Come, e.Go, e.WorkTime, e.Saldo, e.Account};
    }
    // Writes an entry as its creator would at the day's free slot (the
    // placeholder, else after the day's entries), then recomputes the period.
    void Add(unsigned day, TimeValue come, TimeValue go, HoursValue workTime = NO_HOURS, HoursValue account = NO_HOURS)
    {
        EntryRecord record = Entry(day);
        record.Come = come;
        record.Go = go;
        record.WorkTime = workTime;
        record.Saldo = NO_HOURS;
        record.Account = account;
        record.Info[0] = '\0';
        if (IsTimeCode(come) && come != TimeCode(DirectHours)) {
            record.WorkTime = HoursCode(TimeCodeKind(come));
            record.Saldo = 0;
            record.NoSaldo = come == TimeCode(FlexiDay) || come == TimeCode(MissingDay) ? 0 : 1;
        } else {
            record.NoSaldo = IsWorkDay(settings, record.weekday) ? 0 : 1;
        }
        ASSERT_EQ(Plan().WriteEntry(0, 0, record), 1);
        Plan().Recompute(day);
    }
    void AddKind(unsigned day, EntryKind kind) { Add(day, TimeCode(kind), TimeCode(kind)); }
    // March 2002: a long Monday in two parts, a Tuesday with a vacation, a
    // Wednesday with direct hours and a Thursday with one entry.
    MonthPlan& FillWeek()
    {
        MonthPlan& plan = Open(3, 2002);
        Add(4, At(8, 0), At(12, 0));
        Add(4, At(12, 30), At(17, 0));
        AddKind(5, Vacation);
        Add(6, TimeCode(DirectHours), TimeCode(DirectHours), 300);
        Add(7, At(7, 45), At(16, 15));
        return plan;
    }
    void Correct(unsigned day, HoursValue account)
    {
        Add(day, TimeCode(AccountCorrection), TimeCode(AccountCorrection), NO_HOURS, account);
    }
    void Select(unsigned day, unsigned position = 1)
    {
        ASSERT_TRUE(Plan().SelectEntryRow(day, position)) << day << "/" << position;
    }

    // The texts of the messages of one kind, in order.
    std::vector<std::string> Texts(Kind kind = Kind::Tell) const
    {
        std::vector<std::string> texts;
        for (const RecordingPrompts::Message& m : prompts.messages)
            if (m.kind == kind)
                texts.push_back(m.text);
        return texts;
    }
    // Checks that exactly this one message was shown since the last check.
    void ExpectOnly(const std::string& text, const char* title = "Fehler")
    {
        ASSERT_EQ(prompts.messages.size(), 1u) << text;
        EXPECT_EQ(prompts.messages[0].text, text);
        EXPECT_EQ(prompts.messages[0].title, title);
        prompts.messages.clear();
    }
    // A plan file as a closed period leaves it: MAIN, and the accounts of its
    // last two days when lastAccount is given.
    void WriteClosedPlan(unsigned month, unsigned year, const char* opening, const char* lastAccount = nullptr)
    {
        const std::string file = MonthPlanFileName(settings, month, year);
        store.WriteString("MAIN", "Account", opening, file.c_str());
        store.WriteString("MAIN", "Month", std::to_string(month).c_str(), file.c_str());
        store.WriteString("MAIN", "Year", std::to_string(year).c_str(), file.c_str());
        if (lastAccount) {
            store.WriteString("27/1", "Account", lastAccount, file.c_str());
            store.WriteString("28/1", "Account", "-2147483645", file.c_str());
        }
    }
    std::string MainAccount(const std::string& file) { return ReadValue(store, file, "MAIN", "Account"); }

    TempFolder folder;
    Settings settings;
    ProfileEngine engine;
    ProfileStore& store;
    FakeClock clock;
    RecordingPrompts prompts;
    FakeFrameShell shell;
    FrameCore frame{settings, store, clock, prompts, shell};
};

// Plans on an engine whose file system counts the replacements of files and
// can be told to fail them. The clock stands on Monday 4 March 2002, 08:00.
class CountedPlanTest : public PlanTest {
protected:
    CountedPlanTest()
    {
        shell.Attach(countedFrame);
        settings.CheckMissings = 0;
        clock.Set(4, 3, 2002, 8, 0);
    }

    CountingFileSystem files;
    ProfileEngine counted{files};
    FrameCore countedFrame{settings, counted, clock, prompts, shell};
};
