#pragma once
// The logic of RemarkDialog (DLG_GETINFO, "Bemerkung ändern"): only the
// remark of an existing entry changes; its kind and values stay.
#include <string>

class MonthPlan;

inline constexpr const char* REMARK_TITLE = "Bemerkung ändern";

// The entry's remark, empty when the key (day | position << 16) names no entry.
std::string InitRemark(MonthPlan& plan, unsigned key);
// OK: stores the remark (cut to 255 characters) and refills the list. A key
// that names no entry any more changes nothing. Always lets the dialog close.
bool AcceptRemark(MonthPlan& plan, unsigned key, const std::string& remark);
