#pragma once
// A throwaway folder for file tests, removed with everything in it.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<int> counter{0};
        auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("stundwerk-test-" + std::to_string(tick) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The file's bytes, or "<missing>" when there is no such file.
inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The "key=value" lines of a section of an INI file, in file order.
inline std::vector<std::string> SectionLines(const std::string& path, const std::string& section)
{
    std::istringstream in(ReadBytes(path));
    std::vector<std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[')
            inside = line == "[" + section + "]";
        else if (inside && !line.empty())
            lines.push_back(line);
    }
    return lines;
}

// The bytes of every month plan (*.SW in any case) in the folder by name, and
// of the settings file stundwrk.ini when asked; none for a missing folder.
inline std::map<std::string, std::string> PlanFiles(const std::string& folder, bool withSettings = false)
{
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string(), extension = item.path().extension().string();
        if (extension == ".SW" || extension == ".sw" || (withSettings && name == "stundwrk.ini"))
            files[name] = ReadBytes(item.path().string());
    }
    return files;
}
