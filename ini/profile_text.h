#pragma once
// Byte-level rules shared by the profile engine's parser and its readers:
// what counts as white space and how names compare. Files are Windows-1252.
#include <string>
#include <string_view>

// 0x09..0x0D, 0x1A (^Z, left by old editors at the end of a file) and the space.
// 0xA0 (no-break space) is an ordinary character.
constexpr bool IsProfileBlank(unsigned char c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

std::string_view TrimProfileBlanks(std::string_view text);
std::string_view TrimLeadingProfileBlanks(std::string_view text);
std::string_view TrimTrailingProfileBlanks(std::string_view text);

// Lower-cases the letters of Windows-1252 (A-Z, À-Þ without ×, Š Œ Ž Ÿ), so
// that names compare case-insensitively the way the system's ANSI functions do.
std::string FoldProfileName(std::string_view name);
