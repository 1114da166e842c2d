#include "cli/session.h"

#include <cstdio>
#include <cstring>
#include <ostream>

#include "cli/text_output.h"
#include "core/period.h"

namespace {

// Messages that report the outcome of a carry-over rather than refuse the command.
const char* const NOTE_PREFIXES[] = {
    "Der Zeitkontostand von ",
    "Es konnte kein Zeitkontostand übernommen werden",
};

// The question that would start another round of the month search.
const char* const ANOTHER_MONTH_QUESTION =
    "Es konnte kein Zeitkontostand übernommen werden.\n\nWollen Sie aus einem anderen Monat übernehmen?";

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

void CliPlanView::ShowRows(const std::vector<ListRow>& rows)
{
    // As the list view keeps a selected index across a refill while the row exists.
    rowCount_ = static_cast<int>(rows.size());
    if (selected_ >= rowCount_)
        selected_ = -1;
}

void CliPlanView::UpdateRow(int, const ListRow&) {}

CliSession::CliSession(const LocalTime& now, const std::string& settingsPath, std::unique_ptr<ProfileStore> store,
                       std::ostream& err, unsigned lockWaitMs)
    : now_(now), err_(err), store_(std::move(store)), frame_(settings_, *store_, *this, *this, *this)
{
    std::snprintf(settings_.SettingsPath, sizeof settings_.SettingsPath, "%s", settingsPath.c_str());
    // Read first to know the plans' folder, then again under the lock.
    frame_.ReadSettingsFile();
    locked_ = lock_.Take(
        *store_, settings_, [this] { frame_.ReadSettingsFile(); }, lockWaitMs);
    if (!locked_)
        Refuse(FILES_LOCKED);
    batch_.emplace(*store_);
}

CliSession::~CliSession() = default;

MonthPlan* CliSession::CreatePlanWindow(unsigned month, unsigned year, bool)
{
    auto window = std::make_unique<PlanWindow>();
    window->plan = std::make_unique<MonthPlan>(frame_, window->view, month, year);
    MonthPlan* plan = window->plan.get();
    windows_.push_back(std::move(window));
    plan->Recompute(EffectiveStartDay(settings_));
    return plan;
}

bool CliSession::WindowExists(const char* title)
{
    // A plan title counts as open: the live computation of another period
    // must not open today's plan as a side effect of a command. The warning
    // window never exists here, its text went to stderr.
    return StartsWith(title, "Monatsplan für ");
}

MonthPlan* CliSession::OpenPlan(unsigned month, unsigned year)
{
    if (!locked_)
        return nullptr;
    const std::size_t before = windows_.size();
    const bool creating = !frame_.PlanExists(MonthPlanFileName(settings_, month, year));
    // Every command opens its plan before it changes anything, so ending the
    // batch here writes nothing of its own.
    if (creating)
        batch_.reset();
    const int opened = frame_.OpenMonthPlan(month, year, false, false);
    if (creating)
        batch_.emplace(*store_);
    if (opened == 0 || windows_.size() == before || refused_)
        return nullptr;
    return windows_[before]->plan.get();
}

MonthPlan* CliSession::OpenPlanOfDate(unsigned day, unsigned month, unsigned year)
{
    unsigned periodMonth = 0, periodYear = 0;
    PeriodOfDate(EffectiveStartDay(settings_), day, month, year, periodMonth, periodYear);
    return OpenPlan(periodMonth, periodYear);
}

bool CliSession::SelectEntry(MonthPlan& plan, unsigned day, unsigned position)
{
    if (plan.SelectEntryRow(day, position))
        return true;
    char text[128];
    std::snprintf(text, sizeof text, "Der Monatsplan hat keinen Eintrag %u/%u (Tag/Position).", day, position);
    Refuse(text);
    return false;
}

void CliSession::Refuse(const std::string& text)
{
    err_ << Cp1252ToUtf8(text) << '\n';
    refused_ = true;
}

void CliSession::Note(const char* text)
{
    err_ << Cp1252ToUtf8(text) << '\n';
}

bool CliSession::SaveSettingsFile()
{
    return locked_ && frame_.SaveSettingsFile();
}

void CliSession::SaveChangedCounters(const DayCounters& before)
{
    if (DayCounters(settings_) != before)
        SaveSettingsFile();
}

bool CliSession::Finish()
{
    return batch_ ? batch_->End() : true;
}

void CliSession::Tell(const char* text, const char*, MessageIcon)
{
    for (const char* prefix : NOTE_PREFIXES) {
        if (StartsWith(text, prefix)) {
            Note(text);
            return;
        }
    }
    Refuse(text);
}

bool CliSession::Ask(const char* text, const char*, bool)
{
    return std::strcmp(text, ANOTHER_MONTH_QUESTION) != 0;
}

bool CliSession::AskMonth(unsigned&, unsigned&)
{
    return false;
}

bool CliSession::ShowWarning(const char* text)
{
    // Shown once a day in the GUI; here once per run that computes today.
    Note(text);
    return true;
}
