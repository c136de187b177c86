// skinpack lint: a strict reading of a skin for its author. The loader is lenient on purpose (a
// missing key takes its default, a face outside its picture draws what it can), so a skin that
// loads can still look wrong at some size, in some state or on some control; the lint says where.
//
// It loads the skin exactly as the program does and then reads the INI text as written, key by
// key, with the same key tables the loader walks (VisitKeys), so every key a record class reads is
// known to it. Each finding names the section and key as the author wrote them ("-" where there is
// none) and says what is wrong in pixels and picture names.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "skin/data/compressed_stored_skin.h"

namespace tools {

enum class LintSeverity { Error, Warning };

struct LintFinding {
    LintSeverity severity = LintSeverity::Error;
    std::string section;  // as written; "-" where there is none
    std::string key;      // as written; "-" where there is none
    std::string message;

    friend bool operator==(const LintFinding&, const LintFinding&) = default;
};

// Lints any input skinpack takes (a skin folder, its INI file, a compressed skin file, a bare zlib
// stream). Bad input never throws: a skin that does not load is one error with the loader's
// message, or, where the lint can tell, an error at each key that keeps it from loading.
std::vector<LintFinding> LintSkinInput(const std::filesystem::path& in);
// Lints a stored skin as the program loads it from form data.
std::vector<LintFinding> LintStoredSkin(const skin::TbsCompressedStoredSkin& stored);

// Sorted by section, then key (digits compare as numbers, so entry 9 comes before 10); findings of
// one key keep the order they were found in.
void SortFindings(std::vector<LintFinding>& findings);
bool HasErrors(const std::vector<LintFinding>& findings);
// One finding a line: "error|warning SECTION KEY: message".
std::string FindingsText(const std::vector<LintFinding>& findings);
// {"findings": [{"severity": ..., "section": ..., "key": ..., "message": ...}]}
std::string FindingsJson(const std::vector<LintFinding>& findings);

}  // namespace tools
