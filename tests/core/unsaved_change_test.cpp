// Every user command changes its file with one write, and the file is on disk
// when the command returns. When the write fails, the user is told once,
// naming the file; the file keeps its old contents and the list shows what it
// holds.
#include "tests/core/plan_fixture.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "core/command_scope.h"
#include "core/day_kind_forms.h"
#include "core/settings_file.h"
#include "core/time_entry_form.h"

TEST_F(CountedPlanTest, EachCommandWritesOnceAndAFailedWriteIsToldOnce)
{
    ASSERT_EQ(countedFrame.OpenMonthPlan(3, 2002, false, false), 1);
    MonthPlan& plan = Plan();
    const std::string planFile = plan.path(), settingsFile = settings.SettingsPath;
    // The MAIN keys first, so that a plan that cannot be created is noticed
    // before any day is written; then the days of the period.
    EXPECT_EQ(files.writes[files.FullPath(planFile)], 2);
    ASSERT_TRUE(SaveSettings(counted, settings));
    const auto rowTexts = [&] {
        std::vector<std::vector<std::string>> texts;
        for (const ListRow& row : View().rows)
            texts.emplace_back(std::begin(row.text), std::end(row.text));
        return texts;
    };

    const struct {
        const char* name;
        std::function<void()> command;
        std::function<void()> before = nullptr;
        int planWrites = 1;
        const std::string* told = nullptr; // else the plan, when it is written
    } commands[] = {
        {"Kommen", [&] { plan.RecordArrival(); }},
        {"Gehen", [&] { plan.RecordDeparture(); }, [&] { clock.Set(4, 3, 2002, 16, 30); }},
        {"time entry",
         [&] {
             TimeEntryFields fields = InitTimeEntry(plan, 0, "05.03.2002");
             fields.come = "08:00";
             fields.go = "12:00";
             EXPECT_TRUE(AcceptTimeEntry(plan, 0, fields));
         }},
        {"vacation",
         [&] {
             EXPECT_TRUE(AcceptVacation(plan, {"06.03.2002", "12.03.2002", ""}));
         }},
        {"move",
         [&] {
             Select(5, 2);
             plan.MoveEntry(-1);
         },
         [&] { Add(5, 780, 900); }},
        {"deleting a vacation day", [&] { plan.DeleteEntry(); }, [&] { Select(8); }},
        {"missing days", [&] { plan.FillMissingDays(20); }},
        {"weekdays", [&] { plan.RecomputeWeekdays(); }},
        // Every stored value is right already: an unchanged file is not written.
        {"recompute", [&] { plan.Recompute(1); }, nullptr, 0},
        {"settings", [&] { SaveSettings(counted, settings); }, [&] { settings.Holidays += 5; }, 0, &settingsFile},
        {"Kommen, settings and an inner command: the first file once",
         [&] {
             {
                 const CommandScope inner(countedFrame);
                 plan.RecordArrival();
             }
             SaveSettings(counted, settings);
         }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        if (c.before)
            c.before();
        plan.RefreshList();
        const auto rows = rowTexts();
        const std::string planBytes = ReadBytes(planFile), settingsBytes = ReadBytes(settingsFile);
        const std::uint32_t counters[] = {settings.Holidays, settings.Sickdays, settings.GDays};
        prompts.messages.clear();
        files.failWrites = true;
        {
            const CommandScope command(countedFrame);
            c.command();
        }
        files.failWrites = false;

        const std::string* told = c.told ? c.told : c.planWrites ? &planFile : nullptr;
        // A question the command asks first (deleting) comes before the warning.
        const auto questions = std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                             [](const RecordingPrompts::Message& m) { return m.title == "Frage"; });
        ASSERT_EQ(prompts.messages.size(), static_cast<std::size_t>(questions) + (told ? 1 : 0));
        if (told) {
            const RecordingPrompts::Message& warning = prompts.messages.back();
            EXPECT_EQ(warning.title, WARNING_TITLE);
            EXPECT_EQ(warning.icon, MessageIcon::Warning);
            EXPECT_NE(warning.text.find("\"" + files.FullPath(*told) + "\" konnte nicht gespeichert werden."),
                      std::string::npos)
                << warning.text;
        }
        EXPECT_EQ(ReadBytes(planFile), planBytes);
        EXPECT_EQ(ReadBytes(settingsFile), settingsBytes);
        EXPECT_EQ(rowTexts(), rows) << "the list shows what the file holds";
        const std::uint32_t after[] = {settings.Holidays, settings.Sickdays, settings.GDays};
        EXPECT_TRUE(std::equal(std::begin(counters), std::end(counters), after)) << "counters follow the file";

        // Again on a working disk.
        files.writes.clear();
        {
            const CommandScope command(countedFrame);
            c.command();
        }
        EXPECT_EQ(files.writes[files.FullPath(planFile)], c.planWrites);
        ProfileEngine fresh(files);
        EXPECT_EQ(ReadValue(fresh, planFile, "4/1", "Account"), ReadValue(counted, planFile, "4/1", "Account"));
    }
    EXPECT_EQ(counted.TakeFailedFile(), "");
}
