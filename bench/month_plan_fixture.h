#pragma once
// A month plan shaped file for the storage benchmarks: 31 days with three
// entries each, sections "d/i", eight keys per entry.
#include <cstdio>
#include <string>

#include "ini/profile_store.h"

constexpr int kBenchDays = 31;
constexpr int kBenchEntriesPerDay = 3;
constexpr const char* kBenchKeys[] = {"Day", "Come", "Go", "Info", "WorkTime", "Saldo", "Account", "NoSaldo"};

inline void WriteBenchMonthPlan(ProfileStore& store, const std::string& file)
{
    char section[16];
    char value[64];
    for (int day = 1; day <= kBenchDays; ++day) {
        for (int entry = 0; entry < kBenchEntriesPerDay; ++entry) {
            std::snprintf(section, sizeof section, "%d/%d", day, entry);
            int i = 0;
            for (const char* key : kBenchKeys) {
                std::snprintf(value, sizeof value, "%d", day * 100 + entry * 10 + i++);
                store.WriteString(section, key, key[0] == 'I' ? "Gleittag nach Absprache" : value, file.c_str());
            }
        }
    }
}

// Reads every key of every entry, the way listing a month plan does.
inline unsigned ReadBenchMonthPlan(ProfileStore& store, const std::string& file)
{
    char section[16];
    char buffer[256];
    unsigned sum = 0;
    for (int day = 1; day <= kBenchDays; ++day) {
        for (int entry = 0; entry < kBenchEntriesPerDay; ++entry) {
            std::snprintf(section, sizeof section, "%d/%d", day, entry);
            for (const char* key : kBenchKeys) {
                if (key[0] == 'I') {
                    sum += store.ReadString(section, key, "", buffer, sizeof buffer, file.c_str());
                } else {
                    sum += store.ReadInt(section, key, 0, file.c_str());
                }
            }
        }
    }
    return sum;
}
