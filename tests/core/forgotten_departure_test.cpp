// The open entry of an earlier day: where it is looked for, and that the user
// is asked about it once a day.
#include "core/forgotten_departure.h"
#include "tests/core/plan_fixture.h"

TEST_F(PlanTest, OpenEntryOfAnEarlierDayInThisPeriodOrTheOneBefore)
{
    settings.CheckMissings = 0;
    const struct {
        unsigned februaryOpen, marchOpen, today; // 0: no open entry
        const char* date;                        // nullptr: none found
    } cases[] = {
        {27, 4, 5, "27.02.2002"},                     // the earliest first
        {0, 4, 5, "04.03.2002"},  {0, 5, 5, nullptr}, // today's open entry is today's business
        {0, 4, 4, nullptr},       {28, 0, 1, "28.02.2002"},
    };
    for (const auto& c : cases) {
        Open(2, 2002);
        if (c.februaryOpen)
            Add(c.februaryOpen, At(8, 0), NO_TIME);
        Open(3, 2002);
        Add(1, At(7, 0), At(15, 0));
        if (c.marchOpen)
            Add(c.marchOpen, At(8, 0), NO_TIME);
        clock.Set(c.today, 3, 2002, 9, 0);
        const std::optional<OpenEarlierEntry> found = FindOpenEarlierEntry(frame);
        EXPECT_EQ(found ? found->date : "-", c.date ? c.date : "-")
            << c.februaryOpen << " " << c.marchOpen << " " << c.today;
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

// In January the period before is December of the year before.
TEST_F(PlanTest, OpenEntryOfDecemberIsFoundInJanuary)
{
    settings.CheckMissings = 0;
    Open(12, 2002);
    Add(30, At(8, 0), NO_TIME);
    Open(1, 2003);
    clock.Set(2, 1, 2003, 9, 0);
    const std::optional<OpenEarlierEntry> found = FindOpenEarlierEntry(frame);
    EXPECT_EQ(found ? found->date : "-", "30.12.2002");
}
