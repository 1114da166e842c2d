#pragma once
// What an entry-editing dialog showed as it opened. The tray, the day timer
// and stundwerk-cli may change the same entry while the dialog is open; the
// dialog's OK writes over the entry only while the file still holds what it
// showed, so that no change made meanwhile is lost unseen.
#include "core/entry_record.h"

class MonthPlan;

inline constexpr const char* ENTRY_CHANGED_MEANWHILE =
    "Der Eintrag wurde inzwischen geändert, während dieser Dialog geöffnet war.\n\n"
    "Der Dialog zeigt jetzt den gespeicherten Stand des Eintrags. Bitte prüfen Sie ihn "
    "und geben Sie Ihre Änderungen gegebenenfalls erneut ein.";

class OpenedEntry {
public:
    // Reads the entry at key (day | position << 16); key 0 is a new entry,
    // which no other change can overwrite.
    OpenedEntry(MonthPlan& plan, unsigned key);

    // True when the entry at the key still holds what the dialog showed.
    // Otherwise refreshes the list, tells the user (title "Hinweis") and
    // returns false: the dialog then shows the entry as it is now and stays
    // open.
    bool StillAsShown(MonthPlan& plan) const;

private:
    unsigned key_;
    bool exists_ = false;
    EntryRecord shown_;
};
