#include <gtest/gtest.h>

#include <string>

#include "core/clipboard_export.h"
#include "period_fixture.h"

namespace {

class ExportTest : public PeriodTest {
public:
    // March 2002: a long Monday in two parts, a Tuesday with a vacation, a
    // Wednesday with direct hours and a Thursday with one entry.
    void FillWeek()
    {
        Open(3, 2002);
        Add(4, At(8, 0), At(12, 0));
        Add(4, At(12, 30), At(17, 0));
        Add(5, TimeCode(Vacation), TimeCode(Vacation));
        Add(6, TimeCode(DirectHours), TimeCode(DirectHours), 300);
        Add(7, At(7, 45), At(16, 15));
    }
};

struct FieldsCase {
    unsigned fields;
    const char* expected;
};

class ExportFields : public ExportTest, public ::testing::WithParamInterface<FieldsCase> {};

TEST_P(ExportFields, WholePeriod)
{
    FillWeek();
    EXPECT_EQ(ExportText(*plan, GetParam().fields, 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Bits, ExportFields,
                         ::testing::Values(
                             // The default: date and the day's balance; the vacation day has no line.
                             FieldsCase{17, "04.03.2002\t0:24\n06.03.2002\t-2:36\n07.03.2002\t0:24\n"},
                             // First arrival, last departure, the last entry's own hours.
                             FieldsCase{31, "04.03.2002\t08:00\t17:00\t4:30\t0:24\n"
                                            "06.03.2002\t**.**\t**.**\t5:00\t-2:36\n"
                                            "07.03.2002\t07:45\t16:15\t8:30\t0:24\n"},
                             FieldsCase{4, "17:00\n**.**\n16:15\n"},
                             FieldsCase{10, "08:00\t4:30\n**.**\t5:00\n07:45\t8:30\n"},
                             // No field chosen, and bits beyond the five fields: nothing.
                             FieldsCase{0, ""}, FieldsCase{32, ""}));

TEST_F(ExportTest, CommaFormat)
{
    FillWeek();
    settings.ComFormat = 1;
    EXPECT_EQ(ExportText(*plan, 24, 4), "4,500\t0,400\n");
}

TEST_F(ExportTest, OtherStartDayRunsInPeriodOrder)
{
    settings.StartDay = 25;
    Open(3, 2002);
    Add(2, At(8, 0), At(16, 30)); // 2 April
    Add(26, At(8, 0), At(16, 0)); // 26 March
    EXPECT_EQ(ExportText(*plan, 1, 0), "26.03.2002\n02.04.2002\n");
}

TEST_F(ExportTest, DayKindsProduceNoLine)
{
    Open(3, 2002);
    for (const EntryKind kind : {FlexiDay, Vacation, SickDay, MissingDay})
        Add(4 + kind, TimeCode(kind), TimeCode(kind));
    Add(18, TimeCode(AccountCorrection), TimeCode(AccountCorrection));
    // Untouched empty days and Good Friday have no line either.
    EXPECT_EQ(ExportText(*plan, 31, 0), "");
}

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

TEST_F(ExportTest, MarkedRowExportsItsWholeDay)
{
    FillWeek();
    ASSERT_TRUE(plan->SelectEntryRow(4, 1));
    RecordingTarget target;
    EXPECT_TRUE(ExportToClipboard(*plan, true, target));
    EXPECT_EQ(target.placed, "04.03.2002\t0:24\n");
    EXPECT_EQ(ToldTexts(), std::vector<std::string>{EXPORT_DONE});
}

TEST_F(ExportTest, Refusals)
{
    FillWeek();
    RecordingTarget target;
    ViewOf(*plan).selected = NO_SELECTION;
    EXPECT_FALSE(ExportToClipboard(*plan, true, target));
    ASSERT_TRUE(plan->SelectEntryRow(5, 1)); // the vacation: nothing to export
    EXPECT_FALSE(ExportToClipboard(*plan, true, target));
    target.accept = false; // the clipboard refuses
    EXPECT_FALSE(ExportToClipboard(*plan, false, target));
    EXPECT_EQ(ToldTexts(), (std::vector<std::string>{EXPORT_NOTHING_MARKED, EXPORT_NOTHING, EXPORT_NOTHING}));
}

} // namespace
