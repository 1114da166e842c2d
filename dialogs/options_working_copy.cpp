#include "dialogs/options_working_copy.h"

#include <cstring>

#include "core/settings_file.h"

namespace {

// Copies every field the sheet edits in one direction or the other.
template <typename From, typename To>
void CopyFields(const From& from, To& to)
{
    to.StartDay = from.StartDay;
    to.HoursPerDay = from.HoursPerDay;
    to.RestPerDay = from.RestPerDay;
    to.RestTime = from.RestTime;
    to.RestPerDay2 = from.RestPerDay2;
    to.RestTime2 = from.RestTime2;
    to.MaxTime = from.MaxTime;
    to.TimeLag = from.TimeLag;
    to.WorkDays = from.WorkDays;
    to.WWorkTime = from.WWorkTime;
    to.WAccount = from.WAccount;
    to.OpenMonth = from.OpenMonth;
    to.SelectDay = from.SelectDay;
    to.AutoTimer = from.AutoTimer;
    to.Separate = from.Separate;
    to.WarnWorkTime = from.WarnWorkTime;
    to.WarnAccount = from.WarnAccount;
    to.CheckMissings = from.CheckMissings;
    to.Icons = from.Icons;
    to.Extern = from.Extern;
    to.ComFormat = from.ComFormat;
    to.WorkTimeRests = from.WorkTimeRests;
    to.NoticeRegularTime = from.NoticeRegularTime;
    to.AutoArrival = from.AutoArrival;
    to.AutoDeparture = from.AutoDeparture;
    to.LockBreak = from.LockBreak;
    to.LockBreakMinutes = from.LockBreakMinutes;
    to.MarkAutomatic = from.MarkAutomatic;
    to.ColorStripes = from.ColorStripes;
    to.ColorFreeDays = from.ColorFreeDays;
    std::memcpy(to.WorkingDir, from.WorkingDir, sizeof to.WorkingDir);
    std::memcpy(to.HeadLine1, from.HeadLine1, sizeof to.HeadLine1);
    std::memcpy(to.HeadLine2, from.HeadLine2, sizeof to.HeadLine2);
    std::memcpy(to.HeadLine3, from.HeadLine3, sizeof to.HeadLine3);
    to.FreeDays = from.FreeDays;
}

} // namespace

OptionsWorkingCopy CopyOptions(const Settings& settings)
{
    OptionsWorkingCopy copy{};
    CopyFields(settings, copy);
    return copy;
}

// The durations are read with no check: a letter or a time beyond one day
// is mended here as the next start would mend it in the file, so the running
// program never computes with a value it could not load again.
void ApplyOptions(const OptionsWorkingCopy& copy, Settings& settings)
{
    CopyFields(copy, settings);
    MendSettings(settings);
}

const ColourDesign ColourDesigns[COLOUR_DESIGN_COUNT] = {
    {"auswählen:", 0},      {"- Standard -", 0xC0C0C0}, {"- Orange -", 0xBFDFFF},
    {"- Grün -", 0xD7F7D7}, {"- Blau -", 0xFFEFDF},     {"- Braun -", 0xC1CFDF},
};
