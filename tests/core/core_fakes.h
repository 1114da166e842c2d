#pragma once
// Fakes of the seams between core and shell (core/shell.h, FrameShell),
// shared by the core and CLI tests: a settable clock, prompts that record
// every message and give scripted answers, a list view and a frame shell
// that keep what the core shows them.
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/shell.h"

class FakeClock : public Clock {
public:
    LocalTime now;

    LocalTime Now() override { return now; }

    // Sets the date (with its weekday) and the time of day.
    void Set(unsigned day, unsigned month, unsigned year, unsigned hour = 12, unsigned minute = 0)
    {
        now.day = day;
        now.month = month;
        now.year = year;
        now.dayOfWeek = static_cast<unsigned>(Calendar().Weekday(day, month, year));
        now.hour = hour;
        now.minute = minute;
        now.second = 0;
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
        bool questionIcon = false;            // Ask
    };

    std::vector<Message> messages;
    // Answers to Ask, in order; when they run out, defaultAnswer.
    std::deque<bool> answers;
    bool defaultAnswer = true;
    // Answers to AskMonth: (month, year), or month 0 for "Abbrechen". When
    // they run out the dialog is cancelled.
    std::deque<std::pair<unsigned, unsigned>> months;
    // State of "Nachricht nicht mehr anzeigen" for each warning.
    bool warningSuppressed = false;
    int waitDepth = 0;
    int waitScopes = 0;

    void Tell(const char* text, const char* title, MessageIcon icon) override
    {
        messages.push_back({Kind::Tell, text, title, icon, false});
    }
    bool Ask(const char* text, const char* title, bool questionIcon) override
    {
        messages.push_back({Kind::Ask, text, title, MessageIcon::None, questionIcon});
        if (answers.empty())
            return defaultAnswer;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool AskMonth(unsigned& month, unsigned& year) override
    {
        messages.push_back({Kind::AskMonth, std::to_string(month) + "/" + std::to_string(year), "Monatsplan",
                            MessageIcon::None, false});
        if (months.empty() || months.front().first == 0) {
            if (!months.empty())
                months.pop_front();
            month = 0;
            return false;
        }
        month = months.front().first;
        year = months.front().second;
        months.pop_front();
        return true;
    }
    bool ShowWarning(const char* text) override
    {
        messages.push_back({Kind::Warning, text, "- Hinweis -", MessageIcon::None, false});
        return warningSuppressed;
    }
    void BeginWait() override
    {
        ++waitDepth;
        ++waitScopes;
    }
    void EndWait() override { --waitDepth; }

    // Texts of all messages, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const Message& m : messages)
            result.push_back(m.text);
        return result;
    }
    const Message* last() const { return messages.empty() ? nullptr : &messages.back(); }
};

class FakePlanView : public PlanView {
public:
    std::vector<ListRow> rows;
    int selected = -1;
    int showCount = 0;
    int updateCount = 0;

    void ShowRows(const std::vector<ListRow>& newRows) override
    {
        rows = newRows;
        ++showCount;
        if (selected >= static_cast<int>(rows.size()))
            selected = -1;
    }
    void UpdateRow(int index, const ListRow& row) override
    {
        ++updateCount;
        if (index >= 0 && index < static_cast<int>(rows.size()))
            rows[static_cast<std::size_t>(index)] = row;
    }
    int SelectedRow() override { return selected; }
    void SelectRow(int index) override { selected = index; }
};

// Opens month plans as objects it owns, each with its own FakePlanView.
// Attach the FrameCore before the core asks for a window.
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
    bool trayWarning = false;
    bool failCreate = false;

    void Attach(FrameCore& frame) { frame_ = &frame; }

    MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool maximised) override
    {
        if (failCreate || frame_ == nullptr)
            return nullptr;
        Window window;
        window.view = std::make_unique<FakePlanView>();
        window.plan = std::make_unique<MonthPlan>(*frame_, *window.view, month, year);
        window.maximised = maximised;
        windows.push_back(std::move(window));
        existingTitles.insert(FrameCore::PlanTitle(month, year));
        MonthPlan* plan = windows.back().plan.get();
        plan->Recompute(EffectiveStartDay(frame_->settings()));
        return plan;
    }
    bool HasActivePlan() override { return !windows.empty(); }
    bool WindowExists(const char* title) override { return existingTitles.count(title) != 0; }
    void SetTrayTip(const char* text) override { trayTips.emplace_back(text); }
    void SetTrayIconActive(bool warning) override { trayWarning = warning; }

private:
    FrameCore* frame_ = nullptr;
};
