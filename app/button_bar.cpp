#include "app/button_bar.h"

#include "resources/resource_ids.h"

namespace {

struct BarItem {
    const char* text;
    int icon;
    int command;
};

constexpr BarItem ENTRY_ITEMS[] = {
    {"Kommen", IDI_BB_15, CMD_RECORD_ARRIVAL},     {"Gehen", IDI_BB_16, CMD_RECORD_DEPARTURE},
    {"Bearbeiten", IDI_BB_4, CMD_EDIT_ENTRY},      {"Arbeitstag", IDI_BB_14, CMD_ENTER_WORK_TIME},
    {"Gleittag", IDI_BB_3, CMD_ENTER_FLEXI_DAY},   {"Urlaub", IDI_BB_13, CMD_ENTER_VACATION},
    {"Krankheit", IDI_BB_12, CMD_ENTER_SICK_DAYS}, {"Feiertag", IDI_BB_11, CMD_ENTER_HOLIDAY},
};

constexpr BarItem PLAN_FILE_ITEMS[] = {
    {"Neu", IDI_BB_9, CMD_NEW_MONTH_PLAN},
    {"Öffnen", IDI_BB_7, CMD_OPEN_MONTH_PLAN},
    {"Schließen", IDI_BB_6, CMD_CLOSE_MONTH_PLAN},
    {"Alle schlßn.", IDI_BB_17, CMD_CLOSE_ALL},
    {"Blättern", IDI_BB_18, CMD_ACTIVATE_PREVIOUS_CHILD},
    {"Drucken", IDI_BB_5, CMD_PRINT},
};

template <std::size_t N>
void AddGroup(BBControl& bar, int group, const char* caption, const BarItem (&items)[N])
{
    bar.AddGroup(caption, 0, 0);
    for (const BarItem& item : items)
        bar.AddItem(group, item.text, MAKEINTRESOURCEA(item.icon), item.command);
}

} // namespace

ButtonBarPtr CreateButtonBar(HWND frame, const ButtonBarPlace& place, COLORREF background, bool planOpen)
{
    RECT client{};
    GetClientRect(frame, &client);
    ButtonBarPtr bar(BBControl::GetInstance());
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(frame, GWLP_HINSTANCE));
    bar->Create(instance, frame, 0, place.toolBarHeight, BUTTON_BAR_WIDTH,
                client.bottom - (place.toolBarHeight + place.statusBarHeight));
    bar->SetBackgroundColour(background);
    bar->SetTextColour(0);
    AddGroup(*bar, ENTRIES_GROUP, "Einträge", ENTRY_ITEMS);
    AddGroup(*bar, PLANS_GROUP, "Zeitpläne", PLAN_FILE_ITEMS);
    EnablePlanButtons(*bar, planOpen);
    bar->ShowBar();
    return bar;
}

void EnablePlanButtons(BBControl& bar, bool planOpen)
{
    bar.EnableGroup(ENTRIES_GROUP, planOpen);
    for (int item : PLAN_ITEMS)
        bar.EnableItem(PLANS_GROUP, item, planOpen);
}
