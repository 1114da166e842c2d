// stundwrk.ini through the portable engine: defaults, the exact text written,
// round trips, mended values, damaged files and the path helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ini/profile_engine.h"
#include "core/settings_file.h"
#include "tests/support/temp_folder.h"

namespace {

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

const std::string kNoFile = "<missing>";

const char* const kDefaultText =
    "[Options]\r\nStartDay=1\r\nGDays=0\r\nSickdays=0\r\nHolidays=30\r\nHoursPerDay=456\r\n"
    "RestPerDay=30\r\nRestTime=360\r\nRestPerDay2=0\r\nRestTime2=0\r\nMaxTime=1440\r\nWorkDays=31\r\n"
    "TimeLag=0\r\nWWorkTime=600\r\nWAccount=6000\r\nOpenMonth=0\r\nSelectDay=1\r\nSeparate=1\r\n"
    "AutoTimer=1\r\nWarnWorkTime=0\r\nWarnAccount=0\r\nCheckMissings=1\r\nIcons=1\r\nExtern=0\r\n"
    "ComFormat=0\r\nWorkTimeRests=0\r\nWorkingDir=C:\\Zeit\\\r\n"
    "HeadLine1=Stundwerk - Monats\xFC"
    "bersicht\r\nHeadLine2=Name:\r\nHeadLine3=Personalnummer:\r\n"
    "ColorStripes=16773087\r\nColorFreeDays=255\r\nExportFields=17\r\n";

class SettingsFile : public ::testing::Test {
protected:
    Settings LoadFrom(const std::string& content)
    {
        if (content == kNoFile)
            std::filesystem::remove(file);
        else
            WriteBytes(file, content);
        Settings loaded;
        std::snprintf(loaded.SettingsPath, sizeof loaded.SettingsPath, "%s", file.c_str());
        LoadSettings(engine, loaded);
        return loaded;
    }
    // Every stored field, as the file text they are saved as.
    std::string Saved(Settings s)
    {
        std::snprintf(s.SettingsPath, sizeof s.SettingsPath, "%s", saved.c_str());
        EXPECT_TRUE(SaveSettings(engine, s));
        return ReadBytes(saved);
    }
    std::string Defaults()
    {
        Settings d;
        std::snprintf(d.WorkingDir, sizeof d.WorkingDir, "%s%c", folder.path().string().c_str(), kSep);
        return Saved(d);
    }

    TempFolder folder;
    std::string file = folder.File("stundwrk.ini");
    std::string saved = folder.File("saved.ini");
    ProfileEngine engine;
};

TEST_F(SettingsFile, DefaultsAreWrittenInOrderAndFormat)
{
    Settings s;
    std::snprintf(s.WorkingDir, sizeof s.WorkingDir, "C:\\Zeit\\");
    EXPECT_EQ(Saved(s), kDefaultText);
}

// Every field read back as it was written; AutoTimer is never loaded.
TEST_F(SettingsFile, SavedValuesLoadBack)
{
    const std::string text =
        "[Options]\r\nStartDay=16\r\nGDays=4\r\nSickdays=3\r\nHolidays=12\r\nHoursPerDay=480\r\n"
        "RestPerDay=45\r\nRestTime=540\r\nRestPerDay2=15\r\nRestTime2=600\r\nMaxTime=600\r\nWorkDays=127\r\n"
        "TimeLag=-5\r\nWWorkTime=-30\r\nWAccount=-6000\r\nOpenMonth=1\r\nSelectDay=0\r\nSeparate=0\r\n"
        "AutoTimer=1\r\nWarnWorkTime=1\r\nWarnAccount=1\r\nCheckMissings=0\r\nIcons=0\r\nExtern=1\r\n"
        "ComFormat=1\r\nWorkTimeRests=1\r\nWorkingDir=D:\\Pl\xE4ne\\\r\nHeadLine1=" +
        std::string(69, 'x') +
        "\r\nHeadLine2=Name: M\xFCller\r\nHeadLine3=Nr. 0815\r\n"
        "ColorStripes=-1\r\nColorFreeDays=65280\r\nExportFields=511\r\nNoticeRegularTime=1\r\n"
        "RecordFrom=20021207\r\nAutoArrival=1\r\nAutoDeparture=1\r\nLockBreak=1\r\nLockBreakMinutes=30\r\n"
        "MarkAutomatic=1\r\nLand=BY\r\n"
        "[Feiertage]\r\nTag1=24.12 :Heiligabend\r\nTag2=12.06.2027 :Betriebsausflug\r\n";
    EXPECT_EQ(Saved(LoadFrom(text)), text);
    std::string autoTimerOff = text;
    autoTimerOff.replace(autoTimerOff.find("AutoTimer=1"), 11, "AutoTimer=0");
    EXPECT_EQ(Saved(LoadFrom(autoTimerOff)), text);
    EXPECT_EQ(LoadFrom(text).ColorStripes, 0xFFFFFFFFu);
}

// Each line alone in [Options] loads as the value saved for it; no other field changes.
TEST_F(SettingsFile, OutOfRangeNumbersAreMended)
{
    const struct {
        const char* line;
        const char* loaded;
    } rows[] = {
        {"StartDay=0", "1"},          {"StartDay=32", "1"},       {"StartDay=31", "31"},
        {"WorkDays=255", "127"},      {"HoursPerDay=-1", "456"},  {"HoursPerDay=1441", "456"},
        {"HoursPerDay=1440", "1440"}, {"RestPerDay=99999", "30"}, {"RestTime=4294967295", "360"},
        {"RestPerDay2=2000", "0"},    {"RestTime2=-60", "0"},     {"MaxTime=2147483647", "1440"},
        {"TimeLag=-1441", "0"},       {"TimeLag=1440", "1440"},   {"WAccount=4294967295", "-1"},
        {"ColorStripes=abc", "0"},
    };
    const std::string defaults = Defaults();
    for (const auto& row : rows) {
        const std::string line = row.line, key = "\r\n" + line.substr(0, line.find('=') + 1);
        std::string expected = defaults;
        const std::size_t at = expected.find(key) + key.size();
        expected.replace(at, expected.find('\r', at) - at, row.loaded);
        EXPECT_EQ(Saved(LoadFrom("[Options]\r\n" + line + "\r\n")), expected) << line;
    }
    for (const char* lockBreak : {"LockBreakMinutes=0", "LockBreakMinutes=1441"})
        EXPECT_EQ(Saved(LoadFrom("[Options]\r\n" + std::string(lockBreak) + "\r\n")), defaults) << lockBreak;
}

TEST_F(SettingsFile, LongTextsAreCutAndAnEmptyFolderIsTheDefault)
{
    Settings s = LoadFrom("[Options]\r\nHeadLine1=" + std::string(500, 'h') +
                          "\r\nWorkingDir=" + std::string(600, 'w') + "\r\n");
    EXPECT_EQ(std::string(s.HeadLine1), std::string(69, 'h'));
    EXPECT_EQ(std::string(s.WorkingDir), std::string(255, 'w'));
    EXPECT_EQ(Saved(LoadFrom("[Options]\r\nWorkingDir=\r\n")), Defaults());
}

// Reading a value takes off blanks at its ends and a pair of quotes around it.
TEST_F(SettingsFile, QuotedTextsTypedIntoTheOptionsReadBackAsTyped)
{
    const std::string texts[] = {" 'einger\xFC"
                                 "ckt' ",
                                 "\"" + std::string(67, 'q') + "\""};
    for (const std::string& text : texts) {
        Settings s;
        std::snprintf(s.HeadLine2, sizeof s.HeadLine2, "%s", text.c_str());
        std::snprintf(s.WorkingDir, sizeof s.WorkingDir, "%s", text.c_str());
        const Settings loaded = LoadFrom(Saved(s));
        EXPECT_EQ(std::string(loaded.HeadLine2), text);
        EXPECT_EQ(std::string(loaded.WorkingDir), text);
    }
}

// Another process changed the file since it was read: a save of the copy read
// before keeps those values and adds what this copy changed and what the
// file lacks; an own free day removed here is gone from the file.
TEST_F(SettingsFile, SavingChangesKeepsWhatAnotherProcessWrote)
{
    const std::string ownDays = "[Feiertage]\r\nTag1=24.12 :Heiligabend\r\nTag2=12.06.2027 :Betriebsausflug\r\n";
    const Settings asRead = LoadFrom("[Options]\r\nHolidays=30\r\nHeadLine2=Name:\r\n" + ownDays);
    Settings changed = asRead;
    std::snprintf(changed.HeadLine2, sizeof changed.HeadLine2, "Name: Muster");
    changed.StartDay = 16; // the first key of [Options]
    changed.FreeDays.ownDays[1][0] = '\0';
    WriteBytes(file, "[Options]\r\nHolidays=28\r\nHeadLine2=Name:\r\n" + ownDays);
    ASSERT_TRUE(SaveSettingsChanges(engine, changed, asRead));
    const std::string text = ReadBytes(file);
    const Settings again = LoadFrom(text);
    EXPECT_EQ(again.Holidays, 28u);
    EXPECT_STREQ(again.HeadLine2, "Name: Muster");
    EXPECT_EQ(again.StartDay, 16u);
    EXPECT_NE(text.find("ExportFields=17"), std::string::npos) << "a missing key is written";
    EXPECT_NE(text.find("Tag1=24.12 :Heiligabend"), std::string::npos);
    EXPECT_EQ(text.find("Betriebsausflug"), std::string::npos);
}

TEST_F(SettingsFile, MissingEmptyAndDamagedFilesReadAsDefaults)
{
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    const std::string damaged[] = {kNoFile, "", junk, "[Options\r\nStartDay=5\r\n"};
    const std::string defaults = Defaults();
    for (const std::string& content : damaged)
        EXPECT_EQ(Saved(LoadFrom(content)), defaults) << content.substr(0, 40);
}

// The settings file lies in the program's folder, which is also the default
// working folder; a program without folder works in the current one.
TEST(SettingsPaths, BesideTheProgram)
{
    const struct {
        const char* modulePath;
        const char* directory;
    } rows[] = {
#ifdef _WIN32
        {"C:\\Programme\\Stundwerk\\Stundwerk.exe", "C:\\Programme\\Stundwerk\\"},
        {"C:/tools/sw.exe", "C:/tools/"},
        {"C:sw.exe", "C:\\"},
        {"sw.exe", ""},
        {nullptr, ""},
#else
        {"/opt/stundwerk/bin/stundwerk-cli", "/opt/stundwerk/bin/"},
        {"/sw", "/"},
        {"sw", ""},
        {nullptr, ""},
#endif
    };
    for (const auto& row : rows) {
        const std::string directory = row.directory, name = row.modulePath ? row.modulePath : "<null>";
        EXPECT_EQ(ProgramDirectory(row.modulePath), directory) << name;
        Settings s;
        SetSettingsPath(s, row.modulePath);
        EXPECT_EQ(s.SettingsPath, directory + "stundwrk.ini") << name;
        EXPECT_EQ(DefaultWorkingDir(s.SettingsPath), directory.empty() ? std::string(".") + kSep : directory) << name;
    }
    Settings s;
    SetSettingsPath(s, (std::string(400, 'd') + kSep + "sw.exe").c_str());
    EXPECT_EQ(std::strlen(s.SettingsPath), sizeof s.SettingsPath - 1) << "a long path is cut, not overrun";
}

} // namespace
