#include "app/frame_geometry.h"

#include <cstdio>

#include "ini/profile_batch.h"
#include "ini/profile_store.h"

namespace {

constexpr const char* SECTION_WINDOW = "Window";

bool VisibleOnSomeMonitor(const RECT& rect)
{
    return rect.right > rect.left && rect.bottom > rect.top && MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

} // namespace

RECT ReadFrameGeometry(ProfileStore& store, const char* settingsPath, const RECT& defaults)
{
    auto read = [&](const char* key, LONG fallback) {
        return static_cast<LONG>(store.ReadInt(SECTION_WINDOW, key, fallback, settingsPath));
    };
    const LONG left = read("Left", defaults.left);
    const LONG top = read("Top", defaults.top);
    const LONG width = read("Width", defaults.right - defaults.left);
    const LONG height = read("Height", defaults.bottom - defaults.top);
    const RECT stored{left, top, left + width, top + height};
    return VisibleOnSomeMonitor(stored) ? stored : defaults;
}

void WriteFrameGeometry(ProfileStore& store, const char* settingsPath, const RECT& rect)
{
    const struct {
        const char* key;
        LONG value;
    } values[] = {
        {"Left", rect.left},
        {"Top", rect.top},
        {"Width", rect.right - rect.left},
        {"Height", rect.bottom - rect.top},
    };
    ProfileBatch batch(store);
    for (const auto& value : values) {
        char text[16];
        std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value.value));
        store.WriteString(SECTION_WINDOW, value.key, text, settingsPath);
    }
}
