#include "core/session_capture.h"

#include <cstdio>

#include "core/forgotten_departure.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings.h"

namespace {

const char* const ARRIVAL_MARK = "Kommen automatisch";
const char* const DEPARTURE_MARK = "Gehen automatisch";

bool SameDay(const LocalTime& a, const LocalTime& b)
{
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

int Minutes(const LocalTime& time)
{
    return static_cast<int>(time.hour * 60 + time.minute);
}

} // namespace

SessionRules SessionRulesOf(const Settings& settings)
{
    SessionRules rules;
    rules.arrival = settings.AutoArrival != 0;
    rules.departure = settings.AutoDeparture != 0;
    rules.lockBreak = settings.LockBreak != 0;
    rules.breakMinutes = settings.LockBreakMinutes;
    return rules;
}

// A lock is decided when it ends: by an unlock, when it was a break or
// spanned midnight, and by the end of the session, when the user left at the
// lock. An entry never spans midnight, so a lock over it closes the lock's
// day at the lock and starts the new day at the unlock.
std::vector<SessionStamp> DecideSessionStamps(const SessionRules& rules, SessionEvent event, const LocalTime& now,
                                              const std::optional<LocalTime>& lockedAt, const SessionDay& lockDay,
                                              const SessionDay& today)
{
    std::vector<SessionStamp> stamps;
    const bool firstArrival = rules.arrival && !today.hasEntry;
    switch (event) {
    case SessionEvent::Start:
    case SessionEvent::Logon:
        if (firstArrival)
            stamps.push_back({true, now});
        break;
    case SessionEvent::Lock:
        break;
    case SessionEvent::Unlock:
        if (lockedAt && !SameDay(*lockedAt, now)) {
            const bool closed = lockDay.open && (rules.lockBreak || rules.departure);
            if (closed)
                stamps.push_back({false, *lockedAt});
            if (!today.open && (firstArrival || (closed && rules.lockBreak)))
                stamps.push_back({true, now});
        } else if (lockedAt && rules.lockBreak && today.open &&
                   Minutes(now) - Minutes(*lockedAt) >= rules.breakMinutes) {
            stamps.push_back({false, *lockedAt});
            stamps.push_back({true, now});
        } else if (firstArrival) {
            stamps.push_back({true, now});
        }
        break;
    case SessionEvent::End:
        if (rules.departure && lockedAt && lockDay.open)
            stamps.push_back({false, *lockedAt});
        else if (rules.departure && !lockedAt && today.open)
            stamps.push_back({false, now});
        break;
    }
    return stamps;
}

std::string SessionNotice(const SessionStamp& stamp, TimeValue stored, const LocalTime& now)
{
    char time[TEXT_BUFFER_SIZE];
    FormatTime(stored, time);
    char date[32] = "";
    if (!SameDay(stamp.at, now))
        std::snprintf(date, sizeof date, "am %02u.%02u.%u ", stamp.at.day, stamp.at.month, stamp.at.year);
    char text[TEXT_BUFFER_SIZE + 64];
    std::snprintf(text, sizeof text, "%s %sum %s automatisch erfasst.", stamp.arrival ? "Kommen" : "Gehen", date, time);
    return text;
}

SessionDay SessionCapture::DayFacts(const LocalTime& day)
{
    Settings& settings = frame_.settings();
    unsigned month = 0, year = 0;
    PeriodOfDate(EffectiveStartDay(settings), day.day, day.month, day.year, month, year);
    const std::string file = MonthPlanFileName(settings, month, year);
    if (!frame_.PlanExists(file))
        return {};
    return {DayHasEntryIn(frame_.store(), file, day.day), FindOpenEntryIn(frame_.store(), file, day.day) != 0};
}

void SessionCapture::Handle(SessionEvent event)
{
    const SessionRules rules = SessionRulesOf(frame_.settings());
    if (!rules.Any()) {
        lockedAt_.reset();
        return;
    }
    const LocalTime now = frame_.clock().Now();
    if (event == SessionEvent::Lock) {
        // A second lock message keeps the first lock's time.
        if (!lockedAt_)
            lockedAt_ = now;
        return;
    }
    const std::optional<LocalTime> lockedAt = lockedAt_;
    if (event == SessionEvent::Unlock || event == SessionEvent::Logon)
        lockedAt_.reset();
    const SessionDay today = DayFacts(now);
    const SessionDay lockDay = lockedAt ? DayFacts(*lockedAt) : SessionDay{};
    Record(DecideSessionStamps(rules, event, now, lockedAt, lockDay, today));
}

void SessionCapture::Record(const std::vector<SessionStamp>& stamps)
{
    if (stamps.empty())
        return;
    MonthPlan* plan = frame_.OpenTodaysPlan();
    if (plan == nullptr)
        return;
    const bool mark = frame_.settings().MarkAutomatic != 0;
    const LocalTime now = frame_.clock().Now();
    std::string notice;
    TimeValue lastDeparture = 0;
    for (const SessionStamp& stamp : stamps) {
        Stamp at{stamp.at};
        TimeValue stored = NO_TIME;
        StampResult result;
        if (stamp.arrival) {
            at.mark = mark ? ARRIVAL_MARK : "";
            // The arrival after a break never lies before the break's departure.
            at.notBefore = SameDay(stamp.at, now) ? lastDeparture : 0;
            result = plan->StampArrival(at, stored);
        } else {
            at.mark = mark ? DEPARTURE_MARK : "";
            result = plan->StampDeparture(at, stored);
            if (result == StampResult::Recorded && SameDay(stamp.at, now))
                lastDeparture = stored;
        }
        if (result == StampResult::Recorded)
            notice += (notice.empty() ? "" : "\n") + SessionNotice(stamp, stored, now);
    }
    if (!notice.empty())
        frame_.shell().ShowTrayNotice(notice.c_str());
}
