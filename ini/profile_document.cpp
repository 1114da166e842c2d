#include "ini/profile_document.h"

#include "ini/profile_text.h"

namespace {

// Classifies a line by its trimmed content and records where its name and value lie.
void Interpret(ProfileLine& line)
{
    const std::string_view text = line.text();
    const std::string_view trimmed = TrimProfileBlanks(text);
    auto offset = [&](std::string_view part) { return static_cast<std::size_t>(part.data() - text.data()); };
    if (trimmed.empty()) {
        line.kind = ProfileLineKind::Blank;
        return;
    }
    if (trimmed.front() == ';') {
        line.kind = ProfileLineKind::Comment;
        return;
    }
    std::string_view name;
    if (trimmed.front() == '[') {
        std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLineKind::Header;
            name = TrimProfileBlanks(trimmed.substr(1, close - 1));
            line.nameBegin = offset(name);
            line.nameEnd = line.nameBegin + name.size();
            line.nameHash = ProfileNameHash(name);
            return;
        }
    }
    std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        line.kind = ProfileLineKind::KeyOnly;
        name = trimmed;
    } else {
        line.kind = ProfileLineKind::KeyValue;
        name = TrimTrailingProfileBlanks(trimmed.substr(0, equals));
        line.valueBegin = offset(TrimLeadingProfileBlanks(trimmed.substr(equals + 1)));
        line.valueEnd = offset(trimmed) + trimmed.size();
    }
    line.nameBegin = offset(name);
    line.nameEnd = line.nameBegin + name.size();
    line.nameHash = ProfileNameHash(name);
}

// bytes hold the line and its terminator; length is the line's part.
ProfileLine MakeLine(std::string bytes, std::size_t length)
{
    ProfileLine line;
    line.bytes = std::move(bytes);
    line.length = length;
    Interpret(line);
    return line;
}

ProfileLine NewLine(std::string text, std::string_view terminator)
{
    const std::size_t length = text.size();
    text += terminator;
    return MakeLine(std::move(text), length);
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

// Section names are a few bytes: a loop costs less than a call of memcmp.
bool SameBytes(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// Whether a written line reads back as the key it was written for. A key
// name such as "[x]" or ";c", or a value that closes a "[..." name, makes the
// line a header or a comment instead, "a=b" makes it the key "a".
bool ReadsBackAs(const ProfileLine& line, std::string_view key)
{
    return IsEntry(line) && SameProfileName(line.name(), TrimProfileBlanks(key));
}

} // namespace

ProfileDocument::ProfileDocument()
{
    sections_.emplace_back();
    IndexSections();
}

// A UTF-8 byte order mark (EF BB BF) at the start is neither white space nor
// a sign of the encoding: as for the system's ANSI functions on Windows it is
// the first bytes of the first line. A header on that line is therefore no
// header, and the keys under it belong to the lines before the first header;
// a header on a later line is found as usual. (Wine instead reads such a file
// as UTF-8 and finds the header.)
ProfileDocument ProfileDocument::Parse(std::string_view bytes)
{
    ProfileDocument document;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // A plain loop: find_first_of tests each byte against the set with a call.
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        std::size_t terminatorLength = 0;
        if (end < bytes.size())
            terminatorLength = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
        ProfileLine line = MakeLine(std::string(bytes.substr(pos, end + terminatorLength - pos)), end - pos);
        pos = end + terminatorLength;
        if (line.kind == ProfileLineKind::Header) {
            // The sections of a file tend to be alike: room for as many lines
            // as the one before saves moving lines while a section grows.
            const std::size_t expected = document.sections_.back().lines.size();
            document.sections_.emplace_back();
            document.sections_.back().hasHeader = true;
            document.sections_.back().lines.reserve(expected > 4 ? expected : 4);
        }
        document.sections_.back().lines.push_back(std::move(line));
    }
    document.IndexSections();
    return document;
}

std::size_t ProfileDocument::Section::FindKey(std::string_view key) const
{
    const std::string_view name = TrimProfileBlanks(key);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ProfileLine& line = lines[i];
        if (line.nameEnd - line.nameBegin == name.size() && IsEntry(line) && SameProfileName(line.name(), name))
            return i;
    }
    return lines.size();
}

void ProfileDocument::IndexSections()
{
    for (FoundSection& found : found_)
        found.index = 0;
    std::size_t size = 8;
    while (size < 2 * sections_.size())
        size *= 2;
    sectionSlots_.assign(size, 0);
    for (std::size_t i = 1; i < sections_.size(); ++i)
        IndexSection(i);
}

void ProfileDocument::IndexSection(std::size_t index)
{
    const ProfileLine& header = sections_[index].lines.front();
    const std::size_t mask = sectionSlots_.size() - 1;
    for (std::size_t slot = header.nameHash & mask;; slot = (slot + 1) & mask) {
        const std::size_t taken = sectionSlots_[slot];
        if (taken == 0) {
            sectionSlots_[slot] = index;
            return;
        }
        const ProfileLine& other = sections_[taken].lines.front();
        if (other.nameHash == header.nameHash && SameProfileName(other.name(), header.name()))
            return; // a later section of the same name is never found
    }
}

std::size_t ProfileDocument::FindSectionIndex(std::string_view section) const
{
    for (const FoundSection& found : found_) {
        if (found.index != 0 && SameBytes(std::string_view(found.name, found.length), section))
            return found.index;
    }
    const std::string_view name = TrimProfileBlanks(section);
    const std::uint32_t hash = ProfileNameHash(name);
    const std::size_t mask = sectionSlots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::size_t taken = sectionSlots_[slot];
        if (taken == 0)
            return 0;
        const ProfileLine& header = sections_[taken].lines.front();
        if (header.nameHash == hash && SameProfileName(header.name(), name)) {
            if (section.size() <= sizeof found_[0].name) {
                FoundSection& found = found_[nextFound_++ % 2];
                section.copy(found.name, section.size());
                found.length = section.size();
                found.index = taken;
            }
            return taken;
        }
    }
}

std::string ProfileDocument::Serialize() const
{
    std::size_t size = 0;
    for (const Section& section : sections_) {
        for (const ProfileLine& line : section.lines)
            size += line.bytes.size();
    }
    std::string bytes;
    bytes.reserve(size);
    for (const Section& section : sections_) {
        for (const ProfileLine& line : section.lines)
            bytes += line.bytes;
    }
    return bytes;
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view section) const
{
    const std::size_t index = FindSectionIndex(section);
    return index == 0 ? nullptr : &sections_[index];
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
    const std::size_t index = found->FindKey(key);
    if (index == found->lines.size())
        return std::nullopt;
    const ProfileLine& line = found->lines[index];
    if (line.kind != ProfileLineKind::KeyValue)
        return std::nullopt;
    return std::string_view(line.bytes).substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

std::vector<std::string_view> ProfileDocument::KeyNames(std::string_view section) const
{
    std::vector<std::string_view> names;
    if (const Section* found = FindSection(section)) {
        for (const ProfileLine& line : found->lines) {
            if (line.kind == ProfileLineKind::KeyValue)
                names.emplace_back(line.name());
        }
    }
    return names;
}

std::vector<std::string_view> ProfileDocument::SectionNames() const
{
    std::vector<std::string_view> names;
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        const std::string_view name = sections_[i].lines.front().name();
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
        if (!lastLines.empty() && lastLines.back().terminator().empty())
            lastLines.back().bytes += "\r\n";
        Section added;
        added.hasHeader = true;
        added.lines.push_back(NewLine("[" + OneLine(TrimLeadingProfileBlanks(section)) + "]", "\r\n"));
        added.lines.push_back(NewLine(keyName + "=" + newValue, "\r\n"));
        sections_.push_back(std::move(added));
        if (!ReadsBackAs(sections_.back().lines.back(), keyName))
            Reparse();
        else if (2 * sections_.size() > sectionSlots_.size())
            IndexSections();
        else
            IndexSection(sections_.size() - 1);
        return true;
    }
    const std::size_t index = target->FindKey(keyName);
    if (index < target->lines.size()) {
        ProfileLine& line = target->lines[index];
        if (line.kind == ProfileLineKind::KeyValue && line.text().substr(line.valueBegin) == newValue)
            return false;
        // The key keeps the spelling it has in the file.
        line = NewLine(std::string(line.name()) + "=" + newValue, line.terminator());
        if (!ReadsBackAs(line, keyName))
            Reparse();
        return true;
    }
    std::size_t position = InsertPosition(*target);
    ProfileLine& before = target->lines[position - 1];
    if (before.terminator().empty())
        before.bytes += "\r\n";
    target->lines.insert(target->lines.begin() + static_cast<std::ptrdiff_t>(position),
                         NewLine(keyName + "=" + newValue, "\r\n"));
    if (!ReadsBackAs(target->lines[position], keyName))
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
    const std::size_t index = target->FindKey(key);
    if (index == target->lines.size())
        return false;
    target->lines.erase(target->lines.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool ProfileDocument::DeleteSection(std::string_view section)
{
    const std::size_t index = FindSectionIndex(section);
    if (index == 0)
        return false;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
    IndexSections();
    return true;
}
