#include "tools/skinpack/skinpack.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>

#include "framework/graphics/bmp.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/indexed_list.h"
#include "skin/data/ini_document.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/stream_integers.h"
#include "skin/data/value_encoding.h"
#include "skin/data/zlib_streams.h"
#include "tools/skinpack/skin_lint.h"

namespace tools {

namespace {

namespace fs = std::filesystem;
using framework::TBitmap;
using framework::TMemoryStream;
using skin::TbsCompressedStoredSkin;

constexpr const char* kUsage =
    "usage: skinpack pack [--bare] SKIN.ini OUT\n"
    "       skinpack unpack IN OUTDIR\n"
    "       skinpack info [--json] IN\n"
    "       skinpack lint [--json] IN\n"
    "IN is a compressed skin file, a bare zlib stream, a skin INI file or a skin folder.\n";

// Bad input: reported as one line naming the file, exit status 1.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The class name of an error the skin services raise, most derived first.
std::string ErrorClass(const std::exception& e) {
    if (dynamic_cast<const skin::EDecompressionError*>(&e))
        return "EDecompressionError";
    if (dynamic_cast<const skin::ECompressionError*>(&e))
        return "ECompressionError";
    if (dynamic_cast<const skin::EZlibError*>(&e))
        return "EZlibError";
    if (dynamic_cast<const framework::EInvalidGraphic*>(&e))
        return "EInvalidGraphic";
    if (dynamic_cast<const framework::EConvertError*>(&e))
        return "EConvertError";
    if (dynamic_cast<const framework::EFOpenError*>(&e))
        return "EFOpenError";
    if (dynamic_cast<const framework::EFCreateError*>(&e))
        return "EFCreateError";
    if (dynamic_cast<const framework::EReadError*>(&e))
        return "EReadError";
    if (dynamic_cast<const framework::EWriteError*>(&e))
        return "EWriteError";
    if (dynamic_cast<const framework::EStreamError*>(&e))
        return "EStreamError";
    if (dynamic_cast<const framework::Exception*>(&e))
        return "Exception";
    return "error";
}

std::string RefusedPackageMessage(int32_t version) {
    return "skin package version " + std::to_string(version) + " is above " +
           std::to_string(skin::kSkinPackageVersion) + "; no skin loaded";
}

std::string NameAt(const std::vector<std::string>& names, size_t i) {
    return i < names.size() ? names[i] : "";
}

bool LooksLikeZlibHeader(const std::vector<uint8_t>& bytes) {
    return bytes.size() >= 2 && (bytes[0] & 0x0F) == 8 && (bytes[0] >> 4) <= 7 &&
           (bytes[0] * 256 + bytes[1]) % 31 == 0;
}

// The skin INI file of a folder: the only *.ini file in it.
fs::path IniFileOfFolder(const fs::path& folder) {
    std::optional<fs::path> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file() || !skin::SameText(entry.path().extension().string(), ".ini"))
            continue;
        if (found)
            throw InputError("the folder holds more than one INI file");
        found = entry.path();
    }
    if (!found)
        throw InputError("the folder holds no INI file");
    return *found;
}

void PackFolder(TbsCompressedStoredSkin& stored, const fs::path& iniPath) {
    stored.PackSkinFolder(iniPath.string());
    if (!stored.IsEmpty())
        return;
    framework::TMemoryStream file;
    file.LoadFromFile(iniPath.string());
    skin::IniDocument ini(skin::SplitTextLines(
        std::string_view(reinterpret_cast<const char*>(file.Memory()), size_t(file.Size()))));
    std::string missing;
    for (const char* section : skin::kRequiredSkinSections)
        if (!ini.SectionExists(section))
            missing += std::string(missing.empty() ? "" : ", ") + section;
    throw InputError("the INI file lacks the section(s) " + missing + "; nothing was packed");
}

}  // namespace

fs::path SkinIniFile(const fs::path& in) {
    if (fs::is_directory(in))
        return IniFileOfFolder(in);
    if (skin::SameText(in.extension().string(), ".ini"))
        return in;
    return {};
}

std::string LoadSkinInput(TbsCompressedStoredSkin& stored, const fs::path& in) {
    if (const fs::path ini = SkinIniFile(in); !ini.empty()) {
        PackFolder(stored, ini);
        return ini.filename().string();
    }
    TMemoryStream file;
    file.LoadFromFile(in.string());
    if (LooksLikeZlibHeader(file.Bytes())) {
        stored.ReadCompressedData(file);
        return "";
    }
    const int32_t version = file.Size() >= 4 ? skin::ReadInt32(file) : 0;
    if (version > skin::kCompressedSkinFileVersion)
        throw InputError("compressed skin file version " + std::to_string(version) + " is above " +
                         std::to_string(skin::kCompressedSkinFileVersion) + "; nothing loaded");
    stored.LoadFromStream(file);
    if (stored.IsEmpty())
        throw InputError("the compressed skin file holds no data");
    return "";
}

std::string SkinErrorText(const std::exception& e) {
    if (dynamic_cast<const InputError*>(&e))
        return e.what();
    return ErrorClass(e) + ": " + e.what();
}

namespace {

skin::SkinPackage InflatePackage(const TbsCompressedStoredSkin& stored) {
    TMemoryStream package;
    stored.DecompressTo(package);
    package.SetPosition(0);
    skin::SkinPackage result = skin::ReadSkinPackage(package);
    if (result.Refused())
        throw InputError(RefusedPackageMessage(result.layout.version));
    return result;
}

nlohmann::ordered_json PictureJson(const TBitmap& picture, const skin::PicturePlacement& at) {
    return {{"width", picture.Width()},
            {"height", picture.Height()},
            {"bpp", picture.BitsPerPixel()},
            {"offset", at.offset},
            {"size", at.size}};
}

nlohmann::ordered_json OptionalPictureJson(const TBitmap& picture,
                                           const std::optional<skin::PicturePlacement>& at) {
    return at ? PictureJson(picture, *at) : nlohmann::ordered_json(nullptr);
}

std::string PictureText(const TBitmap& picture, const skin::PicturePlacement& at) {
    return std::to_string(picture.Width()) + " x " + std::to_string(picture.Height()) + ", " +
           std::to_string(picture.BitsPerPixel()) + " bits, " + std::to_string(at.size) +
           " bytes at offset " + std::to_string(at.offset);
}

std::string OptionalPictureText(const TBitmap& picture, const std::optional<skin::PicturePlacement>& at) {
    return at ? PictureText(picture, *at) : "none";
}

template <class Record>
nlohmann::ordered_json RecordsJson(const std::vector<std::unique_ptr<Record>>& records) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& r : records) list.push_back({{"name", r->IDName}, {"type", r->TypeName()}});
    return list;
}

// "N: first (type), second (type), ..." with at most `shown` records named.
template <class Record>
std::string RecordsText(const std::vector<std::unique_ptr<Record>>& records, size_t shown) {
    std::string text = std::to_string(records.size());
    for (size_t i = 0; i < records.size() && i < shown; ++i)
        text +=
            (i == 0 ? ": " : ", ") + records[i]->IDName + " (" + std::string(records[i]->TypeName()) + ")";
    if (records.size() > shown)
        text += ", ...";
    return text;
}

void PrintInfoJson(const skin::TbsSkinData& data, std::ostream& out) {
    const skin::SkinPackageLayout& layout = data.PackageLayout();
    nlohmann::ordered_json active = nlohmann::ordered_json::array();
    for (size_t i = 0; i < data.ActivePictures().size(); ++i) {
        nlohmann::ordered_json p = {{"name", NameAt(data.ActivePictureNames(), i)}};
        p.update(PictureJson(data.ActivePictures()[i], layout.activePictures[i]));
        active.push_back(p);
    }
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const auto& s : data.SkippedEntries())
        skipped.push_back({{"list", s.list}, {"index", s.index}, {"entry", s.entry}});
    nlohmann::ordered_json j = {
        {"version", layout.version},
        {"frame", OptionalPictureJson(data.FramePicture(), layout.frame)},
        {"inactiveFrame", OptionalPictureJson(data.InactiveFramePicture(), layout.inactiveFrame)},
        {"mask", OptionalPictureJson(data.FrameMask(), layout.mask)},
        {"activePictures", active},
        {"iniOffset", layout.iniOffset},
        {"iniLines", data.IniLineCount()},
        {"objects", RecordsJson(data.SkinObjects())},
        {"controls", RecordsJson(data.SkinControls())},
        {"skipped", skipped}};
    // The INI text is 8-bit text; a record name need not be UTF-8.
    out << j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

void PrintInfoText(const skin::TbsSkinData& data, const fs::path& in, std::ostream& out) {
    const skin::SkinPackageLayout& layout = data.PackageLayout();
    out << in.string() << ": skin package version " << layout.version << "\n";
    out << "  frame picture:          " << OptionalPictureText(data.FramePicture(), layout.frame) << "\n";
    out << "  inactive frame picture: "
        << OptionalPictureText(data.InactiveFramePicture(), layout.inactiveFrame) << "\n";
    out << "  frame mask:             " << OptionalPictureText(data.FrameMask(), layout.mask) << "\n";
    out << "  active pictures:        " << data.ActivePictures().size() << "\n";
    for (size_t i = 0; i < data.ActivePictures().size(); ++i)
        out << "    " << i << " " << NameAt(data.ActivePictureNames(), i) << ": "
            << PictureText(data.ActivePictures()[i], layout.activePictures[i]) << "\n";
    out << "  INI text:               " << data.IniLineCount() << " lines, " << layout.iniSize
        << " bytes at offset " << layout.iniOffset << "\n";
    out << "  objects:                " << RecordsText(data.SkinObjects(), 5) << "\n";
    out << "  controls:               " << RecordsText(data.SkinControls(), 5) << "\n";
    out << "  skipped entries:        " << data.SkippedEntries().size() << "\n";
    for (const auto& s : data.SkippedEntries())
        out << "    " << s.list << " " << s.index << "=" << s.entry << "\n";
}

int Info(const fs::path& in, bool json, std::ostream& out) {
    TbsCompressedStoredSkin stored(nullptr);
    LoadSkinInput(stored, in);
    skin::TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    if (data.Empty())
        throw InputError(RefusedPackageMessage(data.PackageLayout().version));
    if (json)
        PrintInfoJson(data, out);
    else
        PrintInfoText(data, in, out);
    return 0;
}

int Pack(const fs::path& iniPath, const fs::path& outPath, bool bare) {
    TbsCompressedStoredSkin stored(nullptr);
    PackFolder(stored, iniPath);
    TMemoryStream out;
    if (bare)
        stored.WriteCompressedData(out);
    else
        stored.SaveToStream(out);
    try {
        out.SaveToFile(outPath.string());
    } catch (const framework::Exception& e) {
        throw InputError(ErrorClass(e) + ": " + e.what());
    }
    return 0;
}

// A picture file name from the INI text, as a path inside the output folder.
fs::path PictureFileIn(const fs::path& folder, const std::string& name, const std::string& key) {
    if (name.empty())
        throw InputError("the package has a picture for PICTURES key \"" + key + "\" but no file name");
    fs::path relative(name);
    bool escapes = relative.is_absolute();
    for (const auto& part : relative)
        if (part == "..")
            escapes = true;
    if (escapes)
        throw InputError("picture file name \"" + name + "\" leads outside the output folder");
    return folder / relative;
}

void WritePicture(const TBitmap& picture, const fs::path& path) {
    fs::create_directories(path.parent_path());
    picture.SaveToFile(path.string());
}

int Unpack(const fs::path& in, const fs::path& outDir) {
    TbsCompressedStoredSkin stored(nullptr);
    std::string iniName = LoadSkinInput(stored, in);
    if (iniName.empty())
        iniName = "skin.ini";
    skin::SkinPackage package = InflatePackage(stored);
    skin::IniDocument ini(package.iniLines);
    // Check every name first, so that a bad one leaves nothing half written.
    const std::pair<const TBitmap*, const char*> framePictures[] = {
        {&package.frame, "picture"}, {&package.inactiveFrame, "inactivepicture"}, {&package.mask, "mask"}};
    std::vector<std::pair<const TBitmap*, fs::path>> files;
    for (const auto& [picture, key] : framePictures)
        if (!picture->Empty())
            files.emplace_back(picture, PictureFileIn(outDir, ini.ReadString("PICTURES", key, ""), key));
    std::vector<skin::IndexedValue> names = skin::ReadIndexedList(ini, "PICTURES", "activepicturescount");
    auto nameOf = [&](size_t i) {
        for (const auto& name : names)
            if (size_t(name.index) == i)
                return name.value;
        return std::string();
    };
    for (size_t i = 0; i < package.activePictures.size(); ++i)
        files.emplace_back(&package.activePictures[i], PictureFileIn(outDir, nameOf(i), std::to_string(i)));

    fs::create_directories(outDir);
    for (const auto& [picture, path] : files) WritePicture(*picture, path);
    std::string text = skin::JoinLinesCrLf(package.iniLines);
    TMemoryStream iniFile(std::vector<uint8_t>(text.begin(), text.end()));
    iniFile.SaveToFile((outDir / iniName).string());
    return 0;
}

// Findings on the output stream, one a line (or as JSON); 1 when one of them is an error. The lint
// reports a skin that does not load as a finding too, so nothing goes to the error stream.
int Lint(const fs::path& in, bool json, std::ostream& out) {
    std::vector<LintFinding> findings = LintSkinInput(in);
    out << (json ? FindingsJson(findings) : FindingsText(findings));
    return HasErrors(findings) ? 1 : 0;
}

}  // namespace

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto usage = [&] {
        err << kUsage;
        return 2;
    };
    if (args.empty())
        return usage();
    const std::string& command = args[0];
    std::vector<std::string> operands;
    bool bare = false, json = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (command == "pack" && args[i] == "--bare" && operands.empty())
            bare = true;
        else if ((command == "info" || command == "lint") && args[i] == "--json" && operands.empty())
            json = true;
        else if (args[i].starts_with("--"))
            return usage();
        else
            operands.push_back(args[i]);
    }
    if (command != "pack" && command != "unpack" && command != "info" && command != "lint")
        return usage();
    if (operands.size() != (command == "info" || command == "lint" ? 1u : 2u))
        return usage();
    if (command == "lint")
        return Lint(operands[0], json, out);

    const std::string& file = operands[0];
    try {
        if (command == "pack")
            return Pack(operands[0], operands[1], bare);
        if (command == "unpack")
            return Unpack(operands[0], operands[1]);
        return Info(operands[0], json, out);
    } catch (const InputError& e) {
        err << "skinpack: " << file << ": " << e.what() << "\n";
    } catch (const fs::filesystem_error& e) {
        err << "skinpack: " << file << ": " << e.code().message() << " (" << e.path1().string() << ")\n";
    } catch (const std::exception& e) {
        err << "skinpack: " << file << ": " << ErrorClass(e) << ": " << e.what() << "\n";
    }
    return 1;
}

}  // namespace tools
