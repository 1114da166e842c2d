// The frame's settings file, shared with other processes (stundwerk-cli
// books days and changes the day counters while the program runs).
#include "core/frame_core.h"
#include "core/settings_file.h"

void FrameCore::ReadSettingsFile()
{
    LoadSettings(store_, settings_);
    asRead_ = settings_;
}

bool FrameCore::SaveSettingsFile()
{
    if (!SaveSettingsChanges(store_, settings_, asRead_))
        return false;
    asRead_ = settings_;
    return true;
}

void FrameCore::RefreshSettingsFile()
{
    Settings file = settings_;
    LoadSettings(store_, file);
    auto takeOver = [](std::uint32_t& value, std::uint32_t& asRead, std::uint32_t inFile) {
        if (value == asRead)
            value = inFile;
        asRead = inFile;
    };
    takeOver(settings_.Holidays, asRead_.Holidays, file.Holidays);
    takeOver(settings_.Sickdays, asRead_.Sickdays, file.Sickdays);
    takeOver(settings_.GDays, asRead_.GDays, file.GDays);
}
