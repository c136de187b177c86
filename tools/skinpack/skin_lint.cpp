#include "tools/skinpack/skin_lint.h"

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <unordered_map>

#include "framework/core/exception.h"
#include "framework/core/stream.h"
#include "skin/data/skin_package.h"
#include "skin/data/value_encoding.h"
#include "tools/skinpack/lint_context.h"
#include "tools/skinpack/skinpack.h"

namespace tools {

using platform::Rect;
using skin::SameText;

namespace lint {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

using skin::ListPosition;

namespace {

constexpr std::string_view kNone = "-";
constexpr std::string_view kVersion = "VERSION";
constexpr std::string_view kPictures = "PICTURES";
constexpr std::string_view kObjects = "SKINOBJECTS";
constexpr std::string_view kControls = "SKINCONTROLS";
constexpr std::string_view kPictureCount = "activepicturescount";
// PICTURES besides its numbered list of active pictures.
const std::vector<std::string_view> kPictureKeys = {"picture", "inactivepicture", "mask", kPictureCount};

// Edits (insert, delete, replace, swap two neighbours) that turn one name into the other, without
// regard to case; three rows of the usual table.
size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) previous[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) && Lower(a[i - 2]) == Lower(b[j - 1]))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// "5", "5 and 6", "5, 6 and 7" (or "5, 6 or 7").
std::string Enumerate(const std::vector<std::string>& items, std::string_view last = " and ") {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? std::string(last) : ", ") + items[i];
    return text;
}

std::string Numbers(const std::vector<int64_t>& numbers, size_t more = 0) {
    std::vector<std::string> items;
    for (int64_t n : numbers) items.push_back(std::to_string(n));
    if (more > 0)
        items.push_back(std::to_string(more) + " more");
    return Enumerate(items);
}

// A value in the words of the INI text.
template <class T>
std::string ValueText(const T& value) {
    if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, std::string_view>)
        return std::string(value);
    else if constexpr (std::is_same_v<T, Rect>)
        return skin::FormatRect(value);
    else if constexpr (std::is_same_v<T, platform::Point>)
        return skin::FormatPoint(value);
    else if constexpr (std::is_same_v<T, skin::TFontStyles>)
        return skin::FormatFontStyles(value);
    else if constexpr (std::is_same_v<T, bool>)
        return value ? "1" : "0";
    else if constexpr (std::is_same_v<T, platform::COLORREF>)
        return std::to_string(int32_t(value));  // as the INI writes it, system colours negative
    else if constexpr (std::is_enum_v<T>)
        return skin::FormatEnum(value);
    else
        return std::to_string(value);
}

std::string SlotText(const skin::AnyKeySlot& slot) {
    return std::visit([](const auto& s) { return ValueText(*s.value); }, slot);
}

std::string DefaultText(const skin::AnyKeySlot& slot) {
    return std::visit([](const auto& s) { return ValueText(s.def); }, slot);
}

std::string RecordWhat(const SkinRecord& record) {
    switch (record.kind) {
        case RecordKind::Object:
            return std::string(record.typeName) + " objects";
        case RecordKind::Control:
            return std::string(record.typeName) + " controls";
        default:
            return std::string(record.typeName);
    }
}

// The names of an enumeration's values, the values a key of that type may take.
template <class E>
std::vector<std::string_view> EnumNameList() {
    const auto& names = skin::EnumNames<E>::names;
    return {names.begin(), names.end()};
}

template <class E>
std::string EnumValueProblem(const std::string& value) {
    const std::vector<std::string_view> names = EnumNameList<E>();
    if (std::find(names.begin(), names.end(), value) != names.end())
        return "";
    std::vector<std::string> listed(names.begin(), names.end());
    return Quoted(value) + " is not one of " + Enumerate(listed, " or ") + ", so it reads as " +
           skin::FormatEnum(skin::EnumNames<E>::unknown) + DidYouMean(value, names);
}

std::string FontStyleProblem(const std::string& value) {
    const std::vector<std::string_view> names(skin::kFontStyleNames.begin(), skin::kFontStyleNames.end());
    std::vector<std::string> unknown;
    std::string word;
    auto flush = [&] {
        if (!word.empty() && std::find(names.begin(), names.end(), word) == names.end())
            unknown.push_back(word);
        word.clear();
    };
    for (char c : value) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            word += c;
        else
            flush();
    }
    flush();
    if (unknown.empty())
        return "";
    std::vector<std::string> quoted, listed(names.begin(), names.end());
    for (const std::string& u : unknown) quoted.push_back(Quoted(u));
    return Enumerate(quoted) + (unknown.size() == 1 ? " is not a font style" : " are not font styles") +
           " (" + Enumerate(listed, " or ") + ")" + DidYouMean(unknown.front(), names);
}

// Rectangles and points keep only digits and commas.
std::string GeometryProblem(const std::string& value, size_t components, const std::string& reads) {
    const size_t given = size_t(std::count(value.begin(), value.end(), ',')) + 1;
    if (given > components)
        return Quoted(value) + " has " + std::to_string(given) + " numbers; only the first " +
               std::to_string(components) + " are read (" + reads + ")";
    if (value.find('-') != std::string::npos)
        return "minus signs are dropped: " + Quoted(value) + " reads as " + reads;
    return "";
}

}  // namespace

std::string_view Closest(std::string_view word, const std::vector<std::string_view>& candidates) {
    constexpr size_t kLongest = 64;  // a longer word is no typo of a key
    if (word.empty() || word.size() > kLongest)
        return "";
    const size_t allowed = std::max<size_t>(1, std::min<size_t>(3, word.size() / 3));
    std::string_view best;
    size_t bestDistance = allowed + 1;
    for (std::string_view c : candidates) {
        if (c.size() > kLongest ||
            std::max(c.size(), word.size()) - std::min(c.size(), word.size()) > allowed)
            continue;
        const size_t d = EditDistance(word, c);
        if (d < bestDistance) {
            best = c;
            bestDistance = d;
        }
    }
    return best;
}

std::string DidYouMean(std::string_view word, const std::vector<std::string_view>& candidates) {
    const std::string_view best = Closest(word, candidates);
    return best.empty() || best == word ? "" : "; did you mean " + Quoted(best) + "?";
}

std::string ColorText(platform::COLORREF color) {
    return "RGB " + std::to_string(platform::GetRValue(color)) + ", " +
           std::to_string(platform::GetGValue(color)) + ", " + std::to_string(platform::GetBValue(color));
}

Lint::Lint(const skin::TbsSkinData& data, const std::vector<std::string>& lines, bool loaded)
    : data_(data),
      loaded_(loaded),
      written_(lines),
      ini_(lines),
      pictureUsed_(data.ActivePictures().size(), false),
      pixelBudget_(int64_t(1) << 28),
      suggestionBudget_(int64_t(1) << 26) {}

std::string Lint::Suggest(std::string_view word, const std::vector<std::string_view>& candidates) {
    int64_t cost = 0;
    for (std::string_view c : candidates)
        cost += int64_t(std::min<size_t>(word.size(), 64)) * std::min<size_t>(c.size(), 64);
    if (cost > suggestionBudget_)
        return "";
    suggestionBudget_ -= cost;
    return DidYouMean(word, candidates);
}

std::optional<SkinRecord> Lint::Loaded(size_t i) const {
    if (loadedRecords_.size() != records_.size())
        return std::nullopt;
    return SkinRecord(records_[i].kind, records_[i].section, records_[i].typeName, *loadedRecords_[i]);
}

void Lint::Add(LintSeverity severity, std::string section, std::string key, std::string message) {
    findings_.push_back({severity, std::move(section), std::move(key), std::move(message)});
}

std::optional<Lint::Found> Lint::Written(std::string_view section, std::string_view key) const {
    return written_.First(section, key);
}

std::optional<Lint::Found> Lint::Written(const SkinRecord& record, std::string_view key) const {
    return Written(record.section, key);
}

std::string Lint::SectionAsWritten(std::string_view section) const {
    const auto occurrences = written_.Occurrences(section);
    return occurrences.empty() ? std::string(section) : occurrences.front()->name;
}

void Lint::AddAt(LintSeverity severity, const SkinRecord& record, std::string_view key, std::string message) {
    if (const auto found = Written(record, key))
        Add(severity, found->section->name, found->entry->key, std::move(message));
    else
        Add(severity, SectionAsWritten(record.section), std::string(key), std::move(message));
}

// --- Reading the records ------------------------------------------------------------------------

void Lint::ReadRecords() {
    auto fileLevel = [&](RecordKind kind, std::unique_ptr<skin::KeyedValues> record,
                         std::string_view section) {
        records_.emplace_back(kind, std::string(section), section, *record);
        owned_.push_back(std::move(record));
    };
    fileLevel(RecordKind::FormInfo, std::make_unique<skin::TbsFormInfo>(), skin::TbsFormInfo::kSection);
    fileLevel(RecordKind::PopupWindow, std::make_unique<skin::TbsDataSkinPopupWindow>(),
              skin::TbsDataSkinPopupWindow::kSection);
    fileLevel(RecordKind::HintWindow, std::make_unique<skin::TbsDataSkinHintWindow>(),
              skin::TbsDataSkinHintWindow::kSection);
    fileLevel(RecordKind::LayerFrame, std::make_unique<skin::TbsDataSkinLayerFrame>(),
              skin::TbsDataSkinLayerFrame::kSection);
    fileLevel(RecordKind::SkinColors, std::make_unique<skin::TbsSkinColors>(), skin::TbsSkinColors::kSection);
    ReadList(kObjects, true);
    ReadList(kControls, false);
    for (SkinRecord& record : records_) ReadRecord(record);
    if (loaded_) {
        loadedRecords_ = {&data_.FormInfo(), &data_.PopupWindow(), &data_.HintWindow(), &data_.LayerFrame(),
                          &data_.SkinColors()};
        for (const auto& o : data_.SkinObjects()) loadedRecords_.push_back(o.get());
        for (const auto& c : data_.SkinControls()) loadedRecords_.push_back(c.get());
    }
}

void Lint::ReadList(std::string_view list, bool objects) {
    for (const skin::IndexedValue& entry : skin::ReadIndexedList(ini_, list, "count")) {
        const size_t colon = entry.value.find(':');
        if (colon == std::string::npos)
            continue;
        std::string name = entry.value.substr(0, colon);
        const std::string type = entry.value.substr(colon + 1);
        std::unique_ptr<skin::KeyedValues> record;
        std::string_view typeName;
        if (objects) {
            auto object = skin::CreateSkinObject(type, name);
            typeName = object ? object->TypeName() : "";
            record = std::move(object);
        } else {
            auto control = skin::CreateSkinControl(type, name);
            typeName = control ? control->TypeName() : "";
            record = std::move(control);
        }
        if (!record)
            continue;
        records_.emplace_back(objects ? RecordKind::Object : RecordKind::Control, std::move(name), typeName,
                              *record);
        owned_.push_back(std::move(record));
    }
}

void Lint::ReadRecord(SkinRecord& record) {
    for (const RecordKey& key : record.keys) {
        try {
            std::visit(
                [&](const auto& s) { *s.value = skin::ReadValue(ini_, record.section, key.name, s.def); },
                key.slot);
        } catch (const framework::EConvertError&) {
            const auto found = Written(record, key.name);
            const bool rect = std::holds_alternative<skin::KeySlot<Rect>>(key.slot);
            AddAt(LintSeverity::Error, record, key.name,
                  Quoted(found ? found->entry->value : "") + " is not a " +
                      (rect ? "rectangle: it needs four numbers, left,top,right,bottom"
                            : "point: it needs two numbers, x,y") +
                      "; the skin does not load");
            std::visit([](const auto& s) { *s.value = s.def; }, key.slot);
        }
    }
}

// --- Sections -------------------------------------------------------------------------------------

void Lint::CheckSections() {
    std::unordered_map<std::string, const WrittenSection*> first;
    std::vector<const WrittenSection*> distinct;
    for (const WrittenSection& s : written_.Sections()) {
        const auto [at, isFirst] = first.emplace(LowerName(s.name), &s);
        if (isFirst) {
            distinct.push_back(&s);
            continue;
        }
        const WrittenSection& earlier = *at->second;
        const std::string earlierLine = " (line " + std::to_string(earlier.line) + ")";
        const std::string line = " (line " + std::to_string(s.line) + ")";
        if (earlier.name == s.name)
            Add(LintSeverity::Warning, s.name, std::string(kNone),
                "the section is given twice (lines " + std::to_string(earlier.line) + " and " +
                    std::to_string(s.line) +
                    "); the loader reads both as one, and where a key is in both the first counts");
        else
            Add(LintSeverity::Error, s.name, std::string(kNone),
                "[" + earlier.name + "]" + earlierLine + " and [" + s.name + "]" + line +
                    " differ only by case: the loader reads them as one section");
    }

    std::set<std::string> read = {LowerName(kVersion), LowerName(kPictures), LowerName(kObjects),
                                  LowerName(kControls)};
    for (const SkinRecord& r : records_) read.insert(LowerName(r.section));
    // Entries beyond the count name their sections too; the count's finding says they are not read.
    std::vector<std::string> unnamed;  // sections list entries name that the text lacks
    for (std::string_view list : {kObjects, kControls})
        for (const WrittenSection* s : written_.Occurrences(list))
            for (const WrittenEntry& entry : s->entries) {
                if (!ListPosition(entry.key))
                    continue;
                const std::string name = entry.value.substr(0, entry.value.find(':'));
                read.insert(LowerName(name));
                if (!ini_.SectionExists(name))
                    unnamed.push_back(name);
            }
    const std::vector<std::string_view> candidates(unnamed.begin(), unnamed.end());
    for (const WrittenSection* s : distinct)
        if (!read.count(LowerName(s->name)))
            Add(LintSeverity::Warning, s->name, std::string(kNone),
                "nothing reads this section: no SKINOBJECTS or SKINCONTROLS entry names it" +
                    Suggest(s->name, candidates));
}

// --- Lists ------------------------------------------------------------------------------------------

void Lint::CheckCount(std::string_view section, std::string_view countKey) {
    const auto occurrences = written_.Occurrences(section);
    if (occurrences.empty())
        return;
    std::set<int64_t> positions;
    for (const WrittenSection* s : occurrences)
        for (const WrittenEntry& e : s->entries)
            if (const auto p = ListPosition(e.key))
                positions.insert(*p);
    const auto countEntry = Written(section, countKey);
    const std::string listed =
        std::to_string(positions.size()) + (positions.size() == 1 ? " entry" : " entries");
    if (!countEntry) {
        if (!positions.empty())
            Add(LintSeverity::Error, occurrences.front()->name, std::string(countKey),
                "the count is missing, so none of the " + listed + " is read");
        return;
    }
    const std::optional<int32_t> count = skin::ParseInteger(countEntry->entry->value);
    if (!count) {
        Add(LintSeverity::Error, countEntry->section->name, countEntry->entry->key,
            Quoted(countEntry->entry->value) + " is not a whole number, so none of the " + listed +
                " is read");
        return;
    }
    // Counts reach 2^31 - 1: the missing positions are counted, and only the first few named.
    constexpr size_t kShown = 3;
    const int64_t given =
        int64_t(std::count_if(positions.begin(), positions.end(), [&](int64_t p) { return p < *count; }));
    const int64_t missingCount = std::max<int64_t>(0, *count - given);
    std::vector<int64_t> missing, beyond;
    for (int64_t i = 0; i < *count && int64_t(missing.size()) < std::min<int64_t>(missingCount, kShown); ++i)
        if (!positions.count(i))
            missing.push_back(i);
    for (int64_t p : positions)
        if (p >= *count)
            beyond.push_back(p);
    if (missingCount == 0 && beyond.empty())
        return;
    std::vector<std::string> parts;
    if (missingCount == 1)
        parts.push_back("there is no entry " + Numbers(missing));
    else if (missingCount > 1)
        parts.push_back("entries " + Numbers(missing, size_t(missingCount) - missing.size()) +
                        " are missing");
    if (!beyond.empty()) {
        const size_t more = beyond.size() > kShown ? beyond.size() - kShown : 0;
        beyond.resize(std::min(beyond.size(), kShown));
        parts.push_back(beyond.size() + more == 1
                            ? "entry " + Numbers(beyond) + " lies beyond it and is not read"
                            : "entries " + Numbers(beyond, more) + " lie beyond it and are not read");
    }
    std::string message = "the count is " + std::to_string(*count) + ", but " + Enumerate(parts);
    if (!positions.empty() && *positions.rbegin() + 1 == int64_t(positions.size()))
        message += " (the list has " + listed + ", 0 to " + std::to_string(positions.size() - 1) + ")";
    Add(LintSeverity::Error, countEntry->section->name, countEntry->entry->key, message);
}

void Lint::CheckList(std::string_view list, const std::vector<std::string_view>& types,
                     std::string_view what) {
    std::map<std::string, int32_t> firstEntry;
    std::vector<std::string> orphans;
    for (const WrittenSection& s : written_.Sections()) orphans.push_back(s.name);
    const std::vector<std::string_view> sections(orphans.begin(), orphans.end());
    for (const skin::IndexedValue& entry : skin::ReadIndexedList(ini_, list, "count")) {
        const std::string position = std::to_string(entry.index);
        const auto found = Written(list, position);
        const std::string section = found ? found->section->name : SectionAsWritten(list);
        const std::string key = found ? found->entry->key : position;
        const size_t colon = entry.value.find(':');
        if (colon == std::string::npos) {
            Add(LintSeverity::Error, section, key,
                Quoted(entry.value) +
                    " has no \":\" between the section name and the record type, so it makes no record");
            continue;
        }
        const std::string name = entry.value.substr(0, colon);
        const std::string type = entry.value.substr(colon + 1);
        if (std::find(types.begin(), types.end(), type) == types.end()) {
            Add(LintSeverity::Error, section, key,
                Quoted(type) + " is not " + std::string(what) + ", so " + Quoted(name) + " makes no record" +
                    Suggest(type, types));
            continue;
        }
        if (!ini_.SectionExists(name))
            Add(LintSeverity::Error, section, key,
                "names section [" + name +
                    "], which the INI text does not have, so the record keeps every default" +
                    Suggest(name, sections));
        const auto [at, isFirst] = firstEntry.emplace(name, entry.index);
        if (!isFirst)
            Add(LintSeverity::Warning, section, key,
                "names " + Quoted(name) + " again (entry " + std::to_string(at->second) +
                    " does too): looking a record up by name finds only the first");
    }
}

void Lint::CheckLists() {
    CheckCount(kPictures, kPictureCount);
    CheckCount(kObjects, "count");
    CheckCount(kControls, "count");
    CheckList(kObjects, skin::SkinObjectTypeNames(), "an object type");
    CheckList(kControls, skin::SkinControlTypeNames(), "a control type");
}

// --- Keys and values --------------------------------------------------------------------------------

void Lint::CheckUnknownKeys(std::string_view section, const std::vector<std::string_view>& known,
                            std::string_view what) {
    const bool numbered =
        SameText(section, kPictures) || SameText(section, kObjects) || SameText(section, kControls);
    for (const WrittenSection* s : written_.Occurrences(section))
        for (const WrittenEntry& e : s->entries) {
            if (numbered && ListPosition(e.key))
                continue;
            if (std::none_of(known.begin(), known.end(),
                             [&](std::string_view k) { return SameText(k, e.key); }))
                Add(LintSeverity::Warning, s->name, e.key,
                    "is not a key of " + std::string(what) + Suggest(e.key, known));
        }
}

void Lint::CheckKeys() {
    // A key given twice: the loader reads the first.
    std::unordered_map<std::string, std::unordered_map<std::string, const WrittenEntry*>> seen;
    for (const WrittenSection& s : written_.Sections()) {
        auto& keys = seen[LowerName(s.name)];
        for (const WrittenEntry& e : s.entries) {
            const auto [at, isFirst] = keys.emplace(LowerName(e.key), &e);
            if (!isFirst)
                Add(LintSeverity::Warning, s.name, e.key,
                    "is given twice in this section (also on line " + std::to_string(at->second->line) +
                        "); the loader reads the first, " + Quoted(at->second->value));
        }
    }

    // Keys no record of the section reads. VERSION holds free descriptive text.
    struct Known {
        std::map<std::string, std::string_view> keys;  // lower case -> as the class lists it
        std::string what;
    };
    std::map<std::string, Known> known;
    for (const SkinRecord& r : records_) {
        Known& k = known[LowerName(r.section)];
        if (k.what.empty())
            k.what = RecordWhat(r);
        for (const RecordKey& key : r.keys) k.keys.emplace(LowerName(key.name), key.name);
    }
    for (const auto& [section, k] : known) {
        std::vector<std::string_view> keys;
        for (const auto& [lower, name] : k.keys) keys.push_back(name);
        CheckUnknownKeys(section, keys, k.what);
    }
    CheckUnknownKeys(kPictures, kPictureKeys, kPictures);
    CheckUnknownKeys(kObjects, {"count"}, kObjects);
    CheckUnknownKeys(kControls, {"count"}, kControls);
}

void Lint::CheckValues() {
    for (const SkinRecord& record : records_)
        for (const RecordKey& key : record.keys) {
            const auto found = Written(record, key.name);
            if (!found)
                continue;
            const std::string& value = found->entry->value;
            const std::string problem = std::visit(
                [&](const auto& s) -> std::string {
                    using T = std::remove_pointer_t<decltype(s.value)>;
                    if constexpr (std::is_same_v<T, int32_t>)
                        return skin::ParseInteger(value)
                                   ? ""
                                   : Quoted(value) + " is not a whole number, so the default " +
                                         DefaultText(key.slot) + " is used";
                    else if constexpr (std::is_same_v<T, platform::COLORREF>)
                        return skin::ParseInteger(value) ? ""
                                                         : Quoted(value) +
                                                               " is not a colour (red + green * 256 + blue * "
                                                               "65536), so the default " +
                                                               DefaultText(key.slot) + " is used";
                    else if constexpr (std::is_same_v<T, bool>) {
                        const auto number = skin::ParseInteger(value);
                        return number == 0 || number == 1
                                   ? ""
                                   : Quoted(value) + " reads as 0 (off): only 1 switches it on";
                    } else if constexpr (std::is_same_v<T, Rect>)
                        return GeometryProblem(value, 4, SlotText(key.slot));
                    else if constexpr (std::is_same_v<T, platform::Point>)
                        return GeometryProblem(value, 2, SlotText(key.slot));
                    else if constexpr (std::is_same_v<T, skin::TFontStyles>)
                        return FontStyleProblem(value);
                    else if constexpr (std::is_enum_v<T>)
                        return EnumValueProblem<T>(value);
                    else
                        return "";
                },
                key.slot);
            if (!problem.empty())
                Add(LintSeverity::Warning, found->section->name, found->entry->key, problem);
        }
}

void Lint::CheckLoaderChanges() {
    for (size_t i = 0; i < records_.size(); ++i) {
        const std::optional<SkinRecord> loadedRecord = Loaded(i);
        if (!loadedRecord)
            return;
        const SkinRecord& raw = records_[i];
        const SkinRecord& loaded = *loadedRecord;
        for (size_t k = 0; k < raw.keys.size() && k < loaded.keys.size(); ++k) {
            const RecordKey& key = raw.keys[k];
            const std::string asWritten = SlotText(key.slot), used = SlotText(loaded.keys[k].slot);
            if (!Written(raw, key.name) || asWritten == DefaultText(key.slot) || asWritten == used)
                continue;
            AddAt(LintSeverity::Warning, raw, key.name,
                  "the loader replaces it: " + Quoted(asWritten) + " as written, " + Quoted(used) +
                      " as the program uses it");
        }
    }
}

}  // namespace lint

// --- Running a lint -----------------------------------------------------------------------------------

namespace {

LintFinding WholeSkinError(std::string message) {
    return {LintSeverity::Error, "-", "-", std::move(message)};
}

// Picture files a skin folder names, checked before packing: packing stops at the first bad one,
// the author wants to hear of them all.
std::vector<LintFinding> CheckPictureFiles(const std::filesystem::path& iniPath) {
    framework::TMemoryStream file;
    file.LoadFromFile(iniPath.string());
    const std::vector<std::string> lines = skin::SplitTextLines(
        std::string_view(reinterpret_cast<const char*>(file.Memory()), size_t(file.Size())));
    const skin::IniDocument ini(lines);
    const WrittenIni written(lines);
    for (const char* section : skin::kRequiredSkinSections)
        if (!ini.SectionExists(section))
            return {};  // packing refuses the text; its own message says why
    const std::filesystem::path folder = iniPath.parent_path();
    std::vector<LintFinding> findings;
    auto check = [&](const std::string& key, const std::string& name) {
        const auto found = written.First("PICTURES", key);
        const std::string section = found ? found->section->name : "PICTURES";
        const std::string keyAsWritten = found ? found->entry->key : key;
        const std::filesystem::path path = folder / name;
        if (name.empty() || !std::filesystem::is_regular_file(path)) {
            findings.push_back({LintSeverity::Error, section, keyAsWritten,
                                name.empty() ? "names no picture file"
                                             : "picture file \"" + name + "\" is not in the skin folder"});
            return;
        }
        try {
            framework::TBitmap picture;
            picture.LoadFromFile(path.string());
        } catch (const std::exception& e) {
            findings.push_back(
                {LintSeverity::Error, section, keyAsWritten,
                 "\"" + name + "\" is not a BMP picture the loader reads: " + SkinErrorText(e)});
        }
    };
    for (const char* key : {"picture", "inactivepicture", "mask"}) {
        const std::string name = ini.ReadString("PICTURES", key, "");
        if (!name.empty())
            check(key, name);
    }
    const std::vector<skin::IndexedValue> names =
        skin::ReadIndexedList(ini, "PICTURES", "activepicturescount");
    for (const skin::IndexedValue& name : names) check(std::to_string(name.index), name.value);
    const int32_t count = skin::ReadValue(ini, "PICTURES", "activepicturescount", int32_t(0));
    if (!findings.empty() && int64_t(names.size()) < count)
        findings.push_back(WholeSkinError("PICTURES lists " + std::to_string(count) +
                                          " pictures but names only " + std::to_string(names.size()) +
                                          "; the skin cannot be packed"));
    return findings;
}

}  // namespace

std::vector<LintFinding> LintStoredSkin(const skin::TbsCompressedStoredSkin& stored) {
    if (stored.IsEmpty())
        return {WholeSkinError("the stored skin holds no data")};
    skin::TbsSkinData data(nullptr);
    std::optional<std::string> loadError;
    bool convertError = false;
    try {
        data.LoadStoredSkin(stored);
    } catch (const std::exception& e) {
        loadError = SkinErrorText(e);
        convertError = dynamic_cast<const framework::EConvertError*>(&e) != nullptr;
    }
    const skin::SkinPackageLayout& layout = data.PackageLayout();
    if (!loadError && data.Empty())
        return {WholeSkinError("skin package version " + std::to_string(layout.version) + " is above " +
                               std::to_string(skin::kSkinPackageVersion) + "; the program loads no skin")};
    // The INI text as written, where the load found it in the package; a load that failed before
    // reading the text has nothing more to tell.
    std::vector<std::string> lines;
    if (!loadError || convertError) {
        framework::TMemoryStream package;
        stored.DecompressTo(package);
        const int64_t end = std::min<int64_t>(layout.iniOffset + layout.iniSize, package.Size());
        lines = skin::SplitTextLines(std::string_view(
            reinterpret_cast<const char*>(package.Memory()) + std::min(layout.iniOffset, end),
            size_t(end - std::min(layout.iniOffset, end))));
    }

    lint::Lint lint(data, lines, !loadError);
    lint.ReadRecords();
    std::vector<LintFinding>& findings = lint.Findings();
    if (loadError) {
        // The keys that keep the skin from loading, when the lint can point at them.
        std::erase_if(findings, [](const LintFinding& f) { return f.severity != LintSeverity::Error; });
        if (!convertError || findings.empty())
            findings = {WholeSkinError(*loadError)};
        SortFindings(findings);
        return findings;
    }
    lint.CheckSections();
    lint.CheckLists();
    lint.CheckKeys();
    lint.CheckValues();
    lint.CheckLoaderChanges();
    lint.CheckPictureIndexes();
    lint.CheckPictureList();
    lint.CheckFaces();
    lint.CheckLayouts();
    lint.CheckFrameMargins();
    lint.CheckContrast();
    SortFindings(findings);
    return findings;
}

std::vector<LintFinding> LintSkinInput(const std::filesystem::path& in) {
    try {
        if (const std::filesystem::path ini = SkinIniFile(in); !ini.empty()) {
            std::vector<LintFinding> findings = CheckPictureFiles(ini);
            if (!findings.empty()) {
                SortFindings(findings);
                return findings;
            }
        }
        skin::TbsCompressedStoredSkin stored(nullptr);
        LoadSkinInput(stored, in);
        return LintStoredSkin(stored);
    } catch (const std::filesystem::filesystem_error& e) {
        return {WholeSkinError(e.code().message() + " (" + e.path1().string() + ")")};
    } catch (const std::exception& e) {
        return {WholeSkinError(SkinErrorText(e))};
    }
}

// --- Output ---------------------------------------------------------------------------------------------

namespace {

// Text order without regard to case (then with it), except that runs of digits compare by their
// value: "MENUITEM" sorts among the lower-case sections, entry 9 before entry 10.
int NaturalCompare(std::string_view a, std::string_view b, bool foldCase) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            size_t ei = i, ej = j;
            while (ei < a.size() && isDigit(a[ei])) ++ei;
            while (ej < b.size() && isDigit(b[ej])) ++ej;
            std::string_view x = a.substr(i, ei - i), y = b.substr(j, ej - j);
            while (x.size() > 1 && x[0] == '0') x.remove_prefix(1);
            while (y.size() > 1 && y[0] == '0') y.remove_prefix(1);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0)
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const char x = foldCase ? lint::Lower(a[i]) : a[i], y = foldCase ? lint::Lower(b[j]) : b[j];
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    const size_t restA = a.size() - i, restB = b.size() - j;
    return restA == restB ? 0 : restA < restB ? -1 : 1;
}

bool NaturalLess(std::string_view a, std::string_view b) {
    const int folded = NaturalCompare(a, b, true);
    return folded != 0 ? folded < 0 : NaturalCompare(a, b, false) < 0;
}

const char* SeverityName(LintSeverity severity) {
    return severity == LintSeverity::Error ? "error" : "warning";
}

}  // namespace

void SortFindings(std::vector<LintFinding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const LintFinding& a, const LintFinding& b) {
        if (a.section != b.section)
            return NaturalLess(a.section, b.section);
        return a.key != b.key && NaturalLess(a.key, b.key);
    });
}

bool HasErrors(const std::vector<LintFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const LintFinding& f) { return f.severity == LintSeverity::Error; });
}

std::string FindingsText(const std::vector<LintFinding>& findings) {
    std::string text;
    for (const LintFinding& f : findings)
        text +=
            std::string(SeverityName(f.severity)) + " " + f.section + " " + f.key + ": " + f.message + "\n";
    return text;
}

std::string FindingsJson(const std::vector<LintFinding>& findings) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const LintFinding& f : findings)
        list.push_back({{"severity", SeverityName(f.severity)},
                        {"section", f.section},
                        {"key", f.key},
                        {"message", f.message}});
    // Names come from untrusted text and need not be UTF-8.
    return nlohmann::ordered_json{{"findings", list}}.dump(2, ' ', false,
                                                           nlohmann::ordered_json::error_handler_t::replace) +
           "\n";
}

}  // namespace tools
