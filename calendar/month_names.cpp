#include "calendar/calendar.h"

const char MonthNames[12][MONTH_NAME_SIZE] = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember",
};
