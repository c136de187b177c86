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
//
// Exit status: 0 success; 1 damaged or unusable input (one line on the error stream naming the
// file and the error); 2 wrong use.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tools {

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tools
