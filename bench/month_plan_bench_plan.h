#pragma once
// A month plan for the benchmarks of the month plan operations: March 2002
// with 1, 3 or 5 completed entries a day, on any profile store, with silent
// stand-ins for the shell.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "ini/profile_batch.h"
#include "ini/profile_store.h"

struct BenchClock : Clock {
    LocalTime now{2002, 3, 5, 1, 18, 0, 0}; // Friday 1 March 2002, 18:00
    LocalTime Now() override { return now; }
};

struct SilentPrompts : UserPrompts {
    void Tell(const char*, const char*, MessageIcon) override {}
    bool Ask(const char*, const char*, bool) override { return true; }
    bool AskMonth(unsigned&, unsigned&) override { return false; }
    bool ShowWarning(const char*) override { return true; }
};

struct BenchView : PlanView {
    int selected = -1;
    void ShowRows(const std::vector<ListRow>&) override {}
    void UpdateRow(int, const ListRow&) override {}
    int SelectedRow() override { return selected; }
    void SelectRow(int index) override { selected = index; }
};

// A plan of March 2002 in a fresh folder on the given store, every day holding `perDay`
// completed entries of 100 minutes, two hours apart. The GUI's default
// settings: the list refresh selects today and computes it live.
class BenchPlan : public FrameShell {
public:
    BenchPlan(ProfileStore& store, int perDay, const char* name) : store_(store)
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("stundwerk-plan-bench-" + std::string(name) + "-" + std::to_string(perDay));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::snprintf(settings_.WorkingDir, sizeof settings_.WorkingDir, "%s/", folder_.string().c_str());
        std::snprintf(settings_.SettingsPath, sizeof settings_.SettingsPath, "%s/stundwrk.ini",
                      folder_.string().c_str());
        ProfileBatch batch(store_);
        frame_.OpenMonthPlan(3, 2002, false, false);
        for (unsigned day = 1; day <= 31; ++day) {
            EntryRecord record;
            plan_->ReadEntry(day, 1, record);
            for (int k = 0; k < perDay; ++k) {
                record.Come = 7 * 60 + k * 120;
                record.Go = record.Come + 100;
                plan_->WriteEntry(day, static_cast<unsigned>(k + 1), record);
            }
        }
        plan_->Recompute(1);
    }
    ~BenchPlan() override
    {
        plan_.reset();
        std::filesystem::remove_all(folder_);
    }

    MonthPlan* CreatePlanWindow(unsigned month, unsigned year, bool) override
    {
        plan_ = std::make_unique<MonthPlan>(frame_, view_, month, year);
        plan_->Recompute(EffectiveStartDay(settings_));
        return plan_.get();
    }
    bool HasActivePlan() override { return plan_ != nullptr; }
    bool WindowExists(const char*) override { return true; }

    MonthPlan& plan() { return *plan_; }
    ProfileStore& store() { return store_; }

private:
    std::filesystem::path folder_;
    Settings settings_;
    ProfileStore& store_;
    BenchClock clock_;
    SilentPrompts prompts_;
    BenchView view_;
    FrameCore frame_{settings_, store_, clock_, prompts_, *this};
    std::unique_ptr<MonthPlan> plan_;
};
