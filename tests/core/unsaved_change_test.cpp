// A command whose files cannot be written: the user is told once, naming the
// file; the file keeps its old contents and the list shows what it holds.
#include "tests/core/plan_fixture.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "core/command_scope.h"
#include "core/day_kind_forms.h"
#include "core/settings_file.h"
#include "core/time_entry_form.h"

namespace {

std::vector<std::string> RowTexts(const std::vector<ListRow>& rows)
{
    std::vector<std::string> texts;
    for (const ListRow& row : rows) {
        std::string line;
        for (const std::string& cell : row.text)
            line += cell + "|";
        texts.push_back(line);
    }
    return texts;
}

} // namespace

TEST_F(CountedPlanTest, UnsavedChangeIsToldOncePerCommand)
{
    MonthPlan& plan = OpenMarch();
    ASSERT_TRUE(SaveSettings(counted, settings));
    plan.RecordArrival(); // an open entry for "Gehen"
    const std::string planFile = plan.path();
    const std::string settingsFile = settings.SettingsPath;

    const struct {
        const char* name;
        const std::string& file;
        std::function<void()> command;
        std::function<void()> before = nullptr; // on a working disk
        bool countersKept = true;               // vacation, sick and flexi day counters
    } commands[] = {
        {"Gehen", planFile, [&] { plan.RecordDeparture(); }},
        {"Kommen", planFile, [&] { plan.RecordArrival(); }, [&] { plan.RecordDeparture(); }},
        {"time entry", planFile,
         [&] {
             TimeEntryFields fields = InitTimeEntry(plan, 0, "05.03.2002");
             fields.come = "08:00";
             fields.go = "12:00";
             EXPECT_TRUE(AcceptTimeEntry(plan, 0, fields));
         }},
        {"vacation", planFile,
         [&] {
             DayRangeFields fields = InitVacation(plan, "06.03.2002");
             EXPECT_TRUE(AcceptVacation(plan, fields));
         }},
        {"deleting a vacation day", planFile, [&] { plan.DeleteEntry(); },
         [&] {
             DayRangeFields fields = InitVacation(plan, "08.03.2002");
             ASSERT_TRUE(AcceptVacation(plan, fields));
             Select(8);
         }},
        {"settings", settingsFile,
         [&] {
             settings.Holidays += 5;
             EXPECT_FALSE(SaveSettings(counted, settings));
         },
         nullptr, false},
        {"Kommen, settings and an inner command: the first file once", planFile,
         [&] {
             {
                 const CommandScope inner(countedFrame);
                 plan.RecordArrival();
             }
             EXPECT_FALSE(SaveSettings(counted, settings));
         }},
    };
    clock.Set(4, 3, 2002, 18, 0);
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        if (c.before)
            c.before();
        plan.RefreshList();
        const std::vector<std::string> rows = RowTexts(View().rows);
        const std::string planBytes = ReadBytes(planFile), settingsBytes = ReadBytes(settingsFile);
        const std::uint32_t counters[] = {settings.Holidays, settings.Sickdays, settings.GDays};
        prompts.messages.clear();
        files.failWrites = true;
        {
            const CommandScope command(countedFrame);
            c.command();
        }
        files.failWrites = false;

        // A question the command asks first (deleting) comes before the warning.
        const auto questions = std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                             [](const RecordingPrompts::Message& m) { return m.title == "Frage"; });
        ASSERT_EQ(prompts.messages.size(), static_cast<std::size_t>(questions) + 1);
        const RecordingPrompts::Message& told = prompts.messages.back();
        EXPECT_EQ(told.title, WARNING_TITLE);
        EXPECT_EQ(told.icon, MessageIcon::Warning);
        EXPECT_NE(told.text.find("\"" + files.FullPath(c.file) + "\" konnte nicht gespeichert werden."),
                  std::string::npos)
            << told.text;
        EXPECT_EQ(ReadBytes(planFile), planBytes);
        EXPECT_EQ(ReadBytes(settingsFile), settingsBytes);
        EXPECT_EQ(RowTexts(View().rows), rows) << "the list shows what the file holds";
        if (c.countersKept) {
            const std::uint32_t after[] = {settings.Holidays, settings.Sickdays, settings.GDays};
            EXPECT_TRUE(std::equal(std::begin(counters), std::end(counters), after)) << "counters follow the file";
        }
    }
    EXPECT_EQ(counted.TakeFailedFile(), "");
}
