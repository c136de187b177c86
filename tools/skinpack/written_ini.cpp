#include "tools/skinpack/written_ini.h"

#include "skin/data/ini_document.h"

namespace tools {

std::string LowerName(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

WrittenIni::WrittenIni(const std::vector<std::string>& lines) {
    WrittenSection* current = nullptr;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int32_t lineNumber = int32_t(i + 1);
        const std::string_view line = skin::TrimBlanks(lines[i]);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string_view name = skin::TrimBlanks(line.substr(1, line.size() - 2));
            byName_[LowerName(name)].push_back(sections_.size());
            sections_.push_back({std::string(name), lineNumber, {}});
            current = &sections_.back();
            continue;
        }
        const size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos)
            continue;
        current->entries.push_back({std::string(skin::TrimBlanks(line.substr(0, eq))),
                                    std::string(skin::TrimBlanks(line.substr(eq + 1))), lineNumber});
    }
    for (const WrittenSection& s : sections_) {
        auto& keys = first_[LowerName(s.name)];
        for (const WrittenEntry& e : s.entries) keys.emplace(LowerName(e.key), Found{&s, &e});
    }
}

std::vector<const WrittenSection*> WrittenIni::Occurrences(std::string_view name) const {
    std::vector<const WrittenSection*> found;
    const auto it = byName_.find(LowerName(name));
    if (it != byName_.end())
        for (size_t index : it->second) found.push_back(&sections_[index]);
    return found;
}

std::optional<WrittenIni::Found> WrittenIni::First(std::string_view section, std::string_view key) const {
    const auto s = first_.find(LowerName(section));
    if (s == first_.end())
        return std::nullopt;
    const auto k = s->second.find(LowerName(key));
    return k == s->second.end() ? std::nullopt : std::optional(k->second);
}

}  // namespace tools
