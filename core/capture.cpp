// "Kommen", "Gehen" and the live computation of today's open entry.
#include <algorithm>
#include <cstdio>
#include <string>

#include "calendar/calendar.h"
#include "core/end_of_day.h"
#include "core/forgotten_departure.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "core/scoped_count.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"
#include "core/settings.h"

namespace {

const char* const NOT_CURRENT_PLAN = "Bitte öffnen Sie zuerst den Monatsplan\nfür den aktuellen Monat.";
const char* const OPEN_ENTRY_EXISTS =
    "Es existiert noch ein Eintrag ohne \"Gehen\"-Zeit\n\n\"Kommen\"-Zeit kann nicht erfaßt werden.";
const char* const NO_ARRIVAL_FOUND =
    "Es wurde keine \"Kommen\"-Zeit gefunden, zu der\ndie \"Gehen\"-Zeit eingetragen werden kann.\n\n"
    "Bitte überprüfen Sie den Monatsplan.";
const char* const REGULAR_TIME_REACHED = "Ihre Regelarbeitszeit ist erreicht.";
const char* const TIP_NOT_POSSIBLE = "Stundwerk: Tagesberechnung nicht möglich.";

TimeValue MinutesOf(const LocalTime& time)
{
    return static_cast<TimeValue>(time.hour * 60 + time.minute);
}

std::string Hours(const Settings& settings, HoursValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatHours(settings, value, text);
    return text;
}

std::string Time(TimeValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatTime(value, text);
    return text;
}

} // namespace

bool MonthPlan::IsCurrentPlan()
{
    // A plan of the same month under another first billing day is another
    // period: its days lie elsewhere, and the live computation would enter
    // missing days into the wrong ones.
    if (startDay_ != EffectiveStartDay(settings()))
        return false;
    unsigned month = 0, year = 0;
    frame_.TodaysPeriod(month, year);
    return PlanMonth() == month && PlanYear() == year;
}

int MonthPlan::FindOpenEntry(unsigned day)
{
    return static_cast<int>(FindOpenEntryIn(store(), path_, day));
}

unsigned MonthPlan::LastEntryPosition(unsigned day)
{
    unsigned last = 0;
    while (last < MAX_POSITION && !ReadText(Section(day, last + 1), KEY_COME, "").empty())
        ++last;
    return last;
}

bool MonthPlan::IsInCurrentPeriod(const LocalTime& at)
{
    if (!IsCurrentPlan())
        return false;
    unsigned month = 0, year = 0;
    PeriodOfDate(EffectiveStartDay(settings()), at.day, at.month, at.year, month, year);
    return month == PlanMonth() && year == PlanYear();
}

StampResult MonthPlan::StampArrival(const Stamp& stamp, TimeValue& stored)
{
    if (!IsInCurrentPeriod(stamp.at))
        return StampResult::NotCurrentPlan;
    if (FindOpenEntry(stamp.at.day) != 0)
        return StampResult::OpenEntryExists;
    const Settings& s = settings();
    EntryRecord record;
    record.Come = std::max(WithinDay(MinutesOf(stamp.at) - s.TimeLag), stamp.notBefore);
    record.Go = NO_TIME;
    record.WorkTime = record.Saldo = record.Account = NO_HOURS;
    record.day = stamp.at.day;
    record.month = stamp.at.month;
    record.year = stamp.at.year;
    record.weekday = Calendar().Weekday(stamp.at.day, stamp.at.month, stamp.at.year);
    record.NoSaldo = IsWorkDay(s, record.weekday) ? 0 : 1;
    std::snprintf(record.Info, sizeof record.Info, "%s", stamp.mark);
    {
        ProfileBatch batch(store());
        if (!WriteEntry(0, 0, record))
            return StampResult::NotWritten;
        RecomputeDays(stamp.at.day);
    }
    RefreshList();
    stored = record.Come;
    return StampResult::Recorded;
}

StampResult MonthPlan::StampDeparture(const Stamp& stamp, TimeValue& stored)
{
    if (!IsInCurrentPeriod(stamp.at))
        return StampResult::NotCurrentPlan;
    const int position = FindOpenEntry(stamp.at.day);
    if (position == 0)
        return StampResult::NoOpenEntry;
    EntryRecord record;
    {
        ProfileBatch batch(store());
        ReadEntry(stamp.at.day, static_cast<unsigned>(position), record);
        // Never before the arrival: an arrival typed for later today, or a
        // negative travel-time correction, would otherwise give an entry that
        // the time entry dialog refuses.
        const TimeValue go = WithinDay(MinutesOf(stamp.at) + settings().TimeLag);
        record.Go = record.Come >= 0 && record.Come <= MINUTES_PER_DAY && go < record.Come ? record.Come : go;
        if (*stamp.mark != '\0') {
            const std::string info = *record.Info != '\0' ? std::string(record.Info) + ", " + stamp.mark : stamp.mark;
            std::snprintf(record.Info, sizeof record.Info, "%s", info.c_str());
        }
        WriteEntry(stamp.at.day, static_cast<unsigned>(position), record);
        RecomputeDays(stamp.at.day);
    }
    RefreshList();
    stored = record.Go;
    return StampResult::Recorded;
}

void MonthPlan::RecordArrival()
{
    TimeValue stored = NO_TIME;
    switch (StampArrival(Stamp{frame_.clock().Now()}, stored)) {
    case StampResult::NotCurrentPlan:
        frame_.prompts().Tell(NOT_CURRENT_PLAN, "Hinweis", MessageIcon::Information);
        break;
    case StampResult::OpenEntryExists:
        frame_.prompts().Tell(OPEN_ENTRY_EXISTS, "Hinweis", MessageIcon::Information);
        break;
    default:
        break;
    }
}

void MonthPlan::RecordDeparture()
{
    const LocalTime now = frame_.clock().Now();
    TimeValue stored = NO_TIME;
    switch (StampDeparture(Stamp{now}, stored)) {
    case StampResult::NotCurrentPlan:
        frame_.prompts().Tell(NOT_CURRENT_PLAN, "Hinweis", MessageIcon::Information);
        break;
    case StampResult::NoOpenEntry:
        frame_.prompts().Tell(NO_ARRIVAL_FOUND, "Fehler", MessageIcon::Information);
        Recompute(now.day);
        break;
    default:
        break;
    }
}

TodayValues MonthPlan::ReadToday(const LocalTime& now)
{
    const Settings& s = settings();
    // Reads only: one look at the file's date and size for all of them.
    ProfileBatch batch(store());
    TodayValues v;
    v.now = MinutesOf(now);
    const unsigned today = now.day;
    v.position = LastEntryPosition(today);
    if (v.position == 0)
        return v;
    const std::string section = Section(today, v.position);
    const char* file = path_.c_str();
    const auto storedCome = static_cast<TimeValue>(store().ReadInt(section.c_str(), KEY_COME, NO_TIME, file));
    if (storedCome == NO_TIME || storedCome == TimeCode(FlexiDay) || storedCome == TimeCode(MissingDay) ||
        storedCome == TimeCode(AccountCorrection))
        return v;
    const auto go = static_cast<TimeValue>(store().ReadInt(section.c_str(), KEY_GO, NO_TIME, file));
    if (go != NO_TIME) {
        EntryRecord record;
        ReadEntry(today, v.position, record);
        v.come = record.Come;
        v.workTime = record.WorkTime;
        v.saldo = record.Saldo;
        v.account = record.Account;
        return v;
    }
    v.open = true;
    v.come = storedCome;
    const int weekday = static_cast<int>(store().ReadInt(section.c_str(), KEY_DAY, 8, file));
    v.noSaldo = store().ReadInt(section.c_str(), KEY_NOSALDO, IsWorkDay(s, weekday) ? 0 : 1, file) != 0;
    v.workTime = RawWorkTime(v.come, v.now);
    v.saldo = v.noSaldo ? v.workTime : DaySaldo(today, v.position, v.workTime);
    v.account = AccountAfter(today, v.position, v.saldo);
    std::int64_t before = 0;
    if (v.saldo != NO_HOURS && DayGross(today, v.position - 1, NO_HOURS, before))
        v.end = ComputeEndOfDay(s, v.come, before, v.noSaldo);
    return v;
}

void MonthPlan::ComputeCurrentDay(bool force)
{
    // Set before anything can refresh the list: the missing days below do,
    // and a refresh would otherwise run a second computation of this tick.
    const ScopedCount running(live_.running);
    Settings& s = settings();
    if (force)
        live_.lastMissingCheckDay = -1;
    const LocalTime now = frame_.clock().Now();
    if (IsCurrentPlan()) {
        if (static_cast<int>(now.day) != live_.lastMissingCheckDay && s.CheckMissings)
            FillMissingDays(now.day);
    } else {
        if (!s.OpenMonth || frame_.creating())
            return;
        unsigned month = 0, year = 0;
        frame_.TodaysPeriod(month, year);
        if (!frame_.shell().WindowExists(FrameCore::PlanTitle(month, year).c_str()))
            frame_.OpenMonthPlan(month, year, false, false);
        return;
    }

    frame_.shell().SetTrayTip(TIP_NOT_POSSIBLE);

    const unsigned today = now.day;
    const TodayValues live = ReadToday(now);
    const TimeValue come = live.come;
    const HoursValue workTime = live.workTime, saldo = live.saldo, account = live.account;
    const unsigned position = live.position;
    const bool open = live.open;
    if (open) {
        const TimeValue nowMinutes = live.now;
        // Without a row for the entry the values still go into the tooltip;
        // the row and the warnings belong to the visible list.
        const int row = RowOf(today, position);
        if (row != NO_SELECTION) {
            ListRow& shown = rows_[static_cast<std::size_t>(row)];
            shown.text[ColGo] = Time(nowMinutes) + "T";
            shown.text[ColHours] = Hours(s, workTime) + "T";
            shown.text[ColSaldo] = Hours(s, saldo) + "T";
            shown.text[ColAccount] = Hours(s, account) + "T";
            view_.UpdateRow(row, shown);

            bool warning = false;
            const bool noticeOpen = frame_.shell().WindowExists(WARNING_TITLE);
            char text[TEXT_BUFFER_SIZE + 128];
            if (s.WarnWorkTime && workTime > s.WWorkTime && workTime != NO_HOURS && !noticeOpen) {
                warning = true;
                if (live_.lastWorkTimeWarningDay != static_cast<int>(today)) {
                    std::snprintf(text, sizeof text,
                                  "Sie haben für heute die Zeit von %s Arbeitsstunden bereits überschritten.",
                                  Hours(s, s.WWorkTime).c_str());
                    if (frame_.prompts().ShowWarning(text))
                        live_.lastWorkTimeWarningDay = static_cast<int>(today);
                }
            }
            if (s.WarnAccount && account > s.WAccount && account != NO_HOURS && !noticeOpen) {
                warning = true;
                if (live_.lastAccountWarningDay != static_cast<int>(today)) {
                    std::snprintf(text, sizeof text,
                                  "Sie haben auf Ihrem Stundenkonto insgesamt bereits %s Arbeitsstunden überschritten.",
                                  Hours(s, s.WAccount).c_str());
                    if (frame_.prompts().ShowWarning(text))
                        live_.lastAccountWarningDay = static_cast<int>(today);
                }
            }
            frame_.shell().SetTrayIconActive(warning);
        }
    }

    if (open && s.NoticeRegularTime && !live.noSaldo && saldo != NO_HOURS && saldo >= 0 &&
        live_.lastRegularTimeNoticeDay != static_cast<int>(today)) {
        live_.lastRegularTimeNoticeDay = static_cast<int>(today);
        frame_.shell().ShowTrayNotice(REGULAR_TIME_REACHED);
    }

    const std::string tip = "Kommen: " + Time(come) + ", Stunden: " + Hours(s, workTime) +
                            ", Saldo: " + Hours(s, saldo) + ", Konto: " + Hours(s, account);
    const std::string endOfDay = open ? EndOfDayText(s, live.end, live.now, saldo) : std::string();
    frame_.shell().SetLiveTip(tip.c_str(), endOfDay.c_str());
}

void MonthPlan::SelectToday()
{
    if (!IsCurrentPlan())
        return;
    const unsigned today = frame_.clock().Now().day;
    const unsigned position = LastEntryPosition(today);
    if (position > 0)
        SelectEntryRow(today, position);
}
