// Opening and creating month plans, and the account carried over between them.
#include "core/frame_core.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "calendar/calendar.h"
#include "core/directory.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "core/scoped_count.h"
#include "core/time_values.h"
#include "ini/profile_batch.h"
#include "ini/profile_file_system.h"
#include "ini/profile_store.h"

namespace {

const char* MonthName(unsigned month)
{
    return month >= 1 && month <= 12 ? MonthNames[month - 1] : "";
}

} // namespace

FrameCore::FrameCore(Settings& settings, ProfileStore& store, Clock& clock, UserPrompts& prompts, FrameShell& shell)
    : settings_(settings), store_(store), clock_(clock), prompts_(prompts), shell_(shell)
{
    copyBuffer_.Come = NO_TIME;
    copyBuffer_.WorkTime = NO_HOURS;
}

std::string FrameCore::PlanTitle(unsigned month, unsigned year)
{
    char title[64];
    std::snprintf(title, sizeof title, "Monatsplan für %s %u", MonthName(month), year);
    return title;
}

void FrameCore::TodaysPeriod(unsigned& month, unsigned& year)
{
    const LocalTime now = clock_.Now();
    PeriodOfDate(EffectiveStartDay(settings_), now.day, now.month, now.year, month, year);
}

bool FrameCore::PlanExists(const std::string& file)
{
    char month[TEXT_BUFFER_SIZE];
    return store_.ReadString(SECTION_MAIN, KEY_MONTH, "", month, sizeof month, file.c_str()) > 0;
}

bool FrameCore::RefuseUnreadablePlan(const std::string& file, bool ask)
{
    // An empty file holds nothing to lose; any other file without MAIN/Month
    // is someone's data (damaged, or saved by an editor with a UTF-8 byte
    // order mark, which hides a MAIN header on the first line from the
    // profile functions). Creating the period over it would empty the first
    // entry of every day and add a second MAIN.
    ProfileFileSystem& files = DefaultProfileFileSystem();
    const FileStamp stamp = files.Stamp(files.FullPath(file));
    if (!stamp.exists || stamp.size == 0)
        return false;
    // The live computation tries to open today's period every minute: it
    // tells about the same file once.
    if (ask || file != refusedFile_) {
        const std::string text = "Die Datei \"" + file +
                                 "\" ist kein lesbarer Monatsplan: Im Abschnitt [MAIN] fehlt der Eintrag \"Month\", "
                                 "oder die Datei beginnt mit einer UTF-8-Kennung (BOM).\n\n"
                                 "Der Monatsplan wird nicht geöffnet, die Datei bleibt unverändert.";
        prompts_.Tell(text.c_str(), "Fehler", MessageIcon::Warning);
    }
    refusedFile_ = file;
    return true;
}

void FrameCore::ReportUnsavedFile()
{
    const std::string file = store_.TakeFailedFile();
    if (file.empty())
        return;
    const std::string text = "Die Datei \"" + file +
                             "\" konnte nicht gespeichert werden.\n\n"
                             "Die letzte Änderung ist nicht gesichert. Ist der Datenträger voll oder die Datei "
                             "schreibgeschützt?";
    prompts_.Tell(text.c_str(), WARNING_TITLE, MessageIcon::Warning);
}

int FrameCore::OpenMonthPlan(unsigned month, unsigned year, bool create, bool ask)
{
    const bool maximised =
        !shell_.HasActivePlan() && store_.ReadInt("Custom", "OpenMode", 0, settings_.SettingsPath) == 1;
    const std::string file = MonthPlanFileName(settings_, month, year);
    const bool exists = PlanExists(file);
    if (!exists && RefuseUnreadablePlan(file, ask))
        return 0;

    char text[512];
    bool createPlan = false;
    if (exists) {
        if (create && ask) {
            std::snprintf(text, sizeof text,
                          "Der Monatsplan für %s %u existiert bereits.\n\nSoll der Monatsplan geöffnet werden?",
                          MonthName(month), year);
            if (!prompts_.Ask(text, "Frage", true))
                return 1;
        }
    } else if (!create && ask) {
        std::snprintf(text, sizeof text,
                      "Der Monatsplan für %s %u existiert noch nicht.\n\nSoll ein neuer Monatsplan angelegt werden?",
                      MonthName(month), year);
        if (!prompts_.Ask(text, "Frage", true))
            return 1;
        createPlan = true;
    } else {
        createPlan = true;
    }

    std::optional<ScopedCount> creating;
    if (createPlan) {
        creating.emplace(creating_);
        CreateDirectoryOneLevel(settings_.WorkingDir);
        const HoursValue account = settings_.Extern ? 0 : CarryOverAccount(month, year, ask);
        ProfileBatch batch(store_);
        char value[32];
        std::snprintf(value, sizeof value, "%d", account);
        store_.WriteString(SECTION_MAIN, KEY_ACCOUNT, value, file.c_str());
        std::snprintf(value, sizeof value, "%u", month);
        store_.WriteString(SECTION_MAIN, KEY_MONTH, value, file.c_str());
        std::snprintf(value, sizeof value, "%u", year);
        store_.WriteString(SECTION_MAIN, KEY_YEAR, value, file.c_str());
        // Written now, so that a file that cannot be created is noticed here.
        batch.End();
        if (!PlanExists(file)) {
            // This message says what failed; the command's end need not repeat it.
            store_.TakeFailedFile();
            prompts_.Tell("Die Datei für den Monatsplan kann nicht angelegt werden.", "Frage", MessageIcon::None);
            return 0;
        }
    }

    // One window per file: a second window on the same file would keep rows
    // that the first one's changes make stale, and act on their keys. The
    // open one is recomputed and listed as a new one is, and it is no new
    // period to fill.
    if (MonthPlan* open = shell_.ActivatePlanWindow(file)) {
        open->Recompute(EffectiveStartDay(settings_));
        return 1;
    }
    MonthPlan* plan = shell_.CreatePlanWindow(month, year, maximised);
    if (plan != nullptr && createPlan)
        plan->FillNewPeriod(month, year);
    return 1;
}

MonthPlan* FrameCore::OpenTodaysPlan()
{
    unsigned month = 0, year = 0;
    TodaysPeriod(month, year);
    const std::string file = MonthPlanFileName(settings_, month, year);
    if (MonthPlan* open = shell_.FindPlanWindow(file))
        return open;
    // No user waits for this plan: a note about its creation must not stop
    // the session's end or sit behind the lock screen.
    const ScopedCount trayNotes(trayNotes_);
    if (creating() || OpenMonthPlan(month, year, false, false) == 0)
        return nullptr;
    return shell_.FindPlanWindow(file);
}

HoursValue FrameCore::ReadClosingAccount(const std::string& file)
{
    char text[TEXT_BUFFER_SIZE];
    store_.ReadString(SECTION_MAIN, KEY_ACCOUNT, NO_HOURS_TEXT, text, sizeof text, file.c_str());
    auto toHours = [](const char* t) {
        return static_cast<HoursValue>(static_cast<std::uint32_t>(std::strtoll(t, nullptr, 10)));
    };
    HoursValue account = toHours(text);
    for (const unsigned day : PeriodDays::All(EffectiveStartDay(settings_))) {
        for (unsigned position = 1; position <= MAX_POSITION; ++position) {
            char section[32];
            std::snprintf(section, sizeof section, "%u/%u", day, position);
            if (store_.ReadString(section, KEY_ACCOUNT, "", text, sizeof text, file.c_str()) == 0)
                break;
            const HoursValue value = toHours(text);
            if (value != HoursCode(EmptyDay))
                account = value;
        }
    }
    return account;
}

HoursValue FrameCore::CarryOverAccount(unsigned month, unsigned year, bool interactive)
{
    unsigned previousMonth = month - 1, previousYear = year;
    if (month <= 1) {
        previousMonth = 12;
        previousYear = year - 1;
    }
    HoursValue account = ReadClosingAccount(MonthPlanFileName(settings_, previousMonth, previousYear));
    char text[512];
    if (account != NO_HOURS) {
        if (interactive) {
            std::snprintf(text, sizeof text, "Der Zeitkontostand von %s %u wurde übernommen.", MonthName(previousMonth),
                          previousYear);
            prompts_.Tell(text, "Hinweis", MessageIcon::Information);
        }
        return account;
    }
    // Told every time, also when no question was asked: an account that
    // silently starts at zero looks like a correct carry-over.
    auto startAtZero = [&]() {
        char zero[TEXT_BUFFER_SIZE];
        FormatHours(settings_, 0, zero);
        std::snprintf(text, sizeof text,
                      "Es konnte kein Zeitkontostand übernommen werden: Der Monatsplan für %s %u fehlt oder hat "
                      "keinen abgeschlossenen Kontostand.\n\nDer Kontostand beginnt mit %s. Geben Sie ihn bei Bedarf "
                      "manuell ein.",
                      MonthName(previousMonth), previousYear, zero);
        if (trayNotes_ > 0)
            shell_.ShowTrayNotice(text);
        else
            prompts_.Tell(text, "Hinweis", MessageIcon::Information);
        return 0;
    };
    if (!interactive)
        return startAtZero();
    if (!prompts_.Ask("Der Monatsplan mit dem Zeitkontostand des Vormonats\nkonnte nicht geöffnet werden.\n\n"
                      "Soll der Stand aus einem anderen Monat übernommen werden?",
                      "Frage", true))
        return startAtZero();
    for (;;) {
        unsigned chosenMonth = previousMonth, chosenYear = previousYear;
        if (!prompts_.AskMonth(chosenMonth, chosenYear))
            chosenMonth = 0;
        account =
            chosenMonth == 0 ? NO_HOURS : ReadClosingAccount(MonthPlanFileName(settings_, chosenMonth, chosenYear));
        if (account != NO_HOURS)
            return account;
        if (!prompts_.Ask("Es konnte kein Zeitkontostand übernommen werden.\n\n"
                          "Wollen Sie aus einem anderen Monat übernehmen?",
                          "Hinweis", true)) {
            prompts_.Tell("Es konnte kein Zeitkontostand übernommen werden.\n\n"
                          "Geben Sie den Kontostand bei Bedarf manuell ein.",
                          "Hinweis", MessageIcon::Information);
            return 0;
        }
    }
}
