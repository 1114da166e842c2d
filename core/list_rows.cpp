// The rows of the month plan list, built from the file.
#include <strings.h>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "core/settings.h"

namespace {

enum ListIcon {
    IconDefault = 0,
    IconFlexiDay = 1,
    IconVacation = 2,
    IconCorrection = 3,
    IconSickDay = 4,
    IconHoliday = 5,
    IconMissing = 6,
    IconData = 7,
    IconNoSaldo = 8,
};

int IconOf(const EntryRecord& record)
{
    if (record.Come == NO_TIME || record.Come == TimeCode(EmptyDay))
        return record.NoSaldo ? IconNoSaldo : IconDefault;
    if (!IsTimeCode(record.Come) || record.Come == TimeCode(DirectHours))
        return IconData;
    switch (TimeCodeKind(record.Come)) {
    case FlexiDay:
        return IconFlexiDay;
    case Vacation:
        return IconVacation;
    case AccountCorrection:
        return IconCorrection;
    case SickDay:
        return IconSickDay;
    case PublicHoliday:
        return IconHoliday;
    case MissingDay:
        return IconMissing;
    default:
        return IconData;
    }
}

void Count(unsigned day, unsigned& count, unsigned& lastDay)
{
    if (lastDay != day) {
        ++count;
        lastDay = day;
    }
}

bool SameText(const std::string& a, const char* b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

} // namespace

void MonthPlan::BuildRows()
{
    const Settings& s = settings();
    rows_.clear();
    counts_ = DayCounts{};
    char text[TEXT_BUFFER_SIZE];
    for (const unsigned day : PeriodDays::All(EffectiveStartDay(s))) {
        EntryRecord record;
        for (unsigned position = 1; position <= MAX_POSITION && ReadEntry(day, position, record); ++position) {
            ListRow row;
            row.key = EntryKey(day, position);
            const int icon = IconOf(record);
            if (s.Icons) {
                row.icon = icon;
                if (icon == IconFlexiDay)
                    Count(day, counts_.flexiDays, counts_.lastFlexiDay);
                else if (icon == IconVacation)
                    Count(day, counts_.vacationDays, counts_.lastVacationDay);
                else if (icon == IconSickDay)
                    Count(day, counts_.sickDays, counts_.lastSickDay);
                else if (icon == IconData)
                    Count(day, counts_.workDays, counts_.lastWorkDay);
            }
            const bool sameDay = !rows_.empty() && KeyDay(rows_.back().key) == day;
            if (sameDay) {
                row.text[ColDay] = " ";
                row.text[ColDate] = " ";
            } else {
                const int weekday = record.weekday >= 0 && record.weekday <= 7 ? record.weekday : 7;
                row.text[ColDay] = WeekdayAbbreviations[weekday];
                FormatEntryDate(record, text);
                row.text[ColDate] = text;
            }
            FormatTime(record.Come, text);
            row.text[ColCome] = text;
            FormatTime(record.Go, text);
            row.text[ColGo] = text;
            FormatHours(s, record.WorkTime, text);
            row.text[ColHours] = text;
            if (sameDay) {
                // Saldo and Konto stay on a day's last row, and on rows of
                // corrections and flexi days; the row before a correction keeps its Saldo.
                ListRow& above = rows_.back();
                if (!SameText(above.text[ColCome], "ZK") && !SameText(above.text[ColCome], "GT")) {
                    if (record.Come != TimeCode(AccountCorrection))
                        above.text[ColSaldo] = " ";
                    above.text[ColAccount] = " ";
                }
            }
            FormatHours(s, record.Saldo, text);
            row.text[ColSaldo] = text;
            FormatHours(s, record.Account, text);
            row.text[ColAccount] = text;
            row.text[ColRemark] = record.Info[0] ? record.Info : " ";
            rows_.push_back(std::move(row));
        }
    }
}

void MonthPlan::RefreshList()
{
    BuildRows();
    view_.ShowRows(rows_);
    const Settings& s = settings();
    if (s.SelectDay)
        SelectToday();
    if (s.AutoTimer && live_.running == 0)
        ComputeCurrentDay(false);
    view_.DayCountsChanged();
}

int MonthPlan::RowOf(unsigned day, unsigned position) const
{
    const unsigned key = EntryKey(day, position);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].key == key)
            return static_cast<int>(i);
    }
    return NO_SELECTION;
}

bool MonthPlan::SelectEntryRow(unsigned day, unsigned position)
{
    const int row = RowOf(day, position);
    if (row == NO_SELECTION)
        return false;
    view_.SelectRow(row);
    return true;
}

long MonthPlan::SelectedEntry()
{
    const int row = view_.SelectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return NO_SELECTION;
    return static_cast<long>(rows_[static_cast<std::size_t>(row)].key);
}

std::string MonthPlan::SelectedRowDate()
{
    int row = view_.SelectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return "";
    for (; row >= 0; --row) {
        const std::string& date = rows_[static_cast<std::size_t>(row)].text[ColDate];
        if (!date.empty() && date != " ")
            return date;
    }
    return "";
}
