// skinpack: the command-line face of the skin package services.
//
//   skinpack pack [--bare] SKIN.ini OUT   pack the INI file's folder; write a compressed skin file
//                                         (version 3, length, zlib stream), or with --bare only the
//                                         zlib stream (the form data's "CompressedData")
//   skinpack unpack IN OUTDIR             write the INI text and one BMP per picture, named by the
//                                         INI text's PICTURES section
//   skinpack info [--json] IN             load the skin as the skin data component does and describe
//                                         it; IN is a compressed skin file, a bare zlib stream, a
//                                         skin INI file or a skin folder
//   skinpack lint [--json] IN             load the skin as the program does and report what would
//                                         make it look wrong, one finding a line:
//                                         "error|warning SECTION KEY: message" (skin_lint.h)
//
// Exit status: 0 success; 1 damaged or unusable input (one line on the error stream naming the
// file and the error), or a lint that found an error; 2 wrong use.
#pragma once

#include <exception>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "skin/data/compressed_stored_skin.h"

namespace tools {

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The skin INI file of a skin folder or the INI file itself; empty for the other inputs.
std::filesystem::path SkinIniFile(const std::filesystem::path& in);
// Fills a stored skin from any input skinpack takes (a compressed skin file, a bare zlib stream, a
// skin INI file or a skin folder); returns the INI file name when it came from one. Bad input
// raises an error whose message says what is wrong (SkinErrorText words it for a user).
std::string LoadSkinInput(skin::TbsCompressedStoredSkin& stored, const std::filesystem::path& in);
// "EDecompressionError: ..." for the skin services' errors, the message alone for the others.
std::string SkinErrorText(const std::exception& e);

}  // namespace tools
