#include "tests/soak/plan_files_check.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <set>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "core/settings_file.h"
#include "ini/profile_text.h"
#include "fuzz/memory_file_system.h"
#include "ini/profile_engine.h"
#include "tests/core/core_fakes.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr const char* SETTINGS_FILE = "stundwrk.ini";
// The commands' lock file in each folder: locked, never written.
constexpr const char* LOCK_FILE = "stundwerk.lock";
// The live computation shows today's open entry with these columns marked "T".
constexpr int LIVE_COLUMNS[] = {ColGo, ColHours, ColSaldo, ColAccount};

struct PlanName {
    unsigned month = 0, year = 0, startDay = 1;
};

bool AllDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// "MMYYYY.SW" or "MMYYYY_S.SW", as MonthPlanFileName makes them.
bool ParsePlanName(const std::string& name, PlanName& plan)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.substr(dot) != ".SW")
        return false;
    const std::string stem = name.substr(0, dot);
    const std::size_t underscore = stem.find('_');
    const std::string period = stem.substr(0, underscore);
    if (period.size() < 6 || !AllDigits(period))
        return false;
    plan.month = static_cast<unsigned>(std::stoul(period.substr(0, 2)));
    plan.year = static_cast<unsigned>(std::stoul(period.substr(2)));
    if (underscore != std::string::npos) {
        const std::string start = stem.substr(underscore + 1);
        if (!AllDigits(start) || start.size() > 2)
            return false;
        plan.startDay = static_cast<unsigned>(std::stoul(start));
        if (plan.startDay < 2 || plan.startDay > 31)
            return false;
    }
    return plan.month >= 1 && plan.month <= 12;
}

// A stored number: what the program writes with "%u" or "%d".
bool IsNumber(const std::string& text)
{
    return AllDigits(text[0] == '-' ? text.substr(1) : text);
}

bool IsStoredTime(TimeValue value)
{
    return (value >= 0 && value <= 24 * 60) || value == NO_TIME || IsTimeCode(value);
}

bool IsClockTime(TimeValue value)
{
    return value >= 0 && value <= 24 * 60;
}

// The names a null section or key lists, one per terminated piece.
std::vector<std::string> Names(ProfileStore& store, const char* section, const std::string& file)
{
    std::vector<char> buffer(1 << 16);
    const unsigned length =
        store.ReadString(section, nullptr, "", buffer.data(), static_cast<unsigned>(buffer.size()), file.c_str());
    std::vector<std::string> names;
    for (unsigned at = 0; at < length;) {
        names.emplace_back(buffer.data() + at);
        at += static_cast<unsigned>(names.back().size()) + 1;
    }
    return names;
}

std::string SettingsBytes(const Settings& settings)
{
    return std::string(reinterpret_cast<const char*>(&settings), sizeof settings);
}

std::string SavedOptions(Settings settings)
{
    MemoryFileSystem files;
    ProfileEngine engine(files);
    std::strcpy(settings.SettingsPath, SETTINGS_FILE);
    SaveSettings(engine, settings);
    return files.files[SETTINGS_FILE];
}

// The settings file loads to the options the program holds. The day
// counters, the time format and the export's field choice may wait in memory
// for the next save; texts lose the blanks at their ends on the way.
std::string CheckSettingsFile(const std::string& bytes, const Settings& settings)
{
    MemoryFileSystem files;
    files.Put(SETTINGS_FILE, bytes);
    ProfileEngine engine(files);
    Settings loaded;
    std::strcpy(loaded.SettingsPath, SETTINGS_FILE);
    LoadSettings(engine, loaded);
    Settings held = settings;
    held.Holidays = loaded.Holidays;
    held.Sickdays = loaded.Sickdays;
    held.GDays = loaded.GDays;
    held.ComFormat = loaded.ComFormat;
    held.ExportFields = loaded.ExportFields;
    for (char* text : {held.HeadLine1, held.HeadLine2, held.HeadLine3, held.WorkingDir}) {
        const std::string trimmed(TrimProfileBlanks(text));
        if (QuotedProfileText(text) == trimmed)
            std::strcpy(text, trimmed.c_str());
    }
    const std::string want = SavedOptions(held), got = SavedOptions(loaded);
    if (want != got)
        return std::string(SETTINGS_FILE) + " does not load to the program's options:\n" + got + "\nheld:\n" + want;
    return "";
}

std::vector<std::vector<std::string>> Texts(const std::vector<ListRow>& rows)
{
    std::vector<std::vector<std::string>> texts;
    for (const ListRow& row : rows)
        texts.emplace_back(row.text, row.text + LIST_COLUMNS);
    return texts;
}

bool Contains(const int* begin, const int* end, int column)
{
    return std::find(begin, end, column) != end;
}

// The list equals the rows, except the live values of today's open entry.
std::string CompareRows(const std::vector<std::vector<std::string>>& list,
                        const std::vector<std::vector<std::string>>& rows)
{
    if (list.size() != rows.size())
        return "the list has " + std::to_string(list.size()) + " rows, the file " + std::to_string(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string& go = list[row][ColGo];
        const bool live = !go.empty() && go.back() == 'T';
        for (int column = 0; column < LIST_COLUMNS; ++column) {
            if (live && Contains(std::begin(LIVE_COLUMNS), std::end(LIVE_COLUMNS), column))
                continue;
            if (list[row][column] != rows[row][static_cast<std::size_t>(column)])
                return "row " + std::to_string(row) + " column " + std::to_string(column) + ": the list shows \"" +
                       list[row][column] + "\", the file gives \"" + rows[row][column] + "\"";
        }
    }
    return "";
}

// A file's path as a key: the program's paths and the folder listing's may
// differ in separators and case and still name one file.
std::string PathKey(const std::string& path)
{
    std::string key = std::filesystem::path(path).lexically_normal().string();
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

// The regular files of a folder; none for a folder that does not exist.
std::vector<std::filesystem::path> FilesIn(const std::string& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        if (item.is_regular_file(error))
            files.push_back(item.path());
    }
    return files;
}

} // namespace

std::string PlanFilesCheck::CheckPlan(const std::string& name, const std::string& bytes,
                                      const Settings& programSettings, const LocalTime& now, bool recompute,
                                      Passed& passed)
{
    PlanName plan;
    if (!ParsePlanName(name, plan))
        return name + ": not a file the program makes";
    Settings settings = programSettings;
    settings.StartDay = plan.startDay;
    settings.SelectDay = 0; // no selection: the recomputation fills no missing days
    settings.AutoTimer = 0; // no live computation of today
    std::strcpy(settings.SettingsPath, SETTINGS_FILE);

    MemoryFileSystem files;
    ProfileEngine engine(files);
    FakeClock clock;
    clock.now = now;
    RecordingPrompts prompts;
    FakeFrameShell shell;
    FrameCore core(settings, engine, clock, prompts, shell);
    shell.Attach(core);
    FakePlanView view;
    MonthPlan month(core, view, plan.month, plan.year);
    const std::string& path = month.path();
    files.Put(path, bytes);
    if (month.PlanMonth() != plan.month || month.PlanYear() != plan.year)
        return name + ": MAIN names " + std::to_string(month.PlanMonth()) + "/" + std::to_string(month.PlanYear());

    // Every section is MAIN or an entry the list shows; every value is one
    // the program writes.
    std::set<std::string> entries;
    const Calendar calendar;
    for (const unsigned day : PeriodDays::All(plan.startDay)) {
        const unsigned count = month.EntryCount(day);
        for (unsigned position = 1; position <= count; ++position) {
            const std::string where = name + " [" + std::to_string(day) + "/" + std::to_string(position) + "]: ";
            entries.insert(std::to_string(day) + "/" + std::to_string(position));
            EntryRecord record;
            month.ReadEntry(day, position, record);
            if (!calendar.IsValidDate(record.day, record.month, record.year))
                return where + "no such date";
            if (record.weekday != calendar.Weekday(record.day, record.month, record.year))
                return where + "weekday " + std::to_string(record.weekday);
            if (!IsStoredTime(record.Come) || !IsStoredTime(record.Go))
                return where + "time " + std::to_string(record.Come) + " - " + std::to_string(record.Go);
            if (IsClockTime(record.Come) && IsClockTime(record.Go) && record.Come > record.Go)
                return where + "arrival after departure";
            if (std::strpbrk(record.Info, "\r\n"))
                return where + "line break in the remark";
            if (record.NoSaldo != 0 && record.NoSaldo != 1)
                return where + "NoSaldo " + std::to_string(record.NoSaldo);
        }
    }
    for (const std::string& section : Names(engine, nullptr, path)) {
        const bool main = section == SECTION_MAIN;
        if (!main && !entries.count(section))
            return name + ": section [" + section + "] is no entry of the list";
        for (const std::string& key : Names(engine, section.c_str(), path)) {
            static const std::set<std::string> mainKeys = {KEY_MONTH, KEY_YEAR, KEY_ACCOUNT};
            static const std::set<std::string> entryKeys = {KEY_DAY,      KEY_COME,  KEY_GO,      KEY_INFO,
                                                            KEY_WORKTIME, KEY_SALDO, KEY_ACCOUNT, KEY_NOSALDO};
            if (!(main ? mainKeys : entryKeys).count(key))
                return name + " [" + section + "]: unknown key " + key;
            char value[TEXT_BUFFER_SIZE + 2];
            engine.ReadString(section.c_str(), key.c_str(), "", value, sizeof value, path.c_str());
            if (key != KEY_INFO && !IsNumber(value))
                return name + " [" + section + "] " + key + "=" + value + ": not a number";
        }
    }

    month.RefreshList();
    passed.rows = Texts(view.rows);
    settings.ComFormat = settings.ComFormat ? 0 : 1;
    month.RefreshList();
    passed.otherFormatRows = Texts(view.rows);
    settings.ComFormat = settings.ComFormat ? 0 : 1;
    if (!recompute)
        return "";

    month.RecomputeMonthTimes();
    const std::string& recomputed = files.files[path];
    if (recomputed != bytes) {
        std::size_t at = 0;
        while (at < bytes.size() && at < recomputed.size() && bytes[at] == recomputed[at])
            ++at;
        const std::size_t line = bytes.rfind('\n', at) == std::string::npos ? 0 : bytes.rfind('\n', at) + 1;
        return name + ": the recomputation changes it at byte " + std::to_string(at) + ": \"" + bytes.substr(line, 60) +
               "\" becomes \"" + recomputed.substr(line, 60) + "\"";
    }
    return "";
}

std::string PlanFilesCheck::Run(const std::vector<std::string>& folders, const Settings& settings, const LocalTime& now,
                                const std::vector<ShownPlan>& shown)
{
    const std::string settingsKey = SettingsBytes(settings);
    for (const ShownPlan& plan : shown)
        stale_.erase(PathKey(plan.path));
    std::map<std::string, Passed> current;
    for (std::size_t index = 0; index < folders.size(); ++index) {
        // Files of the further folders are named with their folder.
        const std::string where = index == 0 ? "" : std::filesystem::path(folders[index]).filename().string() + "\\";
        for (const std::filesystem::path& file : FilesIn(folders[index])) {
            const std::string name = file.filename().string();
            const std::string key = PathKey(file.string());
            const std::string bytes = ReadBytes(file.string());
            if (index == 0 && name == SETTINGS_FILE) {
                const std::string settingsBytes = bytes + settingsKey;
                if (settingsBytes != passedSettingsFile_) {
                    const std::string fault = CheckSettingsFile(bytes, settings);
                    if (!fault.empty())
                        return fault;
                    passedSettingsFile_ = settingsBytes;
                }
                continue;
            }
            if (name == LOCK_FILE) {
                if (!bytes.empty())
                    return where + name + ": the lock file holds data";
                continue;
            }
            auto found = passed_.find(key);
            const bool recompute = !stale_.count(key);
            if (found != passed_.end() && found->second.bytes == bytes && found->second.settings == settingsKey &&
                (found->second.recomputed || !recompute)) {
                current[key] = std::move(found->second);
                continue;
            }
            Passed passed;
            const std::string fault = CheckPlan(name, bytes, settings, now, recompute, passed);
            if (!fault.empty())
                return where + fault;
            passed.bytes = bytes;
            passed.settings = settingsKey;
            passed.recomputed = recompute;
            current[key] = std::move(passed);
        }
    }
    passed_ = std::move(current);

    for (const ShownPlan& plan : shown) {
        const std::string name = std::filesystem::path(plan.path).filename().string();
        const auto found = passed_.find(PathKey(plan.path));
        if (found == passed_.end())
            return plan.path + " is open but has no file";
        const std::string fault =
            CompareRows(plan.rows, plan.otherFormat ? found->second.otherFormatRows : found->second.rows);
        if (!fault.empty())
            return name + (plan.active ? " (active)" : "") + ": " + fault;
    }
    return "";
}

void PlanFilesCheck::KeepClosedPlansStale(const std::vector<std::string>& folders, const std::vector<ShownPlan>& shown)
{
    for (const std::string& folder : folders) {
        for (const std::filesystem::path& file : FilesIn(folder))
            stale_.insert(PathKey(file.string()));
    }
    for (const ShownPlan& plan : shown)
        stale_.erase(PathKey(plan.path));
}
