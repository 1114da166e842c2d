#pragma once
// Section and key names of a month plan file.

inline constexpr const char* SECTION_MAIN = "MAIN";
inline constexpr const char* KEY_MONTH = "Month";
inline constexpr const char* KEY_YEAR = "Year";
inline constexpr const char* KEY_ACCOUNT = "Account";

inline constexpr const char* KEY_DAY = "Day";
inline constexpr const char* KEY_COME = "Come";
inline constexpr const char* KEY_GO = "Go";
inline constexpr const char* KEY_INFO = "Info";
inline constexpr const char* KEY_WORKTIME = "WorkTime";
inline constexpr const char* KEY_SALDO = "Saldo";
inline constexpr const char* KEY_NOSALDO = "NoSaldo";

inline constexpr const char* NO_HOURS_TEXT = "2147483647";

// Positions are 16 bits of an entry key; no day holds more.
constexpr unsigned MAX_POSITION = 0xFFFF;
