#pragma once
// Byte-level rules shared by the profile engine's parser and its readers:
// what counts as white space and how names compare. Files are Windows-1252.
// Inline: every key read runs them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// 0x09..0x0D, 0x1A (^Z, left by old editors at the end of a file) and the space.
// 0xA0 (no-break space) is an ordinary character.
constexpr bool IsProfileBlank(unsigned char c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

inline std::string_view TrimLeadingProfileBlanks(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsProfileBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    return text.substr(begin);
}

inline std::string_view TrimTrailingProfileBlanks(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && IsProfileBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(0, end);
}

inline std::string_view TrimProfileBlanks(std::string_view text)
{
    return TrimTrailingProfileBlanks(TrimLeadingProfileBlanks(text));
}

// Lower case of each Windows-1252 letter (A-Z, À-Þ without ×, Š Œ Ž Ÿ), so
// that names compare case-insensitively the way the system's ANSI functions do.
constexpr std::array<unsigned char, 256> MakeProfileFoldTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7)
            table[c] = static_cast<unsigned char>(c + 0x20); // 0xD7 is the multiplication sign
    }
    table[0x8A] = 0x9A; // Š
    table[0x8C] = 0x9C; // Œ
    table[0x8E] = 0x9E; // Ž
    table[0x9F] = 0xFF; // Ÿ
    return table;
}

inline constexpr std::array<unsigned char, 256> kProfileFold = MakeProfileFoldTable();

// Whether two names are equal after folding, without building folded copies.
inline bool SameProfileName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] &&
            kProfileFold[static_cast<unsigned char>(a[i])] != kProfileFold[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

// A hash of the folded name (FNV-1a): names that are the same after folding
// hash alike, so a scan compares two numbers before it compares names.
inline std::uint32_t ProfileNameHash(std::string_view name)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ kProfileFold[static_cast<unsigned char>(c)]) * 16777619u;
    return hash;
}

// Reading a value removes the blanks at its ends and then one pair of
// matching quotes around it ('...' or "..."). A text that has such a pair is
// written inside one more pair of double quotes, so that it reads back with
// its quotes; the reader needs room for the two. Any other text is written
// without the blanks at its ends, as it reads back, so that writing a value
// read from the file again changes no byte.
inline std::string QuotedProfileText(std::string_view text)
{
    const std::string_view trimmed = TrimProfileBlanks(text);
    const bool quoted =
        trimmed.size() >= 2 && (trimmed.front() == '"' || trimmed.front() == '\'') && trimmed.back() == trimmed.front();
    return quoted ? "\"" + std::string(text) + "\"" : std::string(trimmed);
}
