#pragma once
// The check of an own free day as the "Feiertage" page types it: whether the
// evaluator takes it, and the day it gives in a year.
#include <string>

struct OwnDayCheck {
    bool valid = false;
    std::string text; // the day it gives ("Mo 16.02.2026"), or why it is no own day (Windows-1252)
};
OwnDayCheck CheckOwnDay(const char* text, unsigned year);
