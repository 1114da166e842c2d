#include "ini/profile_document.h"

#include "ini/profile_text.h"

namespace {

// Classifies a line by its trimmed content and records the name and value.
void Interpret(ProfileLine& line)
{
    std::string_view text = line.text;
    std::string_view trimmed = TrimProfileBlanks(text);
    if (trimmed.empty()) {
        line.kind = ProfileLineKind::Blank;
        return;
    }
    if (trimmed.front() == ';') {
        line.kind = ProfileLineKind::Comment;
        return;
    }
    if (trimmed.front() == '[') {
        std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLineKind::Header;
            line.name = std::string(TrimProfileBlanks(trimmed.substr(1, close - 1)));
            return;
        }
    }
    std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        line.kind = ProfileLineKind::KeyOnly;
        line.name = std::string(trimmed);
        return;
    }
    line.kind = ProfileLineKind::KeyValue;
    line.name = std::string(TrimTrailingProfileBlanks(trimmed.substr(0, equals)));
    std::string_view value = TrimLeadingProfileBlanks(trimmed.substr(equals + 1));
    std::size_t trimmedBegin = static_cast<std::size_t>(trimmed.data() - text.data());
    line.valueBegin = static_cast<std::size_t>(value.data() - text.data());
    line.valueEnd = trimmedBegin + trimmed.size();
}

ProfileLine MakeLine(std::string text, std::string terminator)
{
    ProfileLine line;
    line.text = std::move(text);
    line.terminator = std::move(terminator);
    Interpret(line);
    return line;
}

bool IsEntry(const ProfileLine& line)
{
    return line.kind == ProfileLineKind::KeyValue || line.kind == ProfileLineKind::KeyOnly;
}

// A line break inside a name or value would split the line and corrupt the
// file's structure; each CR and LF is written as a blank instead.
std::string OneLine(std::string_view text)
{
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

// Whether a written line is read back as the key it was written for. A key
// name such as "[x]" or ";c", or a value that closes a "[..." name, makes the
// line a header or a comment instead.
bool ReadsBackAs(const ProfileLine& line, const std::string& foldedKey)
{
    return line.kind == ProfileLineKind::KeyValue && FoldProfileName(line.name) == foldedKey;
}

} // namespace

ProfileDocument::ProfileDocument()
{
    sections_.emplace_back();
}

ProfileDocument ProfileDocument::Parse(std::string_view bytes)
{
    ProfileDocument document;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            document.AddLine(MakeLine(std::string(bytes.substr(pos)), std::string()));
            break;
        }
        std::size_t terminatorLength = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        document.AddLine(
            MakeLine(std::string(bytes.substr(pos, end - pos)), std::string(bytes.substr(end, terminatorLength))));
        pos = end + terminatorLength;
    }
    for (Section& section : document.sections_)
        document.IndexKeys(section);
    document.IndexSections();
    return document;
}

void ProfileDocument::AddLine(ProfileLine line)
{
    if (line.kind == ProfileLineKind::Header) {
        sections_.emplace_back();
        sections_.back().hasHeader = true;
    }
    sections_.back().lines.push_back(std::move(line));
}

void ProfileDocument::IndexKeys(Section& section)
{
    section.keys.clear();
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        if (IsEntry(section.lines[i]))
            section.keys.emplace(FoldProfileName(section.lines[i].name), i);
    }
}

void ProfileDocument::IndexSections()
{
    sectionIndex_.clear();
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        sectionIndex_.emplace(FoldProfileName(sections_[i].lines.front().name), i);
    }
}

std::string ProfileDocument::Serialize() const
{
    std::size_t size = 0;
    for (const Section& section : sections_) {
        for (const ProfileLine& line : section.lines)
            size += line.text.size() + line.terminator.size();
    }
    std::string bytes;
    bytes.reserve(size);
    for (const Section& section : sections_) {
        for (const ProfileLine& line : section.lines) {
            bytes += line.text;
            bytes += line.terminator;
        }
    }
    return bytes;
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view section) const
{
    auto found = sectionIndex_.find(FoldProfileName(TrimProfileBlanks(section)));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

ProfileDocument::Section* ProfileDocument::FindSection(std::string_view section)
{
    return const_cast<Section*>(static_cast<const ProfileDocument*>(this)->FindSection(section));
}

std::optional<std::string_view> ProfileDocument::FindValue(std::string_view section, std::string_view key) const
{
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    auto entry = found->keys.find(FoldProfileName(TrimProfileBlanks(key)));
    if (entry == found->keys.end())
        return std::nullopt;
    const ProfileLine& line = found->lines[entry->second];
    if (line.kind != ProfileLineKind::KeyValue)
        return std::nullopt;
    return std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

std::vector<std::string_view> ProfileDocument::KeyNames(std::string_view section) const
{
    std::vector<std::string_view> names;
    if (const Section* found = FindSection(section)) {
        for (const ProfileLine& line : found->lines) {
            if (line.kind == ProfileLineKind::KeyValue)
                names.emplace_back(line.name);
        }
    }
    return names;
}

std::vector<std::string_view> ProfileDocument::SectionNames() const
{
    std::vector<std::string_view> names;
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        const std::string& name = sections_[i].lines.front().name;
        if (!name.empty())
            names.emplace_back(name);
    }
    return names;
}

// A new key goes right after the section's last entry (before trailing
// comments and blank lines), or right after the header of an empty section.
std::size_t ProfileDocument::InsertPosition(const Section& section)
{
    for (std::size_t i = section.lines.size(); i > 0; --i) {
        if (IsEntry(section.lines[i - 1]))
            return i;
    }
    return section.hasHeader ? 1 : 0;
}

bool ProfileDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string newValue = OneLine(TrimLeadingProfileBlanks(value));
    std::string keyName = OneLine(TrimLeadingProfileBlanks(key));
    Section* target = FindSection(section);
    if (!target) {
        std::vector<ProfileLine>& lastLines = sections_.back().lines;
        if (!lastLines.empty() && lastLines.back().terminator.empty())
            lastLines.back().terminator = "\r\n";
        Section added;
        added.hasHeader = true;
        added.lines.push_back(MakeLine("[" + OneLine(TrimLeadingProfileBlanks(section)) + "]", "\r\n"));
        added.lines.push_back(MakeLine(keyName + "=" + newValue, "\r\n"));
        const bool consistent = ReadsBackAs(added.lines.back(), FoldProfileName(TrimProfileBlanks(keyName)));
        IndexKeys(added);
        std::string folded = FoldProfileName(added.lines.front().name);
        sections_.push_back(std::move(added));
        sectionIndex_.emplace(std::move(folded), sections_.size() - 1);
        if (!consistent)
            Reparse();
        return true;
    }
    std::string foldedKey = FoldProfileName(TrimProfileBlanks(keyName));
    auto entry = target->keys.find(foldedKey);
    if (entry != target->keys.end()) {
        ProfileLine& line = target->lines[entry->second];
        if (line.kind == ProfileLineKind::KeyValue && std::string_view(line.text).substr(line.valueBegin) == newValue) {
            return false;
        }
        // The key keeps the spelling it has in the file.
        line = MakeLine(line.name + "=" + newValue, line.terminator);
        if (!ReadsBackAs(line, foldedKey))
            Reparse();
        return true;
    }
    std::size_t position = InsertPosition(*target);
    ProfileLine& before = target->lines[position - 1];
    if (before.terminator.empty())
        before.terminator = "\r\n";
    target->lines.insert(target->lines.begin() + static_cast<std::ptrdiff_t>(position),
                         MakeLine(keyName + "=" + newValue, "\r\n"));
    if (ReadsBackAs(target->lines[position], foldedKey))
        target->keys.emplace(std::move(foldedKey), position);
    else
        Reparse();
    return true;
}

// The file as it reads back, for the rare write whose line reads as
// something else than the key it was written for.
void ProfileDocument::Reparse()
{
    *this = Parse(Serialize());
}

bool ProfileDocument::DeleteKey(std::string_view section, std::string_view key)
{
    Section* target = FindSection(section);
    if (!target)
        return false;
    auto entry = target->keys.find(FoldProfileName(TrimProfileBlanks(key)));
    if (entry == target->keys.end())
        return false;
    target->lines.erase(target->lines.begin() + static_cast<std::ptrdiff_t>(entry->second));
    IndexKeys(*target);
    return true;
}

bool ProfileDocument::DeleteSection(std::string_view section)
{
    auto found = sectionIndex_.find(FoldProfileName(TrimProfileBlanks(section)));
    if (found == sectionIndex_.end())
        return false;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    IndexSections();
    return true;
}
