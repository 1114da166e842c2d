#pragma once
// A plan fixture for the operations that read whole periods: entries of any
// kind written through the storage primitive, keys patched directly.
#include <string>

#include "plan_fixture.h"

class PeriodTest : public PlanTest {
public:
    using PlanTest::prompts;
    using PlanTest::settings;
    // Far after every test period: no live computation, no missing days.
    PeriodTest() { clock.Set(1, 1, 2030, 12, 0); }

    MonthPlan& Open(unsigned month, unsigned year)
    {
        plan = &PlanTest::Open(month, year);
        return *plan;
    }

    // An entry with the given Come and Go at the day's free slot, with the
    // values its creator would give it, then the period recomputed.
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
        ASSERT_EQ(plan->WriteEntry(0, 0, record), 1);
        plan->Recompute(day);
    }

    void Set(unsigned day, unsigned position, const char* key, const char* value)
    {
        const std::string section = std::to_string(day) + "/" + std::to_string(position);
        engine.WriteString(section.c_str(), key, value, plan->path().c_str());
    }

    std::vector<std::string> ToldTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& message : Told())
            texts.push_back(message.text);
        return texts;
    }

    MonthPlan* plan = nullptr;
};

constexpr TimeValue At(int hour, int minute)
{
    return hour * 60 + minute;
}
