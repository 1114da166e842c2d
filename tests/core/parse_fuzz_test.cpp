// The parsers take any text of any length. Each input lives in a heap buffer
// of exactly its size, so the sanitizer build catches any read or write past it.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <random>
#include <vector>
#include <string>

#include "core/entry_record.h"
#include "core/time_values.h"

namespace {

std::unique_ptr<char[]> ExactCopy(const std::string& text)
{
    std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    return buffer;
}

// The code a text stands for by its first character(s), or -1.
int CodeKindOf(const std::string& text)
{
    static const std::string letters = "*.FGKUZ";
    static const int kinds[] = {DirectHours, EmptyDay, PublicHoliday, FlexiDay, SickDay, Vacation, AccountCorrection};
    if (text.compare(0, 2, "--") == 0)
        return MissingDay;
    const std::size_t at = text.empty() ? std::string::npos : letters.find(text[0]);
    return at == std::string::npos ? -1 : kinds[at];
}

// Runs every parser over one text and checks what holds for any input.
void CheckParsers(const std::string& text)
{
    auto timeText = ExactCopy(text);
    auto hoursText = ExactCopy(text);
    const TimeValue t = ParseTime(timeText.get());
    const HoursValue h = ParseHours(hoursText.get());

    // Only a leading single minus is rewritten, to "0".
    std::string expectedAfter = text;
    if (text.size() >= 1 && text[0] == '-' && (text.size() == 1 || text[1] != '-'))
        expectedAfter[0] = '0';
    ASSERT_EQ(std::memcmp(timeText.get(), expectedAfter.c_str(), text.size() + 1), 0);
    ASSERT_EQ(std::memcmp(hoursText.get(), expectedAfter.c_str(), text.size() + 1), 0);

    const int kind = CodeKindOf(text);
    if (kind >= 0) {
        ASSERT_EQ(t, TimeCode(static_cast<EntryKind>(kind)));
        ASSERT_EQ(h, HoursCode(static_cast<EntryKind>(kind)));
    } else if (text.empty() || text[0] == '?') {
        ASSERT_EQ(t, NO_TIME);
        ASSERT_EQ(h, NO_HOURS);
    } else {
        ASSERT_EQ(t, h); // one algorithm, only the codes differ
    }

    auto dateText = ExactCopy(text);
    EntryRecord record;
    const unsigned year = ParseDate(dateText.get(), record);
    ASSERT_EQ(year, record.year);
    ASSERT_GE(record.month, 1u);
    ASSERT_LE(record.month, 12u);
    ASSERT_EQ(std::memcmp(dateText.get(), text.c_str(), text.size() + 1), 0);
}

} // namespace

TEST(ParseFuzz, EdgeInputs)
{
    const char* const shortEdges[] = {"",      "-",    "--",    "?",        ",",  ":",      ".",      "-,",
                                      "-:",    ",,,,", "\xFF",  "\x80\x81", " ",  "\t8:30", "8:-30",  "8,-5",
                                      "8: 30", "8, 5", "+8:30", "8:+30",    "..", "31.12.", "1..2002"};
    const char* const numbers[] = {"9999999999,9999999999", "-2147483648",   "2147483647:59", "35791394:07",
                                   "0,99999999999",         "-0,0000000001", "1111111111"};
    const std::string d(1000, '9');
    std::vector<std::string> edges = {
        d,        "-" + d,    d + ":" + d,           d + "," + d,           "8," + d,
        "8:" + d, "1.1." + d, d + "." + d + "." + d, std::string(500, ','), std::string(300, '-')};
    edges.insert(edges.end(), std::begin(shortEdges), std::end(shortEdges));
    edges.insert(edges.end(), std::begin(numbers), std::end(numbers));
    for (const std::string& e : edges) {
        SCOPED_TRACE(e.substr(0, 40));
        CheckParsers(e);
    }
    // Digits past the ninth of a part change nothing.
    EXPECT_EQ(ParseHours(ExactCopy("8:123456789" + d).get()), ParseHours(ExactCopy("8:123456789").get()));
    EXPECT_EQ(ParseHours(ExactCopy("7,5001234567" + d).get()), 450);
}

TEST(ParseFuzz, GeneratedInputs)
{
    static const char alphabet[] = "0123456789012345678901234567890123456789,,,::..--??  \t*FGKUZfgkuzx\xE4\xFF\x80";
    const unsigned alphabetSize = sizeof alphabet - 1;
    std::mt19937 rng(0x5713d3e7u);
    for (int i = 0; i < 300000; ++i) {
        // Mostly short texts, now and then long ones.
        const unsigned length = rng() % 16 == 0 ? rng() % 200 : rng() % 14;
        std::string text;
        for (unsigned k = 0; k < length; ++k)
            text += alphabet[rng() % alphabetSize];
        CheckParsers(text);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "input: \"" << text << "\"";
            return;
        }
    }
}
