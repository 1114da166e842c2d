#pragma once
// The side button bar of the frame: "Einträge" and "Zeitpläne".
#include <windows.h>

#include <memory>

#include "controls/bb_control.h"

constexpr int BUTTON_BAR_WIDTH = 90;
// Group 0 and the items of group 1 that need an open month plan.
constexpr int ENTRIES_GROUP = 0;
constexpr int PLANS_GROUP = 1;
constexpr int PLAN_ITEMS[] = {2, 3, 5}; // "Schließen", "Alle schlßn.", "Drucken"

struct ButtonBarRelease {
    void operator()(BBControl* bar) const { BBControl::ReleaseInstance(bar); }
};
using ButtonBarPtr = std::unique_ptr<BBControl, ButtonBarRelease>;

struct ButtonBarPlace {
    int toolBarHeight;
    int statusBarHeight;
};

// Creates the bar in frame, below the tool bar and above the status bar,
// with its buttons enabled as planOpen says. Release any earlier bar first:
// there is one per process.
ButtonBarPtr CreateButtonBar(HWND frame, const ButtonBarPlace& place, COLORREF background, bool planOpen);

// Enables or disables what needs an open month plan.
void EnablePlanButtons(BBControl& bar, bool planOpen);
