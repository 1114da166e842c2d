#include "core/clipboard_export.h"

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings.h"

namespace {

// Entries with a clock time or direct hours are figures; day kinds are not.
bool IsExported(TimeValue come)
{
    return come == TimeCode(DirectHours) || (come != NO_TIME && !IsTimeCode(come));
}

enum { FieldDate, FieldCome, FieldGo, FieldHours, FieldSaldo, FIELD_COUNT };

std::string DayLine(MonthPlan& plan, unsigned fields, unsigned day)
{
    const Settings& s = plan.settings();
    std::string text[FIELD_COUNT];
    char buffer[TEXT_BUFFER_SIZE];
    EntryRecord entry;
    for (unsigned position = 1; position <= 0xFFFF && plan.ReadEntry(day, position, entry); ++position) {
        if (!IsExported(entry.Come))
            continue;
        if (text[FieldDate].empty()) {
            FormatEntryDate(entry, buffer);
            text[FieldDate] = buffer;
        }
        if (text[FieldCome].empty()) {
            FormatTime(entry.Come, buffer);
            text[FieldCome] = buffer;
        }
        FormatTime(entry.Go, buffer);
        text[FieldGo] = buffer;
        FormatHours(s, entry.WorkTime, buffer);
        text[FieldHours] = buffer;
        FormatHours(s, entry.Saldo, buffer);
        text[FieldSaldo] = buffer;
    }
    std::string line;
    for (int field = 0; field < FIELD_COUNT; ++field) {
        if ((fields & (1u << field)) == 0)
            continue;
        if (!line.empty())
            line += '\t';
        line += text[field];
    }
    return line;
}

} // namespace

std::string ExportText(MonthPlan& plan, unsigned fields, unsigned day)
{
    std::string out;
    auto append = [&](unsigned d) {
        const std::string line = DayLine(plan, fields, d);
        if (!line.empty())
            out += line + '\n';
    };
    if (day != 0) {
        append(day);
        return out;
    }
    for (const unsigned d : PeriodDays::All(EffectiveStartDay(plan.settings())))
        append(d);
    return out;
}

bool ExportToClipboard(MonthPlan& plan, bool markedOnly, ExportTarget& target)
{
    UserPrompts& prompts = plan.frame().prompts();
    unsigned day = 0;
    if (markedOnly) {
        const long key = plan.SelectedEntry();
        if (key == NO_SELECTION) {
            prompts.Tell(EXPORT_NOTHING_MARKED, "Hinweis", MessageIcon::Information);
            return false;
        }
        day = KeyDay(static_cast<unsigned>(key));
    }
    const std::string text = ExportText(plan, plan.settings().ExportFields, day);
    const bool done = !text.empty() && target.PutText(text);
    prompts.Tell(done ? EXPORT_DONE : EXPORT_NOTHING, "Hinweis", MessageIcon::Information);
    return done;
}
