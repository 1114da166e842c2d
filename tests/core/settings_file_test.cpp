// stundwrk.ini through the portable engine: defaults, the exact text written,
// round trips, mended values, damaged files and the path helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "core/profile_engine.h"
#include "core/settings_file.h"
#include "tests/core/temp_folder.h"

namespace {

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

class SettingsFile : public ::testing::Test {
protected:
    Settings Load()
    {
        Settings loaded;
        std::snprintf(loaded.SettingsPath, sizeof loaded.SettingsPath, "%s", file.c_str());
        ProfileEngine engine;
        LoadSettings(engine, loaded);
        return loaded;
    }
    Settings LoadFrom(const std::string& content)
    {
        WriteBytes(file, content);
        return Load();
    }

    TempFolder folder;
    std::string file = folder.File("stundwrk.ini");
    std::string folderWithSeparator = folder.path().string() + kSep;
};

void ExpectDefaults(const Settings& s, const std::string& workingDir)
{
    const Settings d;
    EXPECT_EQ(s.Holidays, d.Holidays);
    EXPECT_EQ(s.Sickdays, d.Sickdays);
    EXPECT_EQ(s.GDays, d.GDays);
    EXPECT_EQ(s.HoursPerDay, 456);
    EXPECT_EQ(s.RestPerDay, 30);
    EXPECT_EQ(s.RestTime, 360);
    EXPECT_EQ(s.RestPerDay2, 0);
    EXPECT_EQ(s.RestTime2, 0);
    EXPECT_EQ(s.MaxTime, 1440);
    EXPECT_EQ(s.TimeLag, 0);
    EXPECT_EQ(s.WorkDays, 31u);
    EXPECT_EQ(s.StartDay, 1u);
    EXPECT_EQ(s.WWorkTime, 600);
    EXPECT_EQ(s.WAccount, 6000);
    EXPECT_EQ(s.OpenMonth, 0u);
    EXPECT_EQ(s.SelectDay, 1u);
    EXPECT_EQ(s.AutoTimer, 1u);
    EXPECT_EQ(s.Separate, 1u);
    EXPECT_EQ(s.WarnWorkTime, 0u);
    EXPECT_EQ(s.WarnAccount, 0u);
    EXPECT_EQ(s.CheckMissings, 1u);
    EXPECT_EQ(s.Icons, 1u);
    EXPECT_EQ(s.Extern, 0u);
    EXPECT_EQ(s.ComFormat, 0u);
    EXPECT_EQ(s.WorkTimeRests, 0u);
    EXPECT_EQ(s.ColorStripes, 16773087u);
    EXPECT_EQ(s.ColorFreeDays, 255u);
    EXPECT_EQ(s.ExportFields, 17u);
    EXPECT_EQ(std::string(s.WorkingDir), workingDir);
    EXPECT_STREQ(s.HeadLine1, "Stundwerk - Monats\xFC"
                              "bersicht");
    EXPECT_STREQ(s.HeadLine2, "Name:");
    EXPECT_STREQ(s.HeadLine3, "Personalnummer:");
}

TEST_F(SettingsFile, EmptyOrMissingFileGivesDefaults)
{
    ExpectDefaults(Load(), folderWithSeparator);
    ExpectDefaults(LoadFrom(""), folderWithSeparator);
}

TEST_F(SettingsFile, DefaultsAreWrittenInOrderAndFormat)
{
    Settings s;
    std::snprintf(s.SettingsPath, sizeof s.SettingsPath, "%s", file.c_str());
    std::snprintf(s.WorkingDir, sizeof s.WorkingDir, "C:\\Zeit\\");
    ProfileEngine engine;
    EXPECT_TRUE(SaveSettings(engine, s));
    EXPECT_EQ(ReadBytes(file),
              "[Options]\r\nStartDay=1\r\nGDays=0\r\nSickdays=0\r\nHolidays=30\r\nHoursPerDay=456\r\n"
              "RestPerDay=30\r\nRestTime=360\r\nRestPerDay2=0\r\nRestTime2=0\r\nMaxTime=1440\r\nWorkDays=31\r\n"
              "TimeLag=0\r\nWWorkTime=600\r\nWAccount=6000\r\nOpenMonth=0\r\nSelectDay=1\r\nSeparate=1\r\n"
              "AutoTimer=1\r\nWarnWorkTime=0\r\nWarnAccount=0\r\nCheckMissings=1\r\nIcons=1\r\nExtern=0\r\n"
              "ComFormat=0\r\nWorkTimeRests=0\r\nWorkingDir=C:\\Zeit\\\r\n"
              "HeadLine1=Stundwerk - Monats\xFC"
              "bersicht\r\nHeadLine2=Name:\r\nHeadLine3=Personalnummer:\r\n"
              "ColorStripes=16773087\r\nColorFreeDays=255\r\nExportFields=17\r\n");
}

TEST_F(SettingsFile, SavedValuesLoadBack)
{
    Settings s;
    std::snprintf(s.SettingsPath, sizeof s.SettingsPath, "%s", file.c_str());
    s.Holidays = 12;
    s.Sickdays = 3;
    s.GDays = 4;
    s.HoursPerDay = 480;
    s.RestPerDay = 45;
    s.RestTime = 540;
    s.RestPerDay2 = 15;
    s.RestTime2 = 600;
    s.MaxTime = 600;
    s.TimeLag = -5;
    s.WorkDays = 0x7F;
    s.StartDay = 16;
    s.WWorkTime = -30;
    s.WAccount = -6000;
    s.OpenMonth = 1;
    s.SelectDay = 0;
    s.Separate = 0;
    s.WarnWorkTime = 1;
    s.WarnAccount = 1;
    s.CheckMissings = 0;
    s.Icons = 0;
    s.Extern = 1;
    s.ComFormat = 1;
    s.WorkTimeRests = 1;
    s.ColorStripes = 0xFFFFFFFF;
    s.ColorFreeDays = 0x00FF00;
    s.ExportFields = 0x1FF;
    std::snprintf(s.WorkingDir, sizeof s.WorkingDir, "D:\\Pl\xE4ne\\");
    std::snprintf(s.HeadLine1, sizeof s.HeadLine1, "%s", std::string(69, 'x').c_str());
    std::snprintf(s.HeadLine2, sizeof s.HeadLine2, "Name: M\xFCller");
    std::snprintf(s.HeadLine3, sizeof s.HeadLine3, "Nr. 0815");
    ProfileEngine engine;
    ASSERT_TRUE(SaveSettings(engine, s));
    EXPECT_NE(ReadBytes(file).find("TimeLag=-5\r\n"), std::string::npos);
    EXPECT_NE(ReadBytes(file).find("ColorStripes=-1\r\n"), std::string::npos);
    Settings loaded = Load();
    EXPECT_EQ(std::memcmp(&loaded, &s, sizeof s), 0) << "every field, every byte of the texts";
}

TEST_F(SettingsFile, AutoTimerIsNeverLoaded)
{
    EXPECT_EQ(LoadFrom("[Options]\r\nAutoTimer=0\r\n").AutoTimer, 1u);
}

TEST_F(SettingsFile, OutOfRangeNumbersAreMended)
{
    struct Row {
        const char* line;
        std::function<std::int64_t(const Settings&)> field;
        std::int64_t expected;
    };
    const Row rows[] = {
        {"StartDay=0", [](const Settings& s) { return s.StartDay; }, 1},
        {"StartDay=32", [](const Settings& s) { return s.StartDay; }, 1},
        {"StartDay=31", [](const Settings& s) { return s.StartDay; }, 31},
        {"StartDay=-1", [](const Settings& s) { return s.StartDay; }, 1},
        {"WorkDays=255", [](const Settings& s) { return s.WorkDays; }, 0x7F},
        {"WorkDays=0", [](const Settings& s) { return s.WorkDays; }, 0},
        {"HoursPerDay=-1", [](const Settings& s) { return s.HoursPerDay; }, 456},
        {"HoursPerDay=1441", [](const Settings& s) { return s.HoursPerDay; }, 456},
        {"HoursPerDay=1440", [](const Settings& s) { return s.HoursPerDay; }, 1440},
        {"RestPerDay=99999", [](const Settings& s) { return s.RestPerDay; }, 30},
        {"RestTime=4294967295", [](const Settings& s) { return s.RestTime; }, 360},
        {"RestPerDay2=2000", [](const Settings& s) { return s.RestPerDay2; }, 0},
        {"RestTime2=-60", [](const Settings& s) { return s.RestTime2; }, 0},
        {"MaxTime=2147483647", [](const Settings& s) { return s.MaxTime; }, 1440},
        {"MaxTime=0", [](const Settings& s) { return s.MaxTime; }, 0},
        {"TimeLag=-5", [](const Settings& s) { return s.TimeLag; }, -5},
        {"TimeLag=-1441", [](const Settings& s) { return s.TimeLag; }, 0},
        {"TimeLag=1440", [](const Settings& s) { return s.TimeLag; }, 1440},
        {"WWorkTime=-99999", [](const Settings& s) { return s.WWorkTime; }, -99999},
        {"WAccount=4294967295", [](const Settings& s) { return s.WAccount; }, -1},
        {"Holidays=4294967295", [](const Settings& s) { return s.Holidays; }, 4294967295},
        {"Icons=7", [](const Settings& s) { return s.Icons; }, 7},
        {"ColorStripes=abc", [](const Settings& s) { return s.ColorStripes; }, 0},
        {"ExportFields=-1", [](const Settings& s) { return s.ExportFields; }, 4294967295},
        {"WorkingDir=", [](const Settings& s) { return std::strlen(s.WorkingDir) > 0; }, 1},
    };
    for (const Row& row : rows) {
        Settings s = LoadFrom(std::string("[Options]\r\n") + row.line + "\r\n");
        EXPECT_EQ(row.field(s), row.expected) << row.line;
    }
}

TEST_F(SettingsFile, LongTextsAreCutToTheirFields)
{
    Settings s = LoadFrom("[Options]\r\nHeadLine1=" + std::string(500, 'h') +
                          "\r\nWorkingDir=" + std::string(600, 'w') + "\r\n");
    EXPECT_EQ(std::string(s.HeadLine1), std::string(69, 'h'));
    EXPECT_EQ(std::string(s.WorkingDir), std::string(255, 'w'));
}

TEST_F(SettingsFile, DamagedFilesReadAsDefaults)
{
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    std::string thousandKeys = "[Options]\r\n";
    for (int i = 0; i < 1000; ++i)
        thousandKeys += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    const std::string damaged[] = {
        junk,
        std::string(1024 * 1024, 'x'),
        "[Options]\r\nWorkingDir" + std::string(1024 * 1024, '=') + "\r\n",
        "[Window]\r\nLeft=1\r\n[Custom]\r\nOpenMode=1\r\n",
        "[Options\r\nStartDay=5\r\n",
        thousandKeys,
        std::string("\0\0\0[Options]\0StartDay=9\0", 24),
    };
    for (const std::string& content : damaged) {
        Settings s = LoadFrom(content);
        const Settings d;
        EXPECT_EQ(s.StartDay, d.StartDay);
        EXPECT_EQ(s.HoursPerDay, d.HoursPerDay);
        EXPECT_EQ(s.WorkDays, d.WorkDays);
        EXPECT_STREQ(s.HeadLine2, d.HeadLine2);
    }
}

TEST(SettingsWorkDays, WeekdayBits)
{
    struct Row {
        std::uint32_t mask;
        unsigned weekday;
        bool expected;
    };
    const Row rows[] = {
        {31, 0, false},  {31, 1, true},   {31, 5, true},   {31, 6, false}, {127, 6, true},  {127, 0, true},
        {0x40, 0, true}, {0x01, 1, true}, {0x20, 6, true}, {0, 3, false},  {127, 7, false}, {127, 4000000000u, false},
    };
    for (const Row& row : rows) {
        Settings s;
        s.WorkDays = row.mask;
        EXPECT_EQ(IsWorkDay(s, static_cast<int>(row.weekday)) != 0, row.expected)
            << "mask " << row.mask << " weekday " << row.weekday;
    }
}

TEST(SettingsPaths, BesideTheProgram)
{
    struct Row {
        const char* modulePath;
        const char* directory;
        const char* settingsFile;
        const char* workingDir;
    };
    const Row rows[] = {
#ifdef _WIN32
        {"C:\\Programme\\Stundwerk\\Stundwerk.exe", "C:\\Programme\\Stundwerk\\",
         "C:\\Programme\\Stundwerk\\stundwrk.ini", "C:\\Programme\\Stundwerk\\"},
        {"C:\\Stundwerk.exe", "C:\\", "C:\\stundwrk.ini", "C:\\"},
        {"\\\\server\\share\\sw.exe", "\\\\server\\share\\", "\\\\server\\share\\stundwrk.ini", "\\\\server\\share\\"},
        {"C:/tools/sw.exe", "C:/tools/", "C:/tools/stundwrk.ini", "C:/tools/"},
        {"C:sw.exe", "C:\\", "C:\\stundwrk.ini", "C:\\"},
        {"sw.exe", "", "stundwrk.ini", ".\\"},
        {"", "", "stundwrk.ini", ".\\"},
        {nullptr, "", "stundwrk.ini", ".\\"},
#else
        {"/opt/stundwerk/bin/stundwerk-cli", "/opt/stundwerk/bin/", "/opt/stundwerk/bin/stundwrk.ini",
         "/opt/stundwerk/bin/"},
        {"/sw", "/", "/stundwrk.ini", "/"},
        {"bin/sw", "bin/", "bin/stundwrk.ini", "bin/"},
        {"sw", "", "stundwrk.ini", "./"},
        {"", "", "stundwrk.ini", "./"},
        {nullptr, "", "stundwrk.ini", "./"},
#endif
    };
    for (const Row& row : rows) {
        const char* name = row.modulePath ? row.modulePath : "<null>";
        EXPECT_EQ(ProgramDirectory(row.modulePath), row.directory) << name;
        EXPECT_EQ(SettingsFilePath(row.modulePath), row.settingsFile) << name;
        Settings s;
        SetSettingsPath(s, row.modulePath);
        EXPECT_STREQ(s.SettingsPath, row.settingsFile) << name;
        EXPECT_EQ(DefaultWorkingDir(s.SettingsPath), row.workingDir) << name;
    }
    Settings s;
    SetSettingsPath(s, (std::string(400, 'd') + kSep + "sw.exe").c_str());
    EXPECT_EQ(std::strlen(s.SettingsPath), sizeof s.SettingsPath - 1) << "a long path is cut, not overrun";
}

} // namespace
