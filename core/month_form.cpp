// The month dialog's proposal and checks.
#include "core/month_form.h"

#include "core/form_support.h"
#include "core/period.h"
#include "core/settings.h"
#include "core/shell.h"

void ProposeMonth(const Settings& settings, Clock& clock, unsigned& month, unsigned& year)
{
    if (month != 0)
        return;
    const LocalTime today = clock.Now();
    PeriodOfDate(EffectiveStartDay(settings), today.day, today.month, today.year, month, year);
}

bool AcceptMonth(int selectedIndex, const std::string& yearText, unsigned& month, unsigned& year)
{
    month = selectedIndex < 0 ? 0 : static_cast<unsigned>(selectedIndex) + 1;
    std::uint32_t typed = 0;
    const bool number = ParseUnsignedField(yearText, typed);
    // 0 is refused as typed, not turned into 1900.
    year = typed != 0 && typed <= 1900 ? typed + 1900 : typed;
    return number && typed != 0 && month >= 1 && month <= 12;
}
