#pragma once
// The seeded source of everything a random run decides: which command comes
// next and what a dialog field gets. One seed gives one sequence on every
// platform (mt19937 is fixed by the standard; no distributions are used).
#include <cstdint>
#include <random>
#include <string>

enum class FieldKind { Date, Time, Hours, Count, Year, Remark };

class RandomInput {
public:
    explicit RandomInput(std::uint32_t seed) : engine_(seed) {}

    // 0 .. count-1.
    unsigned Below(unsigned count) { return static_cast<unsigned>(engine_() % count); }
    bool Chance(unsigned percent) { return Below(100) < percent; }
    // A field's new text: the text it has, a plausible value of its kind,
    // or one of the texts no field means (empty, overlong, letters, code
    // letters, dates and times that do not exist, Windows-1252 umlauts).
    // month and year are the open period's, for plausible dates.
    std::string Field(FieldKind kind, const std::string& current, unsigned month, unsigned year);

private:
    std::string Plausible(FieldKind kind, unsigned month, unsigned year);
    std::string Nonsense();

    std::mt19937 engine_;
};
