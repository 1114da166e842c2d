#pragma once
// "Kommen" and "Gehen" recorded from what the Windows session tells the
// program: its start at logon, the session locked and unlocked, and its end.
// Every record keeps the rules of the commands and is told as a tray notice,
// never in a message box.
#include <optional>
#include <string>
#include <vector>

#include "core/time_values.h"

class FrameCore;
struct Settings;

enum class SessionEvent { Start, Logon, Lock, Unlock, End };

// The options of the page "Automatik".
struct SessionRules {
    bool arrival = false;   // "Kommen bei Anmeldung und Entsperren"
    bool departure = false; // "Gehen beim Sperren und Abmelden"
    bool lockBreak = false; // "Sperren zählt als Pause ab ... Minuten"
    int breakMinutes = 15;

    bool Any() const { return arrival || departure || lockBreak; }
};
SessionRules SessionRulesOf(const Settings& settings);

// What the decision needs to know of a day's entries.
struct SessionDay {
    bool hasEntry = false; // besides the day's placeholder
    bool open = false;     // an entry without "Gehen"
};

// One record to make: "Kommen" or "Gehen" on the moment's day, at its clock
// time before the travel-time correction.
struct SessionStamp {
    bool arrival = false;
    LocalTime at{};
};

// What an event at now records. lockedAt is the moment of the lock while
// the session is locked; lockDay describes the lock's day, today now's day.
std::vector<SessionStamp> DecideSessionStamps(const SessionRules& rules, SessionEvent event, const LocalTime& now,
                                              const std::optional<LocalTime>& lockedAt, const SessionDay& lockDay,
                                              const SessionDay& today);

class SessionCapture {
public:
    explicit SessionCapture(FrameCore& frame) : frame_(frame) {}

    // Records what the event asks for and tells it at the tray icon.
    void Handle(SessionEvent event);
    // Whether the session is locked and the lock will be decided at its end.
    bool Locked() const { return lockedAt_.has_value(); }

private:
    SessionDay DayFacts(const LocalTime& day);
    void Record(const std::vector<SessionStamp>& stamps);

    FrameCore& frame_;
    std::optional<LocalTime> lockedAt_;
};

// "Kommen um 08:02 automatisch erfasst."; the date is named when it is not today's.
std::string SessionNotice(const SessionStamp& stamp, TimeValue stored, const LocalTime& now);
