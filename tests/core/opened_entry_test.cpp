// An editing dialog's OK writes over an entry only while the entry still
// holds what the dialog showed.
#include "core/opened_entry.h"

#include "tests/core/plan_fixture.h"

TEST_F(PlanTest, AnEntryChangedWhileItsDialogIsOpenIsShownAgainInsteadOfOverwritten)
{
    const struct {
        const char* what;
        unsigned day;
        std::vector<std::pair<const char*, const char*>> writes; // key, value
        bool deleted;
        bool stillAsShown;
    } cases[] = {
        {"a recomputed account", 7, {{"Account", "999"}, {"Saldo", "1"}}, false, true},
        {"the empty day marked as a missing day", 8, {{"Come", "32773"}, {"Info", "Fehltag"}}, false, true},
        {"\"Gehen\" from the tray", 11, {{"Go", "990"}}, false, false},
        {"the remark from stundwerk-cli", 7, {{"Info", "x"}}, false, false},
        {"the hours of direct hours", 6, {{"WorkTime", "1"}}, false, false},
        {"the entry deleted", 5, {}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MonthPlan& plan = FillWeek();
        Add(11, At(8, 0), NO_TIME);
        const OpenedEntry opened(plan, EntryKey(c.day, 1));
        const OpenedEntry added(plan, 0);
        const std::string section = std::to_string(c.day) + "/1";
        for (const auto& write : c.writes)
            store.WriteString(section.c_str(), write.first, write.second, plan.path().c_str());
        if (c.deleted)
            plan.DeleteEntrySection(c.day, 1);
        EXPECT_EQ(opened.StillAsShown(plan), c.stillAsShown);
        EXPECT_EQ(Texts(),
                  c.stillAsShown ? std::vector<std::string>{} : std::vector<std::string>{ENTRY_CHANGED_MEANWHILE});
        EXPECT_TRUE(added.StillAsShown(plan)) << "a new entry overwrites nothing";
        EXPECT_TRUE(OpenedEntry(plan, EntryKey(c.day, 1)).StillAsShown(plan)) << "shown again, as it is now";
    }
}
