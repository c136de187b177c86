// The skin INI text as its author wrote it: every section header and entry with its line, repeated
// sections and keys included, which the loader's document merges away (ini_document.h). The syntax
// is the loader's; only what it keeps differs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tools {

struct WrittenEntry {
    std::string key;
    std::string value;
    int32_t line = 0;  // counted from 1
};

struct WrittenSection {
    std::string name;
    int32_t line = 0;
    std::vector<WrittenEntry> entries;
};

class WrittenIni {
  public:
    explicit WrittenIni(const std::vector<std::string>& lines);
    // The index points into the sections.
    WrittenIni(const WrittenIni&) = delete;
    WrittenIni& operator=(const WrittenIni&) = delete;

    const std::vector<WrittenSection>& Sections() const { return sections_; }
    // Every header the loader reads as that section (names equal without regard to case), in
    // text order; empty when there is none.
    std::vector<const WrittenSection*> Occurrences(std::string_view name) const;

    // The entry the loader reads for a key: the first one over all occurrences of the section.
    struct Found {
        const WrittenSection* section;
        const WrittenEntry* entry;
    };
    std::optional<Found> First(std::string_view section, std::string_view key) const;

  private:
    std::vector<WrittenSection> sections_;
    std::unordered_map<std::string, std::vector<size_t>> byName_;  // lower-case name -> sections_
    // lower-case section -> lower-case key -> the entry the loader reads
    std::unordered_map<std::string, std::unordered_map<std::string, Found>> first_;
};

// ASCII lower case, as the loader compares names.
std::string LowerName(std::string_view text);

}  // namespace tools
