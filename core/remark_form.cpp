// Changing the remark of an entry.
#include "core/remark_form.h"

#include "core/form_support.h"
#include "core/month_plan.h"
#include "ini/profile_batch.h"

std::string InitRemark(MonthPlan& plan, unsigned key)
{
    EntryRecord entry;
    if (!plan.ReadEntry(KeyDay(key), KeyPosition(key), entry))
        return "";
    return entry.Info;
}

bool AcceptRemark(MonthPlan& plan, unsigned key, const std::string& remark)
{
    EntryRecord entry;
    // Writing a record that was never read would create a section of
    // defaults in the middle of the day.
    if (!plan.ReadEntry(KeyDay(key), KeyPosition(key), entry))
        return true;
    SetRemark(entry, remark);
    {
        ProfileBatch batch(plan.store());
        plan.WriteEntry(KeyDay(key), KeyPosition(key), entry);
    }
    plan.RefreshList();
    return true;
}
