// The export of a period's days to the clipboard.
#include "core/clipboard_export.h"

#include "tests/core/plan_fixture.h"

namespace {

using ExportTest = PlanTest;

class RecordingTarget : public ExportTarget {
public:
    bool PutText(const std::string& text) override
    {
        placed += text;
        return accept;
    }
    std::string placed;
    bool accept = true;
};

} // namespace

TEST_F(ExportTest, FieldsOfTheWholePeriod)
{
    MonthPlan& plan = FillWeek();
    const struct {
        unsigned fields;
        const char* expected;
    } cases[] = {
        // The default: date and the day's balance; the vacation day has no line.
        {17, "04.03.2002\t0:24\n06.03.2002\t-2:36\n07.03.2002\t0:24\n"},
        // First arrival, last departure, the last entry's own hours.
        {31, "04.03.2002\t08:00\t17:00\t4:30\t0:24\n"
             "06.03.2002\t**.**\t**.**\t5:00\t-2:36\n"
             "07.03.2002\t07:45\t16:15\t8:30\t0:24\n"},
        {4, "17:00\n**.**\n16:15\n"},
        // No field chosen, and bits beyond the five fields: nothing.
        {0, ""},
        {32, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExportText(plan, c.fields, 0), c.expected) << c.fields;
    settings.ComFormat = 1;
    EXPECT_EQ(ExportText(plan, 24, 4), "4,500\t0,400\n");
}

TEST_F(ExportTest, OtherStartDayRunsInPeriodOrder)
{
    settings.StartDay = 25;
    MonthPlan& plan = Open(3, 2002);
    Add(2, At(8, 0), At(16, 30)); // 2 April
    Add(26, At(8, 0), At(16, 0)); // 26 March
    EXPECT_EQ(ExportText(plan, 1, 0), "26.03.2002\n02.04.2002\n");
}

TEST_F(ExportTest, MarkedRowAndRefusals)
{
    MonthPlan& plan = FillWeek();
    RecordingTarget target;
    Select(4, 1);
    EXPECT_TRUE(ExportToClipboard(plan, true, target)); // the marked row's whole day
    EXPECT_EQ(target.placed, "04.03.2002\t0:24\n");
    View().selected = NO_SELECTION;
    EXPECT_FALSE(ExportToClipboard(plan, true, target));
    Select(5, 1); // the vacation: nothing to export
    EXPECT_FALSE(ExportToClipboard(plan, true, target));
    target.accept = false; // the clipboard refuses
    EXPECT_FALSE(ExportToClipboard(plan, false, target));
    EXPECT_EQ(Texts(), (std::vector<std::string>{EXPORT_DONE, EXPORT_NOTHING_MARKED, EXPORT_NOTHING, EXPORT_NOTHING}));
}
