// The skin INI text: lines, sections and keys.
//
// Syntax: every line is trimmed of leading and trailing blanks (and control characters); empty
// lines and lines starting with ";" are ignored; "[name]" opens a section; any other line inside a
// section with a "=" is an entry, split at its first "=" into a trimmed key and a trimmed value;
// lines before the first section are ignored. Section and key names compare without regard to
// (ASCII) case. When a section occurs twice its entries are merged; when a key occurs twice in a
// section the first one counts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// No INI text has more lines than this; a text with more is refused (EReadError), so that a small
// compressed package cannot make us build millions of entries (the shipped skin has about 2,000).
constexpr size_t kMaxIniLines = size_t(1) << 18;

// Splits 8-bit text into lines at CR LF, LF or a lone CR; a line end at the very end adds no empty
// line. EReadError beyond kMaxIniLines lines.
std::vector<std::string> SplitTextLines(std::string_view text);
// The lines, each followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Trims characters up to and including the blank from both ends.
std::string_view TrimBlanks(std::string_view text);
// ASCII case-insensitive equality.
bool SameText(std::string_view a, std::string_view b);

class IniDocument {
  public:
    struct Entry {
        std::string key;
        std::string value;
    };

    IniDocument() = default;
    explicit IniDocument(const std::vector<std::string>& lines);
    // The document of INI text, read where it lies (lines cut as SplitTextLines cuts them, without
    // making them); `lineCount` gets their number. EReadError beyond kMaxIniLines lines.
    static IniDocument Parse(std::string_view text, size_t& lineCount);

    bool SectionExists(std::string_view section) const;
    // The value of the first entry of that key, or nullptr when the section or key is missing.
    const std::string* Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;

    // Replaces the value of the key, adding the key (and the section) at the end when missing.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void EraseSection(std::string_view section);

    std::vector<std::string> SectionNames() const;
    // The entries of a section in text order (a repeated key only once), or nullptr.
    const std::vector<Entry>* Entries(std::string_view section) const;
    // The document as INI lines: each section, then its entries as key=value.
    std::vector<std::string> ToLines() const;

  private:
    // Positions by name, names compared without regard to (ASCII) case: open addressing over a
    // power-of-two table of name hashes, so that neither adding nor finding copies or allocates a
    // name. `nameOf(position)` gives the name stored at a position.
    class NameIndex {
      public:
        static constexpr size_t npos = size_t(-1);
        template <class NameOf>
        size_t Find(std::string_view name, const NameOf& nameOf) const;
        // `name` must not be in the index yet.
        void Add(std::string_view name, size_t position);
        void Clear();

      private:
        struct Slot {
            uint32_t hash = 0;
            uint32_t position = 0;  // position + 1; 0: a free slot
        };
        void Insert(Slot slot);

        std::vector<Slot> slots_;
        size_t count_ = 0;
    };

    struct Section {
        std::string name;
        std::vector<Entry> entries;
        NameIndex keys;  // key -> entries index, first entry of a key
    };

    // Adds one line of text; `current` is the section the lines before it opened.
    void AddLine(std::string_view raw, Section*& current);
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);
    static size_t FindKey(const Section& section, std::string_view key);
    static void AddEntry(Section& section, std::string_view key, std::string_view value);

    std::vector<Section> sections_;
    NameIndex sectionIndex_;          // name -> sections_ index
    mutable size_t lastSection_ = 0;  // where FindSection found a section last
};

}  // namespace skin
