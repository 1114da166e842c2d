// The three day-counter dialogs.
#include "core/counter_forms.h"

#include <cstdio>

#include "core/form_support.h"
#include "core/settings.h"

DayCounterTexts DayCountTexts(DayCounter counter)
{
    switch (counter) {
    case DayCounter::Holidays:
        return {"Urlaubstage", "Verbleibende Urlaubstage:"};
    case DayCounter::Sickdays:
        return {"Krankheitstage", "Bisherige Krankheitstage:"};
    case DayCounter::GDays:
        break;
    }
    return {"Gleittage", "Bisherige Gleittage:"};
}

std::uint32_t& DayCountOf(Settings& settings, DayCounter counter)
{
    switch (counter) {
    case DayCounter::Holidays:
        return settings.Holidays;
    case DayCounter::Sickdays:
        return settings.Sickdays;
    case DayCounter::GDays:
        break;
    }
    return settings.GDays;
}

std::uint32_t DayCountOf(const Settings& settings, DayCounter counter)
{
    return DayCountOf(const_cast<Settings&>(settings), counter);
}

std::string InitDayCount(const Settings& settings, DayCounter counter)
{
    char text[16];
    std::snprintf(text, sizeof text, "%i", static_cast<int>(DayCountOf(settings, counter)));
    return text;
}

bool AcceptDayCount(Settings& settings, DayCounter counter, const std::string& text)
{
    std::uint32_t value = 0;
    if (!ParseUnsignedField(text, value))
        return false;
    DayCountOf(settings, counter) = value;
    return true;
}
