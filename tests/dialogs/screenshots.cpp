// Pictures of every dialog and options page, saved as BMP files in the
// current folder; screenshots.sh runs only these and converts them to PNG.
#include <gtest/gtest.h>

#include "dialogs/day_kind_dialogs.h"
#include "dialogs/options_sheet.h"
#include "dialogs/time_entry_dialog.h"
#include "dialogs/value_dialogs.h"
#include "dialogs/welcome_dialog.h"
#include "dialogs/year_overview_dialog.h"
#include "core/clipboard_export.h"
#include "resources/resource_ids.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tests/support/window_picture.h"

namespace {

class Screenshots : public DialogTest {
protected:
    void Take(const std::string& name, const std::function<void()>& open)
    {
        WhenDialogOpens([name](HWND dialog) {
            PumpUntilIdle();
            EXPECT_TRUE(SaveWindowPicture(dialog, (name + ".bmp").c_str())) << name;
            PressKey(dialog, VK_ESCAPE);
        });
        open();
    }
};

TEST_F(Screenshots, EveryDialogAndOptionsPage)
{
    Open(5, 2002);
    clock.Set(8, 5, 2002, 8, 10);
    MonthPlan& plan = Plan();
    Take("time_entry", [&] { new TimeEntryDialog(Module(), nullptr, plan, 0, ""); });
    Add(7, At(8, 0), NO_TIME);
    Take("time_entry_open_day", [&] { new TimeEntryDialog(Module(), nullptr, plan, EntryKey(7, 1), "", true); });
    Take("flexi_day", [&] { new FlexiDayDialog(Module(), nullptr, plan, ""); });
    Take("holiday_entry", [&] { new HolidayEntryDialog(Module(), nullptr, plan, ""); });
    Take("vacation", [&] { new VacationDialog(Module(), nullptr, plan, ""); });
    Take("sick_days", [&] { new SickDaysDialog(Module(), nullptr, plan, ""); });
    Take("account_correction", [&] { new AccountCorrectionDialog(Module(), nullptr, plan, ""); });
    FirstStart firstStart = FirstStartDefaults(settings, clock.Now());
    bool accepted = false;
    Take("welcome", [&] { new WelcomeDialog(Module(), nullptr, settings, prompts, firstStart, accepted); });
    unsigned month = 0, year = 0;
    Take("month", [&] { new MonthDialog(Module(), nullptr, &month, &year, settings, clock); });
    Take("day_count", [&] { new DayCountDialog(Module(), nullptr, settings, DayCounter::Holidays); });
    AddKind(6, Vacation);
    Take("remark", [&] { new RemarkDialog(Module(), nullptr, plan, EntryKey(6, 1)); });

    for (unsigned month = 1; month <= 4; ++month) {
        Open(month, 2002);
        Add(4 + month, At(8, 0), At(16 + month % 2, 15 * month));
        AddKind(11 + month, Vacation);
    }
    struct : ExportTarget {
        bool PutText(const std::string&) override { return true; }
    } clipboard;
    Take("year_overview", [&] {
        new YearOverviewDialog(Module(), nullptr, frame, 2002, clipboard, [](HWND, const Settings&, const YearOverview&) {});
    });

    const char* const pages[] = {"options_1", "options_2", "options_3", "options_4", "options_5", "options_6"};
    std::snprintf(settings.FreeDays.state, sizeof settings.FreeDays.state, "BY");
    std::snprintf(settings.FreeDays.ownDays[0], OWN_DAY_SIZE, "15.08 :Mariä Himmelfahrt");
    std::snprintf(settings.FreeDays.ownDays[1], OWN_DAY_SIZE, "24.12 :Heiligabend");
    std::snprintf(settings.FreeDays.ownDays[2], OWN_DAY_SIZE, "12.06.2027 :Betriebsausflug");
    WhenDialogOpens([&](HWND sheet) {
        for (int page = 0; page < static_cast<int>(std::size(pages)); ++page) {
            PropSheet_SetCurSel(sheet, nullptr, page);
            PumpUntilIdle();
            EXPECT_TRUE(SaveWindowPicture(sheet, (std::string(pages[page]) + ".bmp").c_str()));
        }
        // The last page, named by its title: pages may come in before it.
        PropSheet_SetCurSel(sheet, nullptr, TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet)) - 1);
        PumpUntilIdle();
        EXPECT_TRUE(SaveWindowPicture(sheet, "options_automatik.bmp"));
        WhenDialogOpens([](HWND chooser) {
            PumpUntilIdle();
            EXPECT_TRUE(SaveWindowPicture(chooser, "choose_directory.bmp"));
            PressKey(chooser, VK_ESCAPE);
        });
        PropSheet_SetCurSel(sheet, nullptr, 2);
        Click(PropSheet_GetCurrentPageHwnd(sheet), IDC_OPT_CHOOSE_DIR);
        Click(sheet, IDCANCEL);
    });
    OptionsSheet sheet(Module(), nullptr, settings);
}

} // namespace
