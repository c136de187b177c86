// One lint run: the loaded skin, its INI text as written, the records read from it key by key, and
// the findings so far. The checks of the text live in skin_lint.cpp, those of pictures and faces in
// lint_pictures.cpp.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/indexed_list.h"
#include "skin/data/ini_document.h"
#include "skin/data/skin_data.h"
#include "tools/skinpack/skin_lint.h"
#include "tools/skinpack/skin_records.h"
#include "tools/skinpack/written_ini.h"

namespace tools::lint {

class Lint {
  public:
    // `data` is the skin as the program loaded it (empty when the load failed).
    Lint(const skin::TbsSkinData& data, const std::vector<std::string>& lines, bool loaded);

    // Reads every record the text describes into records of the lint's own, key by key as written,
    // without the values a record derives. A rectangle or point that keeps the skin from loading
    // becomes an error at its key.
    void ReadRecords();

    // The text: sections, lists, keys and their values, values the loader replaces.
    void CheckSections();
    void CheckLists();
    void CheckKeys();
    void CheckValues();
    void CheckLoaderChanges();
    // Pictures and faces.
    void CheckPictureList();
    void CheckPictureIndexes();
    void CheckFaces();
    void CheckLayouts();
    void CheckFrameMargins();
    void CheckContrast();

    std::vector<LintFinding>& Findings() { return findings_; }

  private:
    using Found = WrittenIni::Found;

    void Add(LintSeverity severity, std::string section, std::string key, std::string message);
    // At a key of a record: the section and key as written, or the names the loader looks for.
    void AddAt(LintSeverity severity, const SkinRecord& record, std::string_view key, std::string message);
    std::optional<Found> Written(const SkinRecord& record, std::string_view key) const;
    std::optional<Found> Written(std::string_view section, std::string_view key) const;
    std::string SectionAsWritten(std::string_view section) const;

    void ReadRecord(SkinRecord& record);
    void ReadList(std::string_view list, bool objects);
    void CheckList(std::string_view list, const std::vector<std::string_view>& types, std::string_view what);
    void CheckCount(std::string_view section, std::string_view countKey);
    void CheckUnknownKeys(std::string_view section, const std::vector<std::string_view>& known,
                          std::string_view what);

    const SkinRecord* ObjectNamed(std::string_view name) const;
    void CheckFace(const SkinRecord& record, const RecordKey& key);
    void CheckFlatFace(const SkinRecord& record, const RecordKey& key, const FaceInPicture& face);
    void CheckArea(const SkinRecord& record, const RecordKey& key);
    void CheckNinePart(const SkinRecord& record);
    void CheckContrastPair(const SkinRecord& record, const ContrastPair& pair);
    void UsePicture(int32_t index);
    // The loaded counterpart of records_[i], or none.
    std::optional<SkinRecord> Loaded(size_t i) const;
    // DidYouMean within a budget, so that a text of a great many unknown names ends.
    std::string Suggest(std::string_view word, const std::vector<std::string_view>& candidates);

    const skin::TbsSkinData& data_;
    const bool loaded_;
    const WrittenIni written_;
    const skin::IniDocument ini_;
    std::vector<std::unique_ptr<skin::KeyedValues>> owned_;
    std::vector<SkinRecord> records_;
    // The same records as the program loaded them (with derived values); empty when it did not.
    std::vector<const skin::KeyedValues*> loadedRecords_;
    std::vector<bool> pictureUsed_;
    // Pixels the face checks may still read, so that a text naming a great many large faces ends.
    int64_t pixelBudget_;
    bool budgetSpent_ = false;
    int64_t suggestionBudget_;
    std::vector<LintFinding> findings_;
};

// "abc" -> the closest of `candidates` (names compare without regard to case), or "" when none is
// close enough to be what was meant.
std::string_view Closest(std::string_view word, const std::vector<std::string_view>& candidates);
// ", did you mean "X"?" or "".
std::string DidYouMean(std::string_view word, const std::vector<std::string_view>& candidates);
// ASCII lower case of one character.
char Lower(char c);
// "RGB 255, 250, 250".
std::string ColorText(platform::COLORREF color);

}  // namespace tools::lint
