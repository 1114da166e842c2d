// Every user command changes a plan file with one write, and the file is on
// disk when the command returns.
#include "tests/core/plan_fixture.h"

#include <functional>
#include <map>

#include "core/day_kind_forms.h"
#include "core/time_entry_form.h"

namespace {

// The platform's file system, counting the replacements of each file.
class CountingFileSystem : public ProfileFileSystem {
public:
    std::string FullPath(const std::string& path) override { return inner.FullPath(path); }
    FileStamp Stamp(const std::string& fullPath) override { return inner.Stamp(fullPath); }
    bool ReadAll(const std::string& fullPath, std::string& bytes) override { return inner.ReadAll(fullPath, bytes); }
    bool ReplaceAtomically(const std::string& fullPath, const std::string& bytes) override
    {
        ++writes[fullPath];
        return inner.ReplaceAtomically(fullPath, bytes);
    }
    ProfileFileSystem& inner = DefaultProfileFileSystem();
    std::map<std::string, int> writes;
};

class OneWriteTest : public PlanTest {
protected:
    OneWriteTest() { settings.CheckMissings = 0; }

    // Runs the command on a plan with entries and returns the number of
    // writes of the plan's file; checks that the engine's view is on disk.
    int WritesOf(MonthPlan& plan, const std::function<void()>& command)
    {
        files.writes.clear();
        command();
        ProfileEngine fresh(files);
        char fromDisk[64] = {}, cached[64] = {};
        fresh.ReadString("4/1", "Account", "", fromDisk, sizeof fromDisk, plan.path().c_str());
        counted.ReadString("4/1", "Account", "", cached, sizeof cached, plan.path().c_str());
        EXPECT_STREQ(fromDisk, cached);
        return files.writes[files.FullPath(plan.path())];
    }

    CountingFileSystem files;
    ProfileEngine counted{files};
    FrameCore countedFrame{settings, counted, clock, prompts, shell};
};

} // namespace

TEST_F(OneWriteTest, EachCommandWritesThePlanOnce)
{
    shell.Attach(countedFrame);
    clock.Set(4, 3, 2002, 8, 0);
    ASSERT_EQ(countedFrame.OpenMonthPlan(3, 2002, false, false), 1);
    MonthPlan& plan = LastPlan();
    const struct {
        const char* name;
        std::function<void()> command;
        int writes = 1;
    } commands[] = {
        {"Kommen", [&] { plan.RecordArrival(); }},
        {"Gehen",
         [&] {
             clock.Set(4, 3, 2002, 16, 30);
             plan.RecordDeparture();
         }},
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
             AddTimes(plan, 5, 780, 900);
             Select(plan, 5, 2);
             files.writes.clear();
             plan.MoveEntry(-1);
         }},
        {"delete",
         [&] {
             Select(plan, 5, 1);
             plan.DeleteEntry();
         }},
        {"missing days", [&] { plan.FillMissingDays(20); }},
        {"weekdays", [&] { plan.RecomputeWeekdays(); }},
        // Every stored value is right already: an unchanged file is not written.
        {"recompute", [&] { plan.Recompute(1); }, 0},
    };
    for (const auto& c : commands)
        EXPECT_EQ(WritesOf(plan, c.command), c.writes) << c.name;
}

TEST_F(OneWriteTest, CreatingAPlanWritesItTwice)
{
    // The MAIN keys first, so that a plan that cannot be created is noticed
    // before any day is written; then the days of the period.
    shell.Attach(countedFrame);
    countedFrame.OpenMonthPlan(3, 2002, false, false);
    EXPECT_EQ(files.writes[files.FullPath(LastPlan().path())], 2);
}
