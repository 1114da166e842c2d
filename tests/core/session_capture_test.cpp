// "Kommen" and "Gehen" recorded from the Windows session's events.
#include "core/session_capture.h"

#include "tests/core/plan_fixture.h"

namespace {

struct Step {
    SessionEvent event;
    unsigned day, hour, minute;
};

constexpr SessionEvent Start = SessionEvent::Start, Lock = SessionEvent::Lock, Unlock = SessionEvent::Unlock,
                       End = SessionEvent::End;

} // namespace

// March 2002: Monday the 4th and Tuesday the 5th. Each row starts without a
// plan file, or with an open entry on the 4th from openFrom, and lists the
// entries of both days afterwards and the notices told.
TEST_F(PlanTest, SessionEventsRecordWhatTheUserWouldHaveClicked)
{
    // clang-format off
    const struct {
        const char* name;
        bool arrival, departure, lockBreak, mark;
        int timeLag;
        TimeValue openFrom;
        std::vector<Step> steps;
        std::vector<std::string> entries;
        std::vector<std::string> notices;
    } rows[] = {
        {"start on an empty day opens the plan", true, false, false, false, 0, NO_TIME, {{Start, 4, 8, 2}},
         {"4/1 08:02-??:?? "}, {"Kommen um 08:02 automatisch erfasst."}},
        {"start on a day with an entry", true, true, true, false, 0, At(7, 30), {{Start, 4, 8, 2}},
         {"4/1 07:30-??:?? "}, {}},
        {"lock shorter than the pause", true, true, true, false, 0, At(8, 0), {{Lock, 4, 12, 0}, {Unlock, 4, 12, 14}},
         {"4/1 08:00-??:?? "}, {}},
        {"lock as long as the pause", false, false, true, false, 0, At(8, 0), {{Lock, 4, 12, 0}, {Unlock, 4, 12, 15}},
         {"4/1 08:00-12:00 ", "4/2 12:15-??:?? "},
         {"Gehen um 12:00 automatisch erfasst.\nKommen um 12:15 automatisch erfasst."}},
        {"a long lock without the pause box is no break", true, true, false, false, 0, At(8, 0),
         {{Lock, 4, 12, 0}, {Unlock, 4, 13, 0}}, {"4/1 08:00-??:?? "}, {}},
        {"the arrival after a break never lies before its departure", false, false, true, false, 10, At(8, 0),
         {{Lock, 4, 12, 0}, {Unlock, 4, 12, 15}}, {"4/1 08:00-12:10 ", "4/2 12:10-??:?? "},
         {"Gehen um 12:10 automatisch erfasst.\nKommen um 12:10 automatisch erfasst."}},
        {"lock over midnight", false, false, true, false, 0, At(8, 0), {{Lock, 4, 23, 55}, {Unlock, 5, 0, 5}},
         {"4/1 08:00-23:55 ", "5/1 00:05-??:?? "},
         {"Gehen am 04.03.2002 um 23:55 automatisch erfasst.\nKommen um 00:05 automatisch erfasst."}},
        {"lock until the next morning with the boxes for logon and lock", true, true, false, false, 0, At(8, 0),
         {{Lock, 4, 17, 0}, {Unlock, 5, 7, 50}}, {"4/1 08:00-17:00 ", "5/1 07:50-??:?? "},
         {"Gehen am 04.03.2002 um 17:00 automatisch erfasst.\nKommen um 07:50 automatisch erfasst."}},
        {"unlock on an empty day", true, false, false, false, 0, NO_TIME,
         {{Lock, 4, 7, 0}, {Unlock, 4, 7, 30}, {Lock, 4, 9, 0}, {Unlock, 4, 9, 30}}, {"4/1 07:30-??:?? "},
         {"Kommen um 07:30 automatisch erfasst."}},
        {"end of session with an open entry, travel time and marks", true, true, false, true, 2, NO_TIME,
         {{Start, 4, 8, 0}, {End, 4, 16, 30}}, {"4/1 07:58-16:32 Kommen automatisch, Gehen automatisch"},
         {"Kommen um 07:58 automatisch erfasst.", "Gehen um 16:32 automatisch erfasst."}},
        {"end of a session locked since the departure", false, true, false, false, 0, At(8, 0),
         {{Lock, 4, 16, 0}, {End, 4, 16, 40}}, {"4/1 08:00-16:00 "}, {"Gehen um 16:00 automatisch erfasst."}},
        {"nothing ticked", false, false, false, true, 0, At(8, 0),
         {{Start, 4, 8, 0}, {Lock, 4, 12, 0}, {Unlock, 4, 13, 0}, {End, 4, 17, 0}}, {"4/1 08:00-??:?? "}, {}},
    };
    // clang-format on
    settings.CheckMissings = 0;
    // February closes with an account: March's creation takes it over silently.
    Open(2, 2002);
    Add(28, 480, 960);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        shell.windows.clear();
        shell.trayNotices.clear();
        const std::string file = MonthPlanFileName(settings, 3, 2002);
        std::remove(file.c_str());
        settings.AutoArrival = row.arrival;
        settings.AutoDeparture = row.departure;
        settings.LockBreak = row.lockBreak;
        settings.MarkAutomatic = row.mark;
        settings.TimeLag = row.timeLag;
        clock.Set(4, 3, 2002, 7, 0);
        if (row.openFrom != NO_TIME) {
            Open(3, 2002);
            Add(4, row.openFrom, NO_TIME);
        }
        SessionCapture capture(frame);
        for (const Step& step : row.steps) {
            clock.Set(step.day, 3, 2002, step.hour, step.minute);
            capture.Handle(step.event);
        }
        std::vector<std::string> entries;
        for (unsigned day = 4; !shell.windows.empty() && day <= 5; ++day) {
            for (unsigned position = 1; position <= Plan().EntryCount(day); ++position) {
                const EntryRecord e = Entry(day, position);
                char come[TEXT_BUFFER_SIZE], go[TEXT_BUFFER_SIZE];
                FormatTime(e.Come, come);
                FormatTime(e.Go, go);
                if (e.Come != TimeCode(EmptyDay))
                    entries.push_back(std::to_string(day) + "/" + std::to_string(position) + " " + come + "-" + go +
                                      " " + e.Info);
            }
        }
        EXPECT_EQ(entries, row.entries);
        EXPECT_EQ(shell.trayNotices, row.notices);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(shell.windows.size(), row.entries.empty() ? 0u : 1u);
    }
}
