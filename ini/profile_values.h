#pragma once
// How the private-profile functions hand values to the caller: copying into a
// fixed buffer, quote removal, name lists and the integer reading.
#include <cstdint>
#include <string_view>
#include <vector>

// The value as the caller gets it: one pair of matching surrounding quotes removed.
std::string_view UnquoteProfileValue(std::string_view value);

// Copies a value found in the file into buffer (size > 0): one pair of
// matching surrounding quotes removed, cut to size-1 characters, terminated.
// Returns the number of characters copied.
unsigned CopyProfileValue(std::string_view value, char* buffer, unsigned size);

// The same for the caller's default: null is empty, trailing spaces go first.
unsigned CopyProfileDefault(const char* defaultValue, char* buffer, unsigned size);

// Key or section names, each zero-terminated, with a second zero at the end.
// When they do not fit the last name is cut, two zeros follow, and the
// result is size-2.
unsigned CopyProfileNameList(const std::vector<std::string_view>& names, char* buffer, unsigned size);

// The number in a value as GetPrivateProfileIntA reads it: leading bytes up
// to 0x20 skipped, an optional sign, an optional 0x/0o/0b prefix, digits of
// that base up to the first other byte, wrapping modulo 2^32.
std::uint32_t ParseProfileInt(std::string_view text);
