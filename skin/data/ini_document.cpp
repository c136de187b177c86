#include "skin/data/ini_document.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/core/exception.h"

namespace skin {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// A hash that names equal by SameText share: eight bytes at a time, each with bit 5 set, which
// takes the case off ASCII letters (other bytes may meet too; that only costs a comparison).
uint32_t CaseFoldedHash(std::string_view name) {
    constexpr uint64_t kFold = 0x2020202020202020ull;
    auto mix = [](uint64_t h, uint64_t word) {
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        return h ^ (h >> 32);
    };
    uint64_t h = name.size();
    size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, name.data() + i, sizeof word);
        h = mix(h, word | kFold);
    }
    if (i < name.size()) {
        uint64_t word = 0;
        for (size_t k = i; k < name.size(); ++k) word |= uint64_t(uint8_t(name[k])) << (8 * (k - i));
        h = mix(h, word | kFold);
    }
    return uint32_t(h);
}

// Calls line(text of the line) for each line as SplitTextLines cuts them; returns the number of lines.
template <class LineFn>
size_t ForEachTextLine(std::string_view text, LineFn&& line) {
    size_t count = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        if (count == kMaxIniLines)
            throw framework::EReadError("The skin INI text has more than " + std::to_string(kMaxIniLines) +
                                        " lines");
        ++count;
        line(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return count;
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachTextLine(text, [&](std::string_view line) { lines.emplace_back(line); });
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
    for (const std::string& line : lines) AddLine(line, current);
}

IniDocument IniDocument::Parse(std::string_view text, size_t& lineCount) {
    IniDocument ini;
    Section* current = nullptr;
    lineCount = ForEachTextLine(text, [&](std::string_view line) { ini.AddLine(line, current); });
    return ini;
}

void IniDocument::AddLine(std::string_view raw, Section*& current) {
    std::string_view line = TrimBlanks(raw);
    if (line.empty() || line.front() == ';')
        return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
        current = FindSection(name);
        if (!current)
            current = &AddSection(name);
        return;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string_view::npos)
        return;
    AddEntry(*current, TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)));
}

template <class NameOf>
size_t IniDocument::NameIndex::Find(std::string_view name, const NameOf& nameOf) const {
    if (slots_.empty())
        return npos;
    const uint32_t hash = CaseFoldedHash(name);
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.position == 0)
            return npos;
        // Names are mostly written as the code asks for them: try the exact match first.
        if (slot.hash == hash &&
            (nameOf(slot.position - 1) == name || SameText(nameOf(slot.position - 1), name)))
            return slot.position - 1;
    }
}

void IniDocument::NameIndex::Add(std::string_view name, size_t position) {
    // At most half full, so that a search meets a free slot soon; a skin section has a few dozen
    // keys, which the first table holds.
    if ((count_ + 1) * 2 > slots_.size()) {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(std::max<size_t>(64, old.size() * 2), Slot{});
        for (const Slot& slot : old)
            if (slot.position != 0)
                Insert(slot);
    }
    Insert({CaseFoldedHash(name), uint32_t(position + 1)});
    ++count_;
}

void IniDocument::NameIndex::Insert(Slot slot) {
    const size_t mask = slots_.size() - 1;
    size_t i = slot.hash & mask;
    while (slots_[i].position != 0) i = (i + 1) & mask;
    slots_[i] = slot;
}

void IniDocument::NameIndex::Clear() {
    slots_.clear();
    count_ = 0;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    // A record reads all its keys from one section: the section found last is mostly asked again.
    // Names are unique without regard to case, so a section of exactly this name is the one.
    if (lastSection_ < sections_.size() && sections_[lastSection_].name == name)
        return &sections_[lastSection_];
    const size_t i =
        sectionIndex_.Find(name, [&](size_t at) -> std::string_view { return sections_[at].name; });
    if (i == NameIndex::npos)
        return nullptr;
    lastSection_ = i;
    return &sections_[i];
}

IniDocument::Section& IniDocument::AddSection(std::string_view name) {
    sectionIndex_.Add(name, sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

size_t IniDocument::FindKey(const Section& section, std::string_view key) {
    return section.keys.Find(key, [&](size_t at) -> std::string_view { return section.entries[at].key; });
}

void IniDocument::AddEntry(Section& section, std::string_view key, std::string_view value) {
    if (FindKey(section, key) != NameIndex::npos)
        return;
    section.keys.Add(key, section.entries.size());
    section.entries.push_back(Entry{std::string(key), std::string(value)});
}

bool IniDocument::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s)
        return nullptr;
    const size_t i = FindKey(*s, key);
    return i == NameIndex::npos ? nullptr : &s->entries[i].value;
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
    const size_t i = FindKey(*s, key);
    if (i != NameIndex::npos)
        s->entries[i].value = std::string(value);
    else
        AddEntry(*s, key, value);
}

void IniDocument::EraseSection(std::string_view section) {
    const Section* s = FindSection(section);
    if (!s)
        return;
    sections_.erase(sections_.begin() + (s - sections_.data()));
    sectionIndex_.Clear();
    for (size_t i = 0; i < sections_.size(); ++i) sectionIndex_.Add(sections_[i].name, i);
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
