// A command whose files cannot be written: the user is told once, naming the
// file; the file keeps its old contents and the list shows what it holds.
#include "tests/core/plan_fixture.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "core/command_scope.h"
#include "core/day_kind_forms.h"
#include "core/settings_file.h"

TEST_F(CountedPlanTest, UnsavedChangeIsToldOncePerCommand)
{
    MonthPlan& plan = OpenMarch();
    ASSERT_TRUE(SaveSettings(counted, settings));
    plan.RecordArrival(); // an open entry for "Gehen"
    const std::string planFile = plan.path();
    const std::string settingsFile = settings.SettingsPath;
    const auto rowTexts = [&] {
        std::vector<std::vector<std::string>> texts;
        for (const ListRow& row : View().rows)
            texts.emplace_back(std::begin(row.text), std::end(row.text));
        return texts;
    };

    const struct {
        const char* name;
        const std::string& file;
        std::function<void()> command;
        std::function<void()> before = nullptr; // on a working disk
        bool countersKept = true;               // vacation, sick and flexi day counters
    } commands[] = {
        {"Gehen", planFile, [&] { plan.RecordDeparture(); }},
        {"vacation", planFile, [&] { EXPECT_TRUE(AcceptVacation(plan, InitVacation(plan, "06.03.2002"))); }},
        {"deleting a vacation day", planFile, [&] { plan.DeleteEntry(); },
         [&] {
             ASSERT_TRUE(AcceptVacation(plan, InitVacation(plan, "08.03.2002")));
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
         },
         [&] { plan.RecordDeparture(); }},
    };
    clock.Set(4, 3, 2002, 18, 0);
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
        EXPECT_EQ(rowTexts(), rows) << "the list shows what the file holds";
        if (c.countersKept) {
            const std::uint32_t after[] = {settings.Holidays, settings.Sickdays, settings.GDays};
            EXPECT_TRUE(std::equal(std::begin(counters), std::end(counters), after)) << "counters follow the file";
        }
    }
    EXPECT_EQ(counted.TakeFailedFile(), "");
}
