// A command whose files cannot be written: the user is told once, naming the
// file; the file keeps its old contents and the list shows what it holds.
#include "tests/core/plan_fixture.h"

#include <functional>

#include "core/command_scope.h"
#include "core/settings_file.h"
#include "core/time_entry_form.h"
#include "tests/ini/counting_file_system.h"

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

TEST_F(PlanTest, UnsavedChangeIsToldOncePerCommand)
{
    CountingFileSystem files;
    ProfileEngine disk{files};
    FrameCore diskFrame{settings, disk, clock, prompts, shell};
    shell.Attach(diskFrame);
    settings.CheckMissings = 0;
    clock.Set(4, 3, 2002, 7, 0);
    ASSERT_EQ(diskFrame.OpenMonthPlan(3, 2002, false, false), 1);
    MonthPlan& plan = Plan();
    ASSERT_TRUE(SaveSettings(disk, settings));
    plan.RecordArrival(); // an open entry for "Gehen"
    const std::string planFile = plan.path();
    const std::string settingsFile = settings.SettingsPath;

    const struct {
        const char* name;
        const std::string& file;
        std::function<void()> command;
        std::function<void()> before = nullptr; // on a working disk
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
        {"settings", settingsFile,
         [&] {
             settings.Holidays += 5;
             EXPECT_FALSE(SaveSettings(disk, settings));
         }},
        {"Kommen, settings and an inner command: the first file once", planFile,
         [&] {
             {
                 const CommandScope inner(diskFrame);
                 plan.RecordArrival();
             }
             EXPECT_FALSE(SaveSettings(disk, settings));
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
        prompts.messages.clear();
        files.failWrites = true;
        {
            const CommandScope command(diskFrame);
            c.command();
        }
        files.failWrites = false;

        ASSERT_EQ(prompts.messages.size(), 1u);
        const RecordingPrompts::Message& told = prompts.messages[0];
        EXPECT_EQ(told.title, WARNING_TITLE);
        EXPECT_EQ(told.icon, MessageIcon::Warning);
        EXPECT_NE(told.text.find("\"" + files.FullPath(c.file) + "\" konnte nicht gespeichert werden."),
                  std::string::npos)
            << told.text;
        EXPECT_EQ(ReadBytes(planFile), planBytes);
        EXPECT_EQ(ReadBytes(settingsFile), settingsBytes);
        EXPECT_EQ(RowTexts(View().rows), rows) << "the list shows what the file holds";
    }
    EXPECT_EQ(disk.TakeFailedFile(), "");
}
