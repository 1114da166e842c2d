#include "tests/soak/plan_files_check.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "core/settings_file.h"
#include "fuzz/memory_file_system.h"
#include "ini/profile_document.h"
#include "ini/profile_engine.h"
#include "tests/core/core_fakes.h"
#include "tests/support/temp_folder.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr const char* SETTINGS_FILE = "stundwrk.ini";
// The commands' lock file in each folder: locked, never written.
constexpr const char* LOCK_FILE = "stundwerk.lock";

Settings Loaded(const std::string& bytes)
{
    MemoryFileSystem files;
    files.Put(SETTINGS_FILE, bytes);
    ProfileEngine engine(files);
    Settings settings;
    std::strcpy(settings.SettingsPath, SETTINGS_FILE);
    LoadSettings(engine, settings);
    return settings;
}

// The settings file the options save to, without the day counters, the time
// format and the export's fields, which may wait in memory for the next save.
std::string Saved(Settings settings)
{
    MemoryFileSystem files;
    ProfileEngine engine(files);
    std::strcpy(settings.SettingsPath, SETTINGS_FILE);
    settings.Holidays = settings.Sickdays = settings.GDays = settings.ComFormat = settings.ExportFields = 0;
    SaveSettings(engine, settings);
    return files.files[SETTINGS_FILE];
}

// What the program writes as an entry: a real date with its weekday, times
// of day or codes, no departure before the arrival, a remark of one line.
bool IsStoredEntry(const EntryRecord& entry)
{
    const Calendar calendar;
    const auto IsClockTime = [](TimeValue value) { return value >= 0 && value <= 24 * 60; };
    const auto IsStoredTime = [&](TimeValue value) {
        return IsClockTime(value) || value == NO_TIME || IsTimeCode(value);
    };
    return calendar.IsValidDate(entry.day, entry.month, entry.year) &&
           entry.weekday == calendar.Weekday(entry.day, entry.month, entry.year) && IsStoredTime(entry.Come) &&
           IsStoredTime(entry.Go) && !(IsClockTime(entry.Come) && IsClockTime(entry.Go) && entry.Come > entry.Go) &&
           !std::strpbrk(entry.Info, "\r\n") && (entry.NoSaldo == 0 || entry.NoSaldo == 1);
}

// A number as the program writes it with "%u" or "%d".
bool IsNumber(const std::string& text)
{
    const std::size_t first = text.rfind('-', 0) == 0 ? 1 : 0;
    return text.size() > first && text.find_first_not_of("0123456789", first) == std::string::npos;
}

// Every section is MAIN or one of the entries, with the program's keys and
// a number in every value but the remark; the first that is not, or "".
std::string UnknownValue(const std::string& bytes, const std::set<std::string>& entries)
{
    static const std::set<std::string> mainKeys = {KEY_MONTH, KEY_YEAR, KEY_ACCOUNT};
    static const std::set<std::string> entryKeys = {KEY_DAY,      KEY_COME,  KEY_GO,      KEY_INFO,
                                                    KEY_WORKTIME, KEY_SALDO, KEY_ACCOUNT, KEY_NOSALDO};
    const ProfileDocument document = ProfileDocument::Parse(bytes);
    for (const std::string_view name : document.SectionNames()) {
        const std::string section(name);
        if (section != SECTION_MAIN && !entries.count(section))
            return "[" + section + "] is no entry";
        for (const std::string_view keyName : document.KeyNames(section)) {
            const std::string key(keyName), value(document.FindValue(section, key).value_or(""));
            if (!(section == SECTION_MAIN ? mainKeys : entryKeys).count(key) || (key != KEY_INFO && !IsNumber(value)))
                return "[" + section + "] " + key + "=" + value;
        }
    }
    return "";
}

// The list equals the rows, except the live values of today's open entry.
std::string CompareRows(const Rows& list, const std::vector<ListRow>& rows)
{
    if (list.size() != rows.size())
        return "the list has " + std::to_string(list.size()) + " rows, the file " + std::to_string(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        // The live computation shows today's open entry with its departure
        // marked "T" and the values of the moment in these columns.
        const bool live = !list[row][ColGo].empty() && list[row][ColGo].back() == 'T';
        for (int column = 0; column < LIST_COLUMNS; ++column) {
            if (live && (column == ColGo || column == ColHours || column == ColSaldo || column == ColAccount))
                continue;
            if (list[row][column] != rows[row].text[column])
                return "row " + std::to_string(row) + " column " + std::to_string(column) + ": the list shows \"" +
                       list[row][column] + "\", the file gives \"" + rows[row].text[column] + "\"";
        }
    }
    return "";
}

// A month plan: a name the program makes, MAIN naming its period, what
// UnknownValue and IsStoredEntry accept, the list the core builds from it
// when it is open (a list shows a new time format from its next refresh on,
// so either format), and a recomputation that changes no byte.
std::string CheckPlan(const std::string& name, const std::string& bytes, Settings settings, const LocalTime& now,
                      bool recompute, const Rows* shown)
{
    unsigned month = 0, year = 0, startDay = 1;
    std::sscanf(name.c_str(), "%2u%4u_%u", &month, &year, &startDay);
    settings.StartDay = startDay;
    settings.WorkingDir[0] = '\0';
    if (month < 1 || month > 12 || MonthPlanFileName(settings, month, year) != name)
        return "not a file the program makes";
    settings.SelectDay = 0; // no selection: the recomputation fills no missing days
    settings.AutoTimer = 0; // no live computation of today
    std::strcpy(settings.SettingsPath, SETTINGS_FILE);
    MemoryFileSystem files;
    files.Put(name, bytes);
    ProfileEngine engine(files);
    FakeClock clock;
    clock.now = now;
    RecordingPrompts prompts;
    FakeFrameShell shell;
    FrameCore core(settings, engine, clock, prompts, shell);
    shell.Attach(core);
    FakePlanView view;
    MonthPlan plan(core, view, month, year);
    if (plan.PlanMonth() != month || plan.PlanYear() != year)
        return "MAIN names " + std::to_string(plan.PlanMonth()) + "/" + std::to_string(plan.PlanYear());

    std::set<std::string> entries;
    for (const unsigned day : PeriodDays::All(startDay)) {
        for (unsigned position = 1; position <= plan.EntryCount(day); ++position) {
            const std::string section = std::to_string(day) + "/" + std::to_string(position);
            entries.insert(section);
            EntryRecord entry;
            plan.ReadEntry(day, position, entry);
            if (!IsStoredEntry(entry))
                return "[" + section + "] is no entry the program writes";
        }
    }
    if (const std::string value = UnknownValue(bytes, entries); !value.empty())
        return value;
    if (shown) {
        plan.RefreshList();
        const std::string fault = CompareRows(*shown, view.rows);
        settings.ComFormat = !settings.ComFormat;
        plan.RefreshList();
        if (!fault.empty() && !CompareRows(*shown, view.rows).empty())
            return fault;
    }
    if (!recompute)
        return "";
    plan.RecomputeMonthTimes();
    const std::string& after = files.files[name];
    const std::size_t at = std::mismatch(bytes.begin(), bytes.end(), after.begin(), after.end()).first - bytes.begin();
    const std::size_t line = bytes.rfind('\n', at) + 1; // 0 for the first line
    if (after != bytes)
        return "the recomputation changes \"" + bytes.substr(line, 60) + "\" to \"" + after.substr(line, 60) + "\"";
    return "";
}

} // namespace

std::string PathKey(const std::string& path)
{
    std::string key = std::filesystem::path(path).lexically_normal().string();
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

std::string CheckPlanFiles(const std::vector<std::string>& folders, const Settings& settings, const LocalTime& now,
                           const ShownLists& shown, const std::set<std::string>& stale)
{
    std::size_t found = 0;
    for (const std::string& folder : folders) {
        std::error_code error;
        for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
            if (!item.is_regular_file())
                continue;
            const std::string path = item.path().string(), name = item.path().filename().string();
            const std::string bytes = ReadBytes(path), key = PathKey(path);
            const auto list = shown.find(key);
            found += list != shown.end();
            std::string fault;
            // The settings file loads to the options the program holds, their texts as they read back.
            if (name == SETTINGS_FILE && folder == folders[0])
                fault = Saved(Loaded(bytes)) == Saved(Loaded(Saved(settings))) ? "" : "loads to other options";
            else if (name == LOCK_FILE)
                fault = bytes.empty() ? "" : "the lock file holds data";
            else
                fault = CheckPlan(name, bytes, settings, now, !stale.count(key),
                                  list == shown.end() ? nullptr : &list->second);
            if (!fault.empty())
                return path + ": " + fault;
        }
    }
    return found == shown.size() ? "" : "an open plan has no file";
}
