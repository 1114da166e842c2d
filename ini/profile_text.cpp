#include "ini/profile_text.h"

#include <array>

namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable()
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

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

} // namespace

std::string_view TrimLeadingProfileBlanks(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsProfileBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    return text.substr(begin);
}

std::string_view TrimTrailingProfileBlanks(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && IsProfileBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(0, end);
}

std::string_view TrimProfileBlanks(std::string_view text)
{
    return TrimTrailingProfileBlanks(TrimLeadingProfileBlanks(text));
}

std::string FoldProfileName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
    return folded;
}
