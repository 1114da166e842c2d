// The open entry of an earlier day: where it is looked for, and that the user
// is asked about it once a day.
#include "core/forgotten_departure.h"
#include "tests/core/plan_fixture.h"

// In January the period before is December of the year before.
TEST_F(PlanTest, OpenEntryOfAnEarlierDayInThisPeriodOrTheOneBefore)
{
    settings.CheckMissings = 0;
    const struct {
        unsigned decemberOpen, januaryOpen, today; // 0: no open entry
        const char* date;                          // nullptr: none found
    } cases[] = {
        {27, 3, 6, "27.12.2002"},                     // the earliest first
        {0, 3, 6, "03.01.2003"},  {0, 6, 6, nullptr}, // today's open entry is today's business
        {0, 3, 3, nullptr},       {30, 0, 2, "30.12.2002"},
    };
    for (const auto& c : cases) {
        Open(12, 2002);
        if (c.decemberOpen)
            Add(c.decemberOpen, At(8, 0), NO_TIME);
        Open(1, 2003);
        Add(2, At(7, 0), At(15, 0));
        if (c.januaryOpen)
            Add(c.januaryOpen, At(8, 0), NO_TIME);
        clock.Set(c.today, 1, 2003, 9, 0);
        const std::optional<OpenEarlierEntry> found = FindOpenEarlierEntry(frame);
        EXPECT_EQ(found ? found->date : "-", c.date ? c.date : "-")
            << c.decemberOpen << " " << c.januaryOpen << " " << c.today;
    }
}

TEST_F(PlanTest, ForgottenDepartureIsAskedOncePerEntryAndDay)
{
    settings.CheckMissings = 0;
    Open(3, 2002);
    Add(4, At(8, 0), NO_TIME);
    ForgottenDepartureCheck check;
    const struct {
        unsigned day, hour;
        bool asked;
    } calls[] = {{5, 8, true}, {5, 8, false}, {5, 17, false}, {6, 7, true}, {6, 9, false}};
    for (const auto& c : calls) {
        clock.Set(c.day, 3, 2002, c.hour, 0);
        // The tick asks on the first computation of a day only; here that is when the entry is asked about.
        EXPECT_EQ(check.FirstOfDay(clock.Now()), c.asked) << c.day << " " << c.hour;
        const std::optional<OpenEarlierEntry> asked = check.NextToAsk(frame);
        EXPECT_EQ(asked.has_value(), c.asked) << c.day << " " << c.hour;
        if (asked) {
            EXPECT_EQ(ForgottenDepartureNote(*asked), "Am 04.03.2002 wurde kein \"Gehen\" erfasst (\"Kommen\" 08:00).\n"
                                                      "Bitte tragen Sie ein, wann Sie gegangen sind.");
        }
    }
}
