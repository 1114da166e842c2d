#include <gtest/gtest.h>

#include <string>

#include "core/own_day_form.h"

// What the "Feiertage" page shows for a typed own day.
TEST(OwnDayForm, DayOfTheYearOrWhyNot)
{
    // A date longer than an own day may be (typed past the field's limit).
    const std::string longDate = std::string(90, '0') + "1.01.2027 :x";
    const struct {
        const char* text;
        bool valid;
        const char* shown; // the start of the text shown
    } cases[] = {
        {"ostersonntag-48 :Rosenmontag", true, "Mo 16.02.2026"},
        {"24.12 :Heiligabend", true, "Do 24.12.2026"},
        {"12.06.2027 :Betriebsausflug", true, "Sa 12.06.2027"},
        {"01.05 +mo :Brückentag", true, "Mo 04.05.2026"},
        {"31.12+1 :Nie", true, "fällt 2026 auf keinen Tag"},
        {"24.12 :  ", false, "Nach dem Doppelpunkt"},
        {"24.12 Heiligabend", false, "\"24.12 Heiligabend\" ist kein Tagesausdruck"},
        {"Ostern :x", false, "\"Ostern :x\" ist kein"},
        {"", false, "\"\" ist kein"},
        {longDate.c_str(), false, "\"000"},
    };
    for (const auto& c : cases) {
        const OwnDayCheck check = CheckOwnDay(c.text, 2026);
        EXPECT_EQ(check.valid, c.valid) << c.text;
        EXPECT_EQ(check.text.rfind(c.shown, 0), 0u) << c.text << ": " << check.text;
    }
}
