// Whether an entry changed while a dialog showed it.
#include "core/opened_entry.h"

#include <cstring>

#include "core/frame_core.h"
#include "core/month_plan.h"

namespace {

// The values a dialog shows and writes back. The computed ones (hours of a
// clock-time entry, balance, account) follow every recomputation, also of
// earlier days, and are written anew by the dialog's OK anyway. A missing
// day shows as the empty day it stands for, as the time entry dialog opens it.
bool SameAsShown(const EntryRecord& now, const EntryRecord& shown)
{
    const auto shownCome = [](const EntryRecord& entry) {
        return entry.Come == TimeCode(MissingDay) ? TimeCode(EmptyDay) : entry.Come;
    };
    const auto shownInfo = [](const EntryRecord& entry) {
        return entry.Come == TimeCode(MissingDay) ? "" : entry.Info;
    };
    if (shownCome(now) != shownCome(shown) || std::strcmp(shownInfo(now), shownInfo(shown)) != 0 ||
        now.NoSaldo != shown.NoSaldo)
        return false;
    if (shownCome(now) == TimeCode(EmptyDay))
        return true;
    if (now.Go != shown.Go)
        return false;
    if (now.Come == TimeCode(DirectHours) && now.WorkTime != shown.WorkTime)
        return false;
    return now.Come != TimeCode(AccountCorrection) || now.Account == shown.Account;
}

} // namespace

OpenedEntry::OpenedEntry(MonthPlan& plan, unsigned key) : key_(key)
{
    exists_ = key != 0 && plan.ReadEntry(KeyDay(key), KeyPosition(key), shown_) != 0;
}

bool OpenedEntry::StillAsShown(MonthPlan& plan) const
{
    if (key_ == 0)
        return true;
    EntryRecord now;
    const bool exists = plan.ReadEntry(KeyDay(key_), KeyPosition(key_), now) != 0;
    if (exists == exists_ && (!exists || SameAsShown(now, shown_)))
        return true;
    // The list behind the dialog shows the change as well.
    plan.RefreshList();
    plan.frame().prompts().Tell(ENTRY_CHANGED_MEANWHILE, "Hinweis", MessageIcon::Information);
    return false;
}
