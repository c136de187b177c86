// The shipped skin as the program loads it: the embedded "CompressedData" read into a
// TbsCompressedStoredSkin and loaded by a TbsSkinData, once for all tests. Also its raw package
// bytes and INI text, and a check of a record's values against a table.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "skin/data/ini_document.h"
#include "skin/data/skin_data.h"

namespace shipped {

const skin::TbsSkinData& Skin();
// The inflated package, byte for byte.
const std::vector<uint8_t>& PackageBytes();
// The package's INI text as the skin author wrote it.
const skin::IniDocument& ShippedIni();

// One value as a record holds it after loading, written in the INI text's notation
// ("40,0,58,17", "fsbold", "cmclose", "1"), and whether the shipped section writes the key at all
// (a key left out takes its default, or a value the record derives).
struct KeyValue {
    std::string_view key;
    std::string_view value;
    bool written = true;
};
inline constexpr bool kLeftOut = false;

// Checks every entry of `expected` against a loaded record whose keys live in `section`: the record
// reads the key, holds that value, and the shipped text writes the key or leaves it out as the
// entry says. The record's values are taken from its own save, which writes every key it reads.
template <class Record>
void ExpectKeys(const Record& record, std::string_view section, std::span<const KeyValue> expected);

// The same against the values a record saved into `held`.
void ExpectValues(const skin::IniDocument& held, std::string_view section,
                  std::span<const KeyValue> expected);

template <class Record>
void ExpectKeys(const Record& record, std::string_view section, std::span<const KeyValue> expected) {
    skin::IniDocument held;
    record.Save(held);
    ExpectValues(held, section, expected);
}

// A skin object or control record by name, of the class the test expects (nullptr otherwise).
template <class Record>
const Record* Object(std::string_view name) {
    return Skin().ObjectAs<Record>(Skin().FindObjectIndex(name));
}
template <class Record>
const Record* Control(std::string_view name) {
    return Skin().ControlAs<Record>(Skin().FindControlIndex(name));
}

}  // namespace shipped
