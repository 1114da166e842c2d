#pragma once
// One open month plan: every operation reads what it needs from the plan's
// file and writes its results back at once; there is no in-memory model
// besides the rows last shown in the list.
#include <cstdint>
#include <string>
#include <vector>

#include "core/end_of_day.h"
#include "core/entry_record.h"
#include "core/shell.h"

class FrameCore;
class ProfileStore;
struct Settings;

// Entry key as the list and the dialogs carry it.
constexpr unsigned EntryKey(unsigned day, unsigned position)
{
    return day | position << 16;
}
constexpr unsigned KeyDay(unsigned key)
{
    return key & 0xFFFF;
}
constexpr unsigned KeyPosition(unsigned key)
{
    return key >> 16;
}
constexpr int NO_SELECTION = -1;

// The four per-plan values of the live computation.
struct LiveState {
    int lastWorkTimeWarningDay = 0;
    int lastAccountWarningDay = 0;
    int lastMissingCheckDay = -1;
    int lastRegularTimeNoticeDay = 0;
    // Nonzero while ComputeCurrentDay runs (ScopedCount): the list refresh
    // starts no second computation inside it.
    int running = 0;
};

// Today's last entry with the live values of the "T" row while it is open.
struct TodayValues {
    bool open = false;
    bool noSaldo = false;
    unsigned position = 0;
    TimeValue now = NO_TIME;
    TimeValue come = NO_TIME;
    HoursValue workTime = NO_HOURS;
    HoursValue saldo = NO_HOURS;
    HoursValue account = NO_HOURS;
    EndOfDay end;
};

// "Kommen" or "Gehen" at a given moment rather than now, for the records
// the Windows session makes: the clock time before the travel-time
// correction, the text added to the remark, and the earliest arrival (the
// departure that starts a break).
struct Stamp {
    LocalTime at;
    const char* mark = "";
    TimeValue notBefore = 0;
};
enum class StampResult { Recorded, NotCurrentPlan, OpenEntryExists, NoOpenEntry, NotWritten };

class MonthPlan {
public:
    MonthPlan(FrameCore& frame, PlanView& view, unsigned month, unsigned year);

    const std::string& path() const { return path_; }
    // The first billing day the plan's file was named and its period made
    // with: StartDay as it was when the plan opened.
    unsigned startDay() const { return startDay_; }
    FrameCore& frame() { return frame_; }
    Settings& settings();
    ProfileStore& store();
    const std::vector<ListRow>& rows() const { return rows_; }
    const DayCounts& dayCounts() const { return counts_; }
    LiveState& liveState() { return live_; }

    // MAIN/Month and MAIN/Year as stored (default 0).
    unsigned PlanMonth();
    unsigned PlanYear();

    // --- month plan file ---
    int ReadEntry(unsigned day, unsigned position, EntryRecord& out);
    int WriteEntry(unsigned day, unsigned position, EntryRecord& record);
    // Number of entries of a day (positions with a non-empty Day).
    unsigned EntryCount(unsigned day);
    void DeleteEntrySection(unsigned day, unsigned position);

    // --- computation ---
    static HoursValue RawWorkTime(TimeValue come, TimeValue go);
    HoursValue DaySaldo(unsigned day, unsigned position, HoursValue workTimeOverride);
    // The gross sum of the day's entries up to position as DaySaldo adds
    // them; false when one of them has no work time.
    bool DayGross(unsigned day, unsigned position, HoursValue workTimeOverride, std::int64_t& sum);
    HoursValue AccountAfter(unsigned day, unsigned position, HoursValue saldoOverride);
    void Recompute(unsigned firstDay);
    int IsFreeDay(EntryRecord& record);
    // "Monatszeiten neu berechnen": Recompute from StartDay, then
    // FillMissingDaysToSelection with the row the list refresh left selected
    // (today's last row while SelectDay is set).
    void RecomputeMonthTimes();
    // Recompute without the list refresh, inside the caller's batch.
    void RecomputeDays(unsigned firstDay);
    // Writes one entry (day 0: a slot of the record's day) and recomputes
    // from its day as one change of the file, then refreshes the list. False
    // when the entry found no place or the file could not be written.
    bool StoreEntry(unsigned day, unsigned position, EntryRecord& record);

    // --- list ---
    void RefreshList();
    bool SelectEntryRow(unsigned day, unsigned position);
    // Row key of the selected row, or -1.
    long SelectedEntry();
    std::string SelectedRowDate();

    // --- arrival and departure ---
    // Whether the plan is today's period under the first billing day in force.
    bool IsCurrentPlan();
    void RecordArrival();
    void RecordDeparture();
    // The two commands without their messages: stored is the time written.
    // Only a day of the current period, and the rules of the commands hold.
    StampResult StampArrival(const Stamp& stamp, TimeValue& stored);
    StampResult StampDeparture(const Stamp& stamp, TimeValue& stored);
    void ComputeCurrentDay(bool force);
    TodayValues ReadToday(const LocalTime& now);
    void SelectToday();

    // --- periods ---
    void FillNewPeriod(unsigned month, unsigned year);
    void RetakeCarryOver();
    void RecomputeWeekdays();

    // --- entry editing ---
    enum class EditTarget { Nothing, TimeEntry, Remark };
    // Which dialog "Eintrag ändern" opens for the selected entry.
    EditTarget EditEntry();
    void DeleteEntry();
    void CopyEntry();
    void PasteEntry();
    void MoveEntry(int direction);
    void FillMissingDays(unsigned day);
    // "Fehltage bis Markierung eintragen": FillMissingDays up to the selected
    // entry's day; nothing without a selected row.
    void FillMissingDaysToSelection();
    int CheckDateInPeriod(const EntryRecord& record);

private:
    std::string Section(unsigned day, unsigned position) const;
    std::string ReadText(const std::string& section, const char* key, const char* defaultValue);
    HoursValue ReadHours(const std::string& section, const char* key);
    // False when the key is missing or empty; else its value.
    bool ReadPresentHours(const std::string& section, const char* key, HoursValue& value);
    // The remark key, stored so that it reads back as written.
    void WriteInfo(const std::string& section, const char* info);
    void WriteNumber(const std::string& section, const char* key, long long value, bool asUnsigned);
    void WriteComputedKeys(const std::string& section, unsigned day, unsigned position, EntryRecord& record);
    // The placeholder written when the first entry of a day is removed.
    void WriteDayPlaceholder(unsigned day, EntryRecord& record);
    // The account at the start of day: the opening account, then the last
    // stored account of each earlier day of the period.
    std::int64_t AccountBefore(unsigned day);
    void AddDayAccounts(unsigned day, std::int64_t& account);
    int FindOpenEntry(unsigned day);
    bool IsInCurrentPeriod(const LocalTime& at);
    unsigned LastEntryPosition(unsigned day);
    int RowOf(unsigned day, unsigned position) const;
    void BuildRows();

    FrameCore& frame_;
    PlanView& view_;
    std::string path_;
    unsigned startDay_;
    std::vector<ListRow> rows_;
    DayCounts counts_;
    LiveState live_;
    // While RecomputeDays walks the period it carries the account at the
    // start of the day it is on, so that AccountAfter does not read every
    // earlier day again for each entry (the walk writes only that day).
    struct AccountCarry {
        bool valid = false;
        unsigned day = 0;
        std::int64_t account = 0;
    };
    AccountCarry carry_;
};
