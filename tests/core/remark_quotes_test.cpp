// Remarks read back exactly as written, however they are quoted, on every
// backend a plan can be kept in: reading a private-profile value removes one
// pair of surrounding quotes.
#include <string>
#include <vector>

#include "core/remark_form.h"
#include "tests/core/plan_fixture.h"

#ifdef _WIN32
#include "ini/win32/system_profile_store.h"
#endif

namespace {

// nullptr: the engine; under Windows also the system's functions.
std::vector<ProfileStore*> Backends()
{
#ifdef _WIN32
    static SystemProfileStore system;
    return {nullptr, &system};
#else
    return {nullptr};
#endif
}

class RemarkQuotesTest : public PlanTest, public ::testing::WithParamInterface<ProfileStore*> {
protected:
    RemarkQuotesTest() : PlanTest(GetParam()) {}
};

// Reading drops the blanks at a remark's ends; they are not written either,
// so that rewriting the entries changes no byte of the file.
TEST_P(RemarkQuotesTest, RemarksSurviveRewrites)
{
    const std::string remarks[] = {
        "'Zitat'", "\"Projekt X\"", "\"\"", "\"a\" und \"b\"", "\"", "'" + std::string(253, 'x') + "'",
        " Arzt ",  "\t8:00 ",
    };
    MonthPlan& plan = Open(3, 2002);
    unsigned day = 1;
    for (const std::string& remark : remarks)
        ASSERT_TRUE(AcceptRemark(plan, EntryKey(day++, 1), remark)) << remark;
    // Every entry is read and written again.
    const std::string written = ReadBytes(plan.path());
    plan.Recompute(1);
    plan.Recompute(1);
    EXPECT_EQ(ReadBytes(plan.path()), written);
    for (day = 1; day <= 6; ++day)
        EXPECT_EQ(Entry(day).Info, remarks[day - 1]);
    EXPECT_STREQ(Entry(7).Info, "Arzt");
    EXPECT_STREQ(Entry(8).Info, "8:00");
}

INSTANTIATE_TEST_SUITE_P(Backends, RemarkQuotesTest, ::testing::ValuesIn(Backends()),
                         [](const ::testing::TestParamInfo<ProfileStore*>& info) {
                             return info.param == nullptr ? std::string("Engine") : std::string("System");
                         });

} // namespace
