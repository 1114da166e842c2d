// The time-value fuzz target's checks on edge inputs of any length: each text
// lies in a heap buffer of exactly its size, so the sanitizer build catches any
// read or write past it. A failed check aborts with the input's description.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/time_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Fuzz(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

} // namespace

TEST(ParseFuzz, EdgeInputs)
{
    for (const char* e :
         {"", "-", "--", "-,", "\xFF", "\t8:30", "8:-30", "8, 5", "+8:30", "1..2002", "9999999999,9999999999",
          "-2147483648", "2147483647:59", "0,99999999999", "35791394:14", "-35791394:09"})
        Fuzz(e);
    const std::string d(1000, '9');
    for (const std::string& e : {d, "-" + d, d + ":" + d, d + "," + d, "8," + d, "8:" + d, "1.1." + d,
                                 d + "." + d + "." + d, std::string(500, ','), std::string(300, '-')})
        Fuzz(e);
    // 2147483647 minutes is the same number in both domains; in hours it is
    // the value that stands for "not computable".
    std::string limit = "35791394:07";
    EXPECT_EQ(ParseTime(&limit[0]), 2147483647);
    EXPECT_EQ(ParseHours(&limit[0]), NO_HOURS);
    // Digits past the ninth of a part change nothing.
    std::string fraction = "7,5001234567" + d;
    EXPECT_EQ(ParseHours(&fraction[0]), 450);
}

// The input's first four bytes as a value: what FormatTime and FormatHours (both
// formats) write reads back unchanged; as a date (day, month - 1, year - 1000):
// FormatEntryDate, ParseDate and DateKey agree.
TEST(ParseFuzz, RoundTrips)
{
    auto bytes = [](std::uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    for (std::int32_t v = -1440; v <= 1440; ++v)
        Fuzz(bytes(static_cast<std::uint32_t>(v)));
    for (std::int32_t v : {2147483646, -2147483640, 32766, 600000, -600001})
        Fuzz(bytes(static_cast<std::uint32_t>(v)));
    for (std::uint32_t year : {1000u, 1999u, 2000u, 2002u, 2100u, 9999u})
        for (std::uint32_t month = 0; month < 12; ++month)
            for (std::uint32_t day = 1; day <= 31; ++day)
                Fuzz(bytes(day | month << 8 | (year - 1000) << 16));
}
