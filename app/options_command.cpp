// Command 155: the options sheet, then everything its values touch. These
// steps run whether the sheet ended with OK or with "Abbrechen".
#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings_file.h"
#include "core/user_wait.h"
#include "dialogs/commands.h"

namespace {

constexpr const char* START_DAY_CHANGED =
    "Sie haben den ersten Abrechnungstag pro Monat geändert. Dadurch ändert sich die\n"
    "Grundlage der pro Zeitplan erfaßten Zeiträume.\n\n"
    "Daher werden nun alle ggf. noch geöffneten Zeitpläne geschlossen und ab sofort\n"
    "neue Zeitpläne mit anderem Startdatum angelegt.\n\n"
    "Hinweis:\n"
    "Jede Zeitplan-Datei erhält ihren Namen entsprechend ihrem 1.Abrechnungstag, z.B:\n"
    "\"032002.sw\" für einen Plan vom 1.3.2002 bis zum 31.3.2002 (Standard)\n"
    "\"032002_15.sw\" für einen Plan vom 15.3.2002 bis zum 14.4.2002\n\n"
    "Sie können bereits gefüllte Zeitpläne, die noch auf einem anderen Abrechnungstag\n"
    "basieren, jederzeit wieder öffnen, indem Sie wieder diesen Tag einstellen und den\n"
    "entsprechenden Monat öffnen.";

} // namespace

void MainFrame::OnOptions()
{
    const auto icons = settings_.Icons;
    const auto startDay = settings_.StartDay;
    const auto stripes = settings_.ColorStripes;

    {
        const UserWait wait(core_);
        EditOptions(window_, settings_);
    }

    // The button bar's background is the stripe colour.
    if (settings_.ColorStripes != stripes) {
        BuildButtonBar();
        LayoutClient();
    }
    if (settings_.StartDay != startDay) {
        // The open plans were made under the old first billing day: no tick
        // may compute on them while the notice is read. The timer starts
        // again below, once they are closed.
        KillTimer(window_, DAY_TIMER_ID);
        MessageBoxA(window_, START_DAY_CHANGED, "1. Abrechnungstag geändert", MB_ICONINFORMATION);
        CloseAllPlans();
        unsigned month = 0, year = 0;
        core_.TodaysPeriod(month, year);
        core_.OpenMonthPlan(month, year, false, true);
    }
    MonthPlanWindow* active = GetActiveMonthPlan();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    core_.SaveSettingsFile();

    KillTimer(window_, DAY_TIMER_ID);
    if (settings_.AutoTimer)
        SetTimer(window_, DAY_TIMER_ID, DAY_TIMER_PERIOD, nullptr);
    else
        SetTrayTip(TIP_TIMER_OFF);

    // Only the active plan shows the new options at once; the others at
    // their next refresh.
    if (active) {
        if (settings_.Icons != icons) {
            if (settings_.Icons)
                active->CreateIconLists();
            else
                active->RemoveIconLists();
        }
        active->Plan().RefreshList();
        active->Plan().Recompute(EffectiveStartDay(settings_));
    }
}
