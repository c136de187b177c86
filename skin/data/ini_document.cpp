#include "skin/data/ini_document.h"

#include <algorithm>

#include "framework/core/exception.h"

namespace skin {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = LowerAscii(c);
    return result;
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (lines.size() == kMaxIniLines)
            throw framework::EReadError("The skin INI text has more than " + std::to_string(kMaxIniLines) +
                                        " lines");
        lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

IniDocument::IniDocument(const std::vector<std::string>& lines) {
    Section* current = nullptr;
    for (const std::string& raw : lines) {
        std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
            current = FindSection(name);
            if (!current)
                current = &AddSection(name);
            continue;
        }
        size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        AddEntry(*current, TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)));
    }
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    auto it = sectionIndex_.find(Lower(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    auto it = sectionIndex_.find(Lower(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section& IniDocument::AddSection(std::string_view name) {
    sectionIndex_.emplace(Lower(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

void IniDocument::AddEntry(Section& section, std::string_view key, std::string_view value) {
    if (section.firstEntry.emplace(Lower(key), section.entries.size()).second)
        section.entries.push_back(Entry{std::string(key), std::string(value)});
}

bool IniDocument::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s)
        return nullptr;
    auto it = s->firstEntry.find(Lower(key));
    return it == s->firstEntry.end() ? nullptr : &s->entries[it->second].value;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    const std::string* value = Find(section, key);
    return value ? *value : std::string(def);
}

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (!s)
        s = &AddSection(section);
    auto it = s->firstEntry.find(Lower(key));
    if (it != s->firstEntry.end())
        s->entries[it->second].value = std::string(value);
    else
        AddEntry(*s, key, value);
}

void IniDocument::EraseSection(std::string_view section) {
    auto it = sectionIndex_.find(Lower(section));
    if (it == sectionIndex_.end())
        return;
    size_t index = it->second;
    sections_.erase(sections_.begin() + ptrdiff_t(index));
    sectionIndex_.erase(it);
    for (auto& [name, i] : sectionIndex_)
        if (i > index)
            --i;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const auto& s : sections_) names.push_back(s.name);
    return names;
}

const std::vector<IniDocument::Entry>* IniDocument::Entries(std::string_view section) const {
    const Section* s = FindSection(section);
    return s ? &s->entries : nullptr;
}

std::vector<std::string> IniDocument::ToLines() const {
    std::vector<std::string> lines;
    for (const auto& s : sections_) {
        lines.push_back("[" + s.name + "]");
        for (const auto& e : s.entries) lines.push_back(e.key + "=" + e.value);
    }
    return lines;
}

}  // namespace skin
