#pragma once
// A month plan on an in-memory profile store with a fixed clock, for tests of
// the operations that read whole periods.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/profile_store.h"
#include "core/settings.h"

// Enough of the private-profile behaviour for the core: missing keys read as
// the default, integers as C's strtol reads them.
class MemoryProfileStore : public ProfileStore {
public:
    unsigned ReadString(const char* section, const char* key, const char* defaultValue, char* buffer,
                        unsigned size, const char* file) override
    {
        const std::string* value = Find(section, key, file);
        const std::string text = value ? *value : std::string(defaultValue ? defaultValue : "");
        const std::size_t length = text.size() < size - 1 ? text.size() : size - 1;
        text.copy(buffer, length);
        buffer[length] = '\0';
        return static_cast<unsigned>(length);
    }
    unsigned ReadInt(const char* section, const char* key, int defaultValue, const char* file) override
    {
        const std::string* value = Find(section, key, file);
        return static_cast<unsigned>(value ? std::strtol(value->c_str(), nullptr, 10) : defaultValue);
    }
    bool WriteString(const char* section, const char* key, const char* value, const char* file) override
    {
        files_[file][section][key] = value;
        return true;
    }
    bool DeleteKey(const char* section, const char* key, const char* file) override
    {
        files_[file][section].erase(key);
        return true;
    }
    bool DeleteSection(const char* section, const char* file) override
    {
        files_[file].erase(section);
        return true;
    }

private:
    const std::string* Find(const char* section, const char* key, const char* file) const
    {
        const auto f = files_.find(file);
        if (f == files_.end())
            return nullptr;
        const auto s = f->second.find(section);
        if (s == f->second.end())
            return nullptr;
        const auto k = s->second.find(key);
        return k == s->second.end() ? nullptr : &k->second;
    }
    std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> files_;
};

class FixedClock : public Clock {
public:
    LocalTime Now() override { return now; }
    LocalTime now;
};

class RecordingPrompts : public UserPrompts {
public:
    void Tell(const char* text, const char*, MessageIcon) override { told.push_back(text); }
    bool Ask(const char* text, const char*, bool) override
    {
        asked.push_back(text);
        return true;
    }
    bool AskMonth(unsigned&, unsigned&) override { return false; }
    bool ShowWarning(const char*) override { return true; }
    std::vector<std::string> told, asked;
};

class ListView : public PlanView {
public:
    void ShowRows(const std::vector<ListRow>& rows) override { count = static_cast<int>(rows.size()); }
    void UpdateRow(int, const ListRow&) override {}
    int SelectedRow() override { return selected < count ? selected : -1; }
    void SelectRow(int index) override { selected = index; }
    int selected = -1;
    int count = 0;
};

class PlanFixture : public ::testing::Test, public FrameShell {
public:
    PlanFixture()
    {
        settings.SelectDay = 0;
        const std::string dir = ::testing::TempDir() + "stundwerk-plan-fixture";
        dir.copy(settings.WorkingDir, sizeof settings.WorkingDir - 1);
        // Far after every test period: no live computation, no missing days.
        clock.now.day = 1;
        clock.now.month = 1;
        clock.now.year = 2030;
    }

    MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool) override
    {
        plan = std::make_unique<MonthPlan>(frame, view, month, year);
        plan->Recompute(EffectiveStartDay(settings));
        return plan.get();
    }
    bool HasActivePlan() override { return plan != nullptr; }
    bool WindowExists(const char*) override { return false; }

    // A new plan for the period, filled as the program creates it.
    MonthPlan& Open(unsigned month, unsigned year)
    {
        frame.OpenMonthPlan(month, year, false, false);
        return *plan;
    }

    // Writes an entry with the given Come and Go at (day, 0): it takes over
    // the day's placeholder or is appended.
    void Add(unsigned day, TimeValue come, TimeValue go, HoursValue workTime = NO_HOURS)
    {
        EntryRecord record;
        ASSERT_TRUE(plan->ReadEntry(day, 1, record));
        record.Come = come;
        record.Go = go;
        record.WorkTime = workTime;
        record.Saldo = record.Account = NO_HOURS;
        record.Info[0] = '\0';
        if (IsTimeCode(come) && come != TimeCode(DirectHours)) {
            record.WorkTime = HoursCode(TimeCodeKind(come));
            record.Saldo = 0;
            record.NoSaldo = come == TimeCode(FlexiDay) || come == TimeCode(MissingDay) ? 0 : 1;
        } else {
            record.NoSaldo = IsWorkDay(settings, record.weekday) ? 0 : 1;
        }
        plan->WriteEntry(0, 0, record);
        plan->Recompute(day);
    }

    void Set(unsigned day, unsigned position, const char* key, const char* value)
    {
        const std::string section = std::to_string(day) + "/" + std::to_string(position);
        store.WriteString(section.c_str(), key, value, plan->path().c_str());
    }

    Settings settings;
    MemoryProfileStore store;
    FixedClock clock;
    RecordingPrompts prompts;
    ListView view;
    FrameCore frame{settings, store, clock, prompts, *this};
    std::unique_ptr<MonthPlan> plan;
};

constexpr TimeValue At(int hour, int minute) { return hour * 60 + minute; }
