#include "ini/profile_values.h"

#include <cstring>

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

} // namespace

std::string_view UnquoteProfileValue(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

unsigned CopyProfileValue(std::string_view value, char* buffer, unsigned size)
{
    std::string_view text = UnquoteProfileValue(value);
    std::size_t count = text.size() < size - 1 ? text.size() : size - 1;
    if (count > 0)
        std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<unsigned>(count);
}

unsigned CopyProfileDefault(const char* defaultValue, char* buffer, unsigned size)
{
    std::string_view text = defaultValue ? std::string_view(defaultValue) : std::string_view();
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return CopyProfileValue(text, buffer, size);
}

unsigned CopyProfileNameList(const std::vector<std::string_view>& names, char* buffer, unsigned size)
{
    std::size_t needed = 0;
    for (std::string_view name : names)
        needed += name.size() + 1;
    if (needed + 1 < size) {
        char* out = buffer;
        for (std::string_view name : names) {
            if (!name.empty())
                std::memcpy(out, name.data(), name.size());
            out += name.size();
            *out++ = '\0';
        }
        *out = '\0';
        return static_cast<unsigned>(needed);
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::size_t room = size - 2;
    std::size_t written = 0;
    for (std::string_view name : names) {
        if (written == room)
            break;
        std::size_t part = name.size() < room - written ? name.size() : room - written;
        if (part > 0)
            std::memcpy(buffer + written, name.data(), part);
        written += part;
        if (written == room)
            break;
        buffer[written++] = '\0';
    }
    buffer[room] = '\0';
    buffer[room + 1] = '\0';
    return static_cast<unsigned>(room);
}

std::uint32_t ParseProfileInt(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= 0x20)
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos + 1 < text.size() && text[pos] == '0') {
        char prefix = text[pos + 1];
        if (prefix == 'x')
            base = 16;
        if (prefix == 'o')
            base = 8;
        if (prefix == 'b')
            base = 2;
        if (base != 10)
            pos += 2;
    }
    std::uint32_t value = 0;
    for (; pos < text.size(); ++pos) {
        int digit = DigitValue(text[pos]);
        if (digit >= base)
            break;
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    return negative ? 0u - value : value;
}
