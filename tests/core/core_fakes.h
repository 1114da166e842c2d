#pragma once
// Fakes of the seams between core and shell (core/shell.h, FrameShell): a
// settable clock, prompts that record every message and give scripted
// answers, a list view and a frame shell that keep what the core shows them.
#include <deque>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/shell.h"

constexpr TimeValue At(int hour, int minute)
{
    return hour * 60 + minute;
}

class FakeClock : public Clock {
public:
    LocalTime now;

    LocalTime Now() override { return now; }

    // Sets the date (with its weekday) and the time of day.
    void Set(unsigned day, unsigned month, unsigned year, unsigned hour = 12, unsigned minute = 0)
    {
        now = {year, month, static_cast<unsigned>(Calendar().Weekday(day, month, year)), day, hour, minute, 0};
    }
};

class RecordingPrompts : public UserPrompts {
public:
    enum class Kind { Tell, Ask, AskMonth, Warning };
    struct Message {
        Kind kind;
        std::string text;
        std::string title;
        MessageIcon icon = MessageIcon::None; // Tell
        PromptOwner owner = NO_PROMPT_OWNER;
    };

    std::vector<Message> messages;
    // Answers to Ask, in order; when they run out, yes.
    std::deque<bool> answers;
    // Answers to AskMonth: (month, year), or month 0 for "Abbrechen". When
    // they run out the dialog is cancelled.
    std::deque<std::pair<unsigned, unsigned>> months;
    // State of "Nachricht nicht mehr anzeigen" for each warning.
    bool warningSuppressed = false;
    int waitScopes = 0;

    void Tell(const char* text, const char* title, MessageIcon icon) override
    {
        messages.push_back({Kind::Tell, text, title, icon, owner()});
    }
    bool Ask(const char* text, const char* title, bool) override
    {
        messages.push_back({Kind::Ask, text, title, MessageIcon::None, owner()});
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    bool AskMonth(unsigned& month, unsigned& year) override
    {
        messages.push_back({Kind::AskMonth, std::to_string(month) + "/" + std::to_string(year), "Monatsplan",
                            MessageIcon::None, owner()});
        const std::pair<unsigned, unsigned> chosen = months.empty() ? std::make_pair(0u, 0u) : months.front();
        if (!months.empty())
            months.pop_front();
        month = chosen.first;
        if (month != 0)
            year = chosen.second;
        return month != 0;
    }
    bool ShowWarning(const char* text) override
    {
        messages.push_back({Kind::Warning, text, WARNING_TITLE, MessageIcon::None, owner()});
        return warningSuppressed;
    }
    void BeginWait() override { ++waitScopes; }
    void EndWait() override {}
};

class FakePlanView : public PlanView {
public:
    std::vector<ListRow> rows;
    int selected = -1;

    void ShowRows(const std::vector<ListRow>& newRows) override
    {
        rows = newRows;
        if (selected >= static_cast<int>(rows.size()))
            selected = -1;
    }
    void UpdateRow(int index, const ListRow& row) override
    {
        if (index >= 0 && index < static_cast<int>(rows.size()))
            rows[static_cast<std::size_t>(index)] = row;
    }
    int SelectedRow() override { return selected; }
    void SelectRow(int index) override { selected = index; }
};

// Opens month plans as objects it owns, each with its own FakePlanView.
// Attach the FrameCore first.
class FakeFrameShell : public FrameShell {
public:
    struct Window {
        std::unique_ptr<FakePlanView> view;
        std::unique_ptr<MonthPlan> plan;
        bool maximised = false;
    };

    std::vector<Window> windows;
    std::set<std::string> existingTitles;
    std::vector<std::string> trayTips;
    std::string endOfDay;
    std::vector<std::string> trayNotices;
    bool trayWarning = false;
    // Creating a window fails as the framework does: with an exception.
    bool failWindows = false;

    void Attach(FrameCore& frame) { frame_ = &frame; }

    MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool maximised) override
    {
        if (failWindows)
            throw std::runtime_error("Unable to create Window.");
        auto view = std::make_unique<FakePlanView>();
        auto plan = std::make_unique<MonthPlan>(*frame_, *view, month, year);
        windows.push_back({std::move(view), std::move(plan), maximised});
        existingTitles.insert(FrameCore::PlanTitle(month, year));
        windows.back().plan->Recompute(EffectiveStartDay(frame_->settings()));
        return windows.back().plan.get();
    }
    MonthPlan* FindPlanWindow(const std::string& file) override
    {
        for (auto window = windows.rbegin(); window != windows.rend(); ++window)
            if (window->plan->path() == file)
                return window->plan.get();
        return nullptr;
    }
    bool HasActivePlan() override { return !windows.empty(); }
    bool WindowExists(const char* title) override { return existingTitles.count(title) != 0; }
    void SetTrayTip(const char* text) override { trayTips.emplace_back(text); }
    void SetLiveTip(const char* text, const char* endOfDayText) override
    {
        trayTips.emplace_back(text);
        endOfDay = endOfDayText;
    }
    void ShowTrayNotice(const char* text) override { trayNotices.emplace_back(text); }
    void SetTrayIconActive(bool warning) override { trayWarning = warning; }

private:
    FrameCore* frame_ = nullptr;
};
