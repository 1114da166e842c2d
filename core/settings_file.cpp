#include "core/settings_file.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "core/holiday_settings.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"
#include "ini/profile_text.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr const char* kCurrentDirectory = ".\\";
bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}
#else
constexpr char kSeparator = '/';
constexpr const char* kCurrentDirectory = "./";
bool IsSeparator(char c)
{
    return c == '/';
}
#endif

constexpr const char* kOptions = "Options";
constexpr const char* kSettingsFileName = "stundwrk.ini";
constexpr std::int32_t kMinutesPerDay = 1440;

void CopyText(const std::string& text, char* buffer, std::size_t size)
{
    std::snprintf(buffer, size, "%s", text.c_str());
}

// Signed values go through the unsigned integer reading and come back with
// their sign: "-5" reads as 4294967291, which is -5 as a 32-bit int.
std::int32_t AsSigned(unsigned value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The colour and export keys are text: a plain decimal number, wrapping to
// 32 bits like every other number in the file.
std::uint32_t ReadDecimalKey(ProfileStore& store, const char* key, std::uint32_t defaultValue, const char* file)
{
    char defaultText[16];
    std::snprintf(defaultText, sizeof defaultText, "%ld", static_cast<long>(static_cast<std::int32_t>(defaultValue)));
    char text[32];
    store.ReadString(kOptions, key, defaultText, text, sizeof text, file);
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    std::uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    return negative ? 0u - value : value;
}

// A text key into its field, cut to fit. The buffer has room for the quotes
// that SaveSettings may put around a full-length text: the system copies a
// quoted value before it removes the closing quote.
template <std::size_t N>
void ReadText(ProfileStore& store, const char* key, const char* defaultValue, char (&field)[N], const char* file)
{
    char text[N + 2];
    store.ReadString(kOptions, key, defaultValue, text, sizeof text, file);
    CopyText(text, field, N);
}

void MendDuration(std::int32_t& value, std::int32_t defaultValue)
{
    if (value < 0 || value > kMinutesPerDay)
        value = defaultValue;
}

// Every key of section Options with the text SaveSettings writes for it.
class OptionsTexts {
public:
    explicit OptionsTexts(const Settings& s);
    struct Entry {
        const char* key;
        std::string text;
        bool absent; // a key beside the original set, at its default: not in the file
    };
    const std::vector<Entry>& entries() const { return entries_; }

private:
    void Unsigned(const char* key, std::uint32_t value) { Number(key, "%u", static_cast<unsigned>(value)); }
    void Signed(const char* key, std::int32_t value) { Number(key, "%d", static_cast<int>(value)); }
    void Long(const char* key, std::uint32_t value)
    {
        Number(key, "%ld", static_cast<long>(static_cast<std::int32_t>(value)));
    }
    void Text(const char* key, const char* value) { entries_.push_back({key, QuotedProfileText(value), false}); }
    // Keys beside the original set stay out of the file while they hold
    // their default, so that a file saved without using them is as before.
    void UnlessDefault(const char* key, std::uint32_t value, std::uint32_t defaultValue)
    {
        if (value == defaultValue)
            entries_.push_back({key, std::string(), true});
        else
            Unsigned(key, value);
    }
    template <typename T>
    void Number(const char* key, const char* format, T value)
    {
        char text[24];
        std::snprintf(text, sizeof text, format, value);
        entries_.push_back({key, text, false});
    }

    std::vector<Entry> entries_;
};

OptionsTexts::OptionsTexts(const Settings& s)
{
    Unsigned("StartDay", s.StartDay);
    Unsigned("GDays", s.GDays);
    Unsigned("Sickdays", s.Sickdays);
    Unsigned("Holidays", s.Holidays);
    Unsigned("HoursPerDay", static_cast<std::uint32_t>(s.HoursPerDay));
    Unsigned("RestPerDay", static_cast<std::uint32_t>(s.RestPerDay));
    Unsigned("RestTime", static_cast<std::uint32_t>(s.RestTime));
    Unsigned("RestPerDay2", static_cast<std::uint32_t>(s.RestPerDay2));
    Unsigned("RestTime2", static_cast<std::uint32_t>(s.RestTime2));
    Unsigned("MaxTime", static_cast<std::uint32_t>(s.MaxTime));
    Unsigned("WorkDays", s.WorkDays);
    Signed("TimeLag", s.TimeLag);
    Signed("WWorkTime", s.WWorkTime);
    Signed("WAccount", s.WAccount);
    Unsigned("OpenMonth", s.OpenMonth);
    Unsigned("SelectDay", s.SelectDay);
    Unsigned("Separate", s.Separate);
    Unsigned("AutoTimer", s.AutoTimer);
    Unsigned("WarnWorkTime", s.WarnWorkTime);
    Unsigned("WarnAccount", s.WarnAccount);
    Unsigned("CheckMissings", s.CheckMissings);
    Unsigned("Icons", s.Icons);
    Unsigned("Extern", s.Extern);
    Unsigned("ComFormat", s.ComFormat);
    Unsigned("WorkTimeRests", s.WorkTimeRests);
    Text("WorkingDir", s.WorkingDir);
    Text("HeadLine1", s.HeadLine1);
    Text("HeadLine2", s.HeadLine2);
    Text("HeadLine3", s.HeadLine3);
    Long("ColorStripes", s.ColorStripes);
    Long("ColorFreeDays", s.ColorFreeDays);
    Long("ExportFields", s.ExportFields);
    UnlessDefault("NoticeRegularTime", s.NoticeRegularTime, Settings().NoticeRegularTime);
    UnlessDefault("RecordFrom", s.RecordFrom, Settings().RecordFrom);
    UnlessDefault("AutoArrival", s.AutoArrival, Settings().AutoArrival);
    UnlessDefault("AutoDeparture", s.AutoDeparture, Settings().AutoDeparture);
    UnlessDefault("LockBreak", s.LockBreak, Settings().LockBreak);
    UnlessDefault("LockBreakMinutes", static_cast<std::uint32_t>(s.LockBreakMinutes),
                  static_cast<std::uint32_t>(Settings().LockBreakMinutes));
    UnlessDefault("MarkAutomatic", s.MarkAutomatic, Settings().MarkAutomatic);
}

// The names of the keys section Options has in the file now.
std::vector<std::string> OptionsKeysInFile(ProfileStore& store, const char* file)
{
    char names[4096];
    const unsigned length = store.ReadString(kOptions, nullptr, "", names, sizeof names, file);
    std::vector<std::string> keys;
    for (unsigned start = 0; start < length;) {
        const std::string name(names + start);
        if (name.empty())
            break;
        keys.push_back(name);
        start += static_cast<unsigned>(name.size()) + 1;
    }
    return keys;
}

} // namespace

// Neither the file nor the options sheet's unchecked fields are trusted: an
// out-of-range value would otherwise reach period arithmetic, array indexes
// and loops. StartDay must
// name a day of a month; WorkDays keeps only the seven weekday bits (0 means
// no work days); every duration is a time of one day, else its default;
// TimeLag moves a stamp by at most one day, else 0; an empty WorkingDir (or
// one of blanks) is the default folder, since it would put the month plans
// into whatever the current directory is, where the next start, which reads
// the default, would not find them. The counters, the
// warning thresholds and the flags are kept as read (a flag is set when
// nonzero).
void MendSettings(Settings& s)
{
    const Settings defaults;
    if (s.StartDay < 1 || s.StartDay > 31)
        s.StartDay = 1;
    s.WorkDays &= 0x7F;
    MendDuration(s.HoursPerDay, defaults.HoursPerDay);
    MendDuration(s.RestPerDay, defaults.RestPerDay);
    MendDuration(s.RestTime, defaults.RestTime);
    MendDuration(s.RestPerDay2, defaults.RestPerDay2);
    MendDuration(s.RestTime2, defaults.RestTime2);
    MendDuration(s.MaxTime, defaults.MaxTime);
    if (s.TimeLag < -kMinutesPerDay || s.TimeLag > kMinutesPerDay)
        s.TimeLag = 0;
    // A lock of no time is no break.
    if (s.LockBreakMinutes < 1 || s.LockBreakMinutes > kMinutesPerDay)
        s.LockBreakMinutes = defaults.LockBreakMinutes;
    const std::size_t length = strnlen(s.WorkingDir, sizeof s.WorkingDir);
    if (std::string(s.WorkingDir, length).find_first_not_of(" \t") == std::string::npos)
        CopyText(DefaultWorkingDir(s.SettingsPath), s.WorkingDir, sizeof s.WorkingDir);
}

std::string ProgramDirectory(const char* modulePath)
{
    if (!modulePath)
        return std::string();
    std::string path(modulePath);
    std::size_t end = path.size();
    while (end > 0 && !IsSeparator(path[end - 1]))
        --end;
    if (end == 0) {
#ifdef _WIN32
        // "C:Stundwerk.exe": the current directory of drive C.
        if (path.size() >= 2 && path[1] == ':')
            return path.substr(0, 2) + kSeparator;
#endif
        return std::string();
    }
    return path.substr(0, end);
}

std::string SettingsFilePath(const char* modulePath)
{
    return ProgramDirectory(modulePath) + kSettingsFileName;
}

void SetSettingsPath(Settings& settings, const char* modulePath)
{
    CopyText(SettingsFilePath(modulePath), settings.SettingsPath, sizeof settings.SettingsPath);
}

std::string DefaultWorkingDir(const char* settingsPath)
{
    std::string directory = ProgramDirectory(settingsPath);
    return directory.empty() ? std::string(kCurrentDirectory) : directory;
}

void LoadSettings(ProfileStore& store, Settings& s)
{
    const Settings defaults;
    const char* file = s.SettingsPath;
    auto readUnsigned = [&](const char* key, std::uint32_t defaultValue) {
        return static_cast<std::uint32_t>(store.ReadInt(kOptions, key, static_cast<int>(defaultValue), file));
    };
    auto readSigned = [&](const char* key, std::int32_t defaultValue) {
        return AsSigned(store.ReadInt(kOptions, key, defaultValue, file));
    };
    s.StartDay = readUnsigned("StartDay", defaults.StartDay);
    s.GDays = readUnsigned("GDays", defaults.GDays);
    s.Sickdays = readUnsigned("Sickdays", defaults.Sickdays);
    s.Holidays = readUnsigned("Holidays", defaults.Holidays);
    s.HoursPerDay = readSigned("HoursPerDay", defaults.HoursPerDay);
    s.RestPerDay = readSigned("RestPerDay", defaults.RestPerDay);
    s.RestTime = readSigned("RestTime", defaults.RestTime);
    s.RestPerDay2 = readSigned("RestPerDay2", defaults.RestPerDay2);
    s.RestTime2 = readSigned("RestTime2", defaults.RestTime2);
    s.MaxTime = readSigned("MaxTime", defaults.MaxTime);
    s.TimeLag = readSigned("TimeLag", defaults.TimeLag);
    s.WWorkTime = readSigned("WWorkTime", defaults.WWorkTime);
    s.WAccount = readSigned("WAccount", defaults.WAccount);
    s.WorkDays = readUnsigned("WorkDays", defaults.WorkDays);
    s.OpenMonth = readUnsigned("OpenMonth", defaults.OpenMonth);
    s.SelectDay = readUnsigned("SelectDay", defaults.SelectDay);
    // Saved but never loaded: the minute timer runs after every start.
    s.AutoTimer = 1;
    s.Separate = readUnsigned("Separate", defaults.Separate);
    s.WarnWorkTime = readUnsigned("WarnWorkTime", defaults.WarnWorkTime);
    s.WarnAccount = readUnsigned("WarnAccount", defaults.WarnAccount);
    s.CheckMissings = readUnsigned("CheckMissings", defaults.CheckMissings);
    s.Icons = readUnsigned("Icons", defaults.Icons);
    s.Extern = readUnsigned("Extern", defaults.Extern);
    s.ComFormat = readUnsigned("ComFormat", defaults.ComFormat);
    s.WorkTimeRests = readUnsigned("WorkTimeRests", defaults.WorkTimeRests);

    std::string defaultDir = DefaultWorkingDir(file);
    char defaultDirText[WORKING_DIR_SIZE];
    CopyText(defaultDir, defaultDirText, sizeof defaultDirText);
    ReadText(store, "WorkingDir", defaultDirText, s.WorkingDir, file);
    ReadText(store, "HeadLine1", defaults.HeadLine1, s.HeadLine1, file);
    ReadText(store, "HeadLine2", defaults.HeadLine2, s.HeadLine2, file);
    ReadText(store, "HeadLine3", defaults.HeadLine3, s.HeadLine3, file);
    s.ColorStripes = ReadDecimalKey(store, "ColorStripes", defaults.ColorStripes, file);
    s.ColorFreeDays = ReadDecimalKey(store, "ColorFreeDays", defaults.ColorFreeDays, file);
    s.ExportFields = ReadDecimalKey(store, "ExportFields", defaults.ExportFields, file);
    s.NoticeRegularTime = readUnsigned("NoticeRegularTime", defaults.NoticeRegularTime);
    s.RecordFrom = readUnsigned("RecordFrom", defaults.RecordFrom);
    s.AutoArrival = readUnsigned("AutoArrival", defaults.AutoArrival);
    s.AutoDeparture = readUnsigned("AutoDeparture", defaults.AutoDeparture);
    s.LockBreak = readUnsigned("LockBreak", defaults.LockBreak);
    s.LockBreakMinutes = readSigned("LockBreakMinutes", defaults.LockBreakMinutes);
    s.MarkAutomatic = readUnsigned("MarkAutomatic", defaults.MarkAutomatic);
    LoadHolidayRules(store, s);
    MendSettings(s);
}

bool SaveSettings(ProfileStore& store, const Settings& s)
{
    ProfileBatch batch(store);
    const OptionsTexts texts(s);
    for (const auto& entry : texts.entries()) {
        if (entry.absent)
            store.DeleteKey(kOptions, entry.key, s.SettingsPath);
        else
            store.WriteString(kOptions, entry.key, entry.text.c_str(), s.SettingsPath);
    }
    SaveHolidayRules(store, s, nullptr);
    return batch.End();
}

bool SaveSettingsChanges(ProfileStore& store, const Settings& s, const Settings& asRead)
{
    ProfileBatch batch(store);
    const std::vector<std::string> present = OptionsKeysInFile(store, s.SettingsPath);
    auto inFile = [&](const char* key) {
        return std::any_of(present.begin(), present.end(),
                           [&](const std::string& name) { return SameProfileName(name, key); });
    };
    const OptionsTexts before(asRead), after(s);
    const auto& old = before.entries();
    const auto& now = after.entries();
    for (std::size_t i = 0; i < now.size(); ++i) {
        const OptionsTexts::Entry& entry = now[i];
        const bool changed = entry.text != old[i].text || entry.absent != old[i].absent;
        // An unchanged value the file holds stays as the file has it: another
        // process may have written it since.
        if (entry.absent) {
            if (changed)
                store.DeleteKey(kOptions, entry.key, s.SettingsPath);
        } else if (changed || !inFile(entry.key)) {
            store.WriteString(kOptions, entry.key, entry.text.c_str(), s.SettingsPath);
        }
    }
    SaveHolidayRules(store, s, &asRead);
    return batch.End();
}
