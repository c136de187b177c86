#include "skin/data/skin_package.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <typeinfo>

#include "framework/graphics/bmp.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/ini_document.h"
#include "skin/data/zlib_streams.h"
#include "skin_fixture.h"

using namespace skin;
using framework::TBitmap;
using framework::TMemoryStream;
using framework::TPixelFormat;

namespace {

SkinPackage Read(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    return ReadSkinPackage(stream);
}

void PutPicture(std::vector<uint8_t>& out, const TBitmap& picture) {
    TMemoryStream s;
    picture.SaveToStream(s);
    out.insert(out.end(), s.Bytes().begin(), s.Bytes().end());
}

void PutFlaggedPicture(std::vector<uint8_t>& out, const TBitmap* picture) {
    out.push_back(picture ? 0 : 1);
    if (picture)
        PutPicture(out, *picture);
}

void PutInt32(std::vector<uint8_t>& out, int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

// The layout of the shipped package, rebuilt from pictures of the same sizes and depths.
TEST(SkinPackage, SamplePackageHasTheShippedLayout) {
    fixture::TempFolder folder("package_layout");
    fixture::WriteSampleSkin(folder.path());
    TbsCompressedStoredSkin stored(nullptr);
    stored.PackSkinFolder((folder / "skin.ini").string());
    ASSERT_FALSE(stored.IsEmpty());
    EXPECT_EQ(stored.CompressedData()[0], 0x78);
    EXPECT_EQ(stored.CompressedData()[1], 0xDA);

    TMemoryStream inflated;
    stored.DecompressTo(inflated);
    inflated.SetPosition(0);
    SkinPackage package = ReadSkinPackage(inflated);
    const SkinPackageLayout& layout = package.layout;
    EXPECT_EQ(layout.version, 3);
    ASSERT_TRUE(layout.frame);
    EXPECT_EQ(layout.frame->offset, 5);
    EXPECT_EQ(layout.frame->size, 22834);
    EXPECT_FALSE(layout.inactiveFrame);
    EXPECT_FALSE(layout.mask);
    EXPECT_EQ(inflated.Bytes()[22839], 1) << "no inactive picture";
    EXPECT_EQ(inflated.Bytes()[22840], 1) << "no mask";
    const int64_t offsets[] = {22845, 29859, 37273, 43947, 630441, 631539};
    const int64_t sizes[] = {7014, 7414, 6674, 586494, 1098, 11078};
    ASSERT_EQ(layout.activePictures.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(layout.activePictures[i].offset, offsets[i]) << i;
        EXPECT_EQ(layout.activePictures[i].size, sizes[i]) << i;
        EXPECT_EQ(package.activePictures[i].Width(), fixture::kSamplePictures[i + 1].width);
    }
    EXPECT_EQ(layout.iniOffset, 642617);
    EXPECT_EQ(package.iniLines.front(), "[VERSION]");
    EXPECT_EQ(package.frame.BitsPerPixel(), 8);
    EXPECT_EQ(package.activePictures[3].BitsPerPixel(), 24);
}

TEST(SkinPackage, WriterAndReaderAgree) {
    TBitmap frame = fixture::MakePicture(9, 7, TPixelFormat::pf8bit, 5);
    std::vector<TBitmap> active = {fixture::MakePicture(3, 2, TPixelFormat::pf24bit),
                                   fixture::MakePicture(4, 4, TPixelFormat::pf4bit, 16)};
    TMemoryStream out;
    WriteSkinPackage(out, frame, {}, frame, active, {"[VERSION]", "a=1"});
    SkinPackage p = Read(out.Bytes());
    EXPECT_EQ(p.frame.Width(), 9);
    EXPECT_TRUE(p.inactiveFrame.Empty());
    EXPECT_FALSE(p.mask.Empty());
    ASSERT_EQ(p.activePictures.size(), 2u);
    EXPECT_EQ(p.activePictures[1].BitsPerPixel(), 4);
    EXPECT_EQ(p.iniLines, (std::vector<std::string>{"[VERSION]", "a=1"}));
    EXPECT_EQ(p.layout.iniSize, 16) << "every line ends with CR LF";
    TMemoryStream again;
    WriteSkinPackage(again, p.frame, p.inactiveFrame, p.mask, p.activePictures, p.iniLines);
    EXPECT_EQ(again.Bytes(), out.Bytes()) << "byte for byte";
}

TEST(SkinPackage, VersionsUpToThreeAreReadAndVersionTwoSkipsTwoLegacyPictures) {
    TBitmap a = fixture::MakePicture(2, 2, TPixelFormat::pf24bit);
    TBitmap b = fixture::MakePicture(5, 1, TPixelFormat::pf8bit, 3);
    for (int32_t version : {-7, 0, 1, 2, 3}) {
        std::vector<uint8_t> bytes;
        PutInt32(bytes, version);
        PutFlaggedPicture(bytes, &a);
        PutFlaggedPicture(bytes, nullptr);
        PutFlaggedPicture(bytes, nullptr);
        if (version == 2) {
            PutFlaggedPicture(bytes, &b);
            PutFlaggedPicture(bytes, &a);
        }
        PutInt32(bytes, 1);
        PutPicture(bytes, b);
        const std::string ini = "[VERSION]\r\n";
        bytes.insert(bytes.end(), ini.begin(), ini.end());
        SkinPackage p = Read(bytes);
        EXPECT_FALSE(p.Refused()) << version;
        ASSERT_EQ(p.activePictures.size(), 1u) << version;
        EXPECT_EQ(p.activePictures[0].Width(), 5) << version;
        EXPECT_EQ(p.iniLines, std::vector<std::string>{"[VERSION]"}) << version;
    }
}

TEST(SkinPackage, VersionFourIsRefusedAfterTheVersion) {
    std::vector<uint8_t> bytes;
    PutInt32(bytes, 4);
    bytes.push_back(0xEE);  // anything may follow; it is not read
    SkinPackage p = Read(bytes);
    EXPECT_TRUE(p.Refused());
    EXPECT_EQ(p.layout.version, 4);
    EXPECT_TRUE(p.activePictures.empty());
}

TEST(SkinPackage, ACountOfZeroOrLessMeansNoActivePictures) {
    for (int32_t count : {0, -1, std::numeric_limits<int32_t>::min()}) {
        std::vector<uint8_t> bytes;
        PutInt32(bytes, 3);
        bytes.insert(bytes.end(), {1, 1, 1});
        PutInt32(bytes, count);
        const std::string ini = "[PICTURES]\r\n";
        bytes.insert(bytes.end(), ini.begin(), ini.end());
        SkinPackage p = Read(bytes);
        EXPECT_TRUE(p.activePictures.empty());
        EXPECT_EQ(p.layout.iniOffset, 11) << "the INI text starts right after the count";
        EXPECT_EQ(p.iniLines, std::vector<std::string>{"[PICTURES]"});
    }
}

TEST(SkinPackage, APackageEndingEarlyRaisesWhereverItEnds) {
    TBitmap frame = fixture::MakePicture(6, 3, TPixelFormat::pf8bit, 4);
    std::vector<TBitmap> active = {fixture::MakePicture(3, 3, TPixelFormat::pf24bit)};
    TMemoryStream out;
    WriteSkinPackage(out, frame, {}, {}, active, {});
    const std::vector<uint8_t>& full = out.Bytes();  // no INI text: every byte is structure
    for (size_t n = 0; n < full.size(); ++n) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + n);
        try {
            Read(cut);
            ADD_FAILURE() << "accepted " << n << " of " << full.size() << " bytes";
        } catch (const framework::EReadError&) {
        } catch (const framework::EInvalidGraphic&) {
        }
    }
    EXPECT_NO_THROW(Read(full));
}

TEST(SkinPackage, ACountBeyondThePicturesEndsEarly) {
    std::vector<uint8_t> bytes;
    PutInt32(bytes, 3);
    bytes.insert(bytes.end(), {1, 1, 1});
    PutInt32(bytes, std::numeric_limits<int32_t>::max());
    EXPECT_THROW(Read(bytes), framework::EReadError);
}

// The reference for reading a package in place: the layout read piece by piece from a stream,
// every picture through the stream's BMP reader.
SkinPackage ReadPieceByPiece(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream(bytes);
    SkinPackage p;
    auto int32 = [&] {
        uint8_t b[4];
        stream.ReadBuffer(b, 4);
        return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
    };
    int64_t pixels = 0;
    auto picture = [&](TBitmap& into) {
        into.LoadFromStream(stream);
        pixels += int64_t(into.Width()) * into.Height();
        if (pixels > kMaxPackagePixels)
            throw framework::EInvalidGraphic("The skin package's pictures hold more than " +
                                             std::to_string(kMaxPackagePixels) + " pixels");
    };
    auto flagged = [&](TBitmap& into) {
        uint8_t flag;
        stream.ReadBuffer(&flag, 1);
        if (flag != 0)
            into.Clear();
        else
            picture(into);
    };
    p.layout.version = int32();
    if (p.Refused())
        return p;
    flagged(p.frame);
    flagged(p.inactiveFrame);
    flagged(p.mask);
    if (p.layout.version == 2) {
        TBitmap legacy;
        flagged(legacy);
        flagged(legacy);
    }
    for (int32_t i = 0, count = int32(); i < count; ++i) {
        TBitmap active;
        picture(active);
        p.activePictures.push_back(std::move(active));
    }
    std::string rest(size_t(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(rest.data(), int64_t(rest.size()));
    p.iniLines = SplitTextLines(rest);
    return p;
}

// What reading gave: the pictures and lines, or the error class and message.
struct PackageOutcome {
    std::string error;
    std::vector<TBitmap> pictures;  // frame, inactive frame, mask, active pictures
    std::vector<std::string> iniLines;
    friend bool operator==(const PackageOutcome&, const PackageOutcome&) = default;
};

template <class ReadFn>
PackageOutcome OutcomeOf(ReadFn read) {
    PackageOutcome outcome;
    try {
        SkinPackage p = read();
        outcome.pictures = {p.frame, p.inactiveFrame, p.mask};
        outcome.pictures.insert(outcome.pictures.end(), p.activePictures.begin(), p.activePictures.end());
        outcome.iniLines = p.iniLines;
    } catch (const framework::Exception& e) {
        outcome.error = std::string(typeid(e).name()) + ": " + e.Message();
    }
    return outcome;
}

// Damaged packages (cut short, bytes changed, header fields made huge or negative) read in place
// end exactly as reading them piece by piece from a stream: the same pictures and lines, or the
// same error with the same message.
TEST(SkinPackage, ReadingInPlaceAgreesWithReadingPieceByPiece) {
    TBitmap frame = fixture::MakePicture(9, 7, TPixelFormat::pf8bit, 5);
    TBitmap mask = fixture::MakePicture(5, 3, TPixelFormat::pf24bit);
    std::vector<TBitmap> active = {fixture::MakePicture(13, 2, TPixelFormat::pf1bit, 2),
                                   fixture::MakePicture(4, 4, TPixelFormat::pf4bit, 16),
                                   fixture::MakePicture(7, 5, TPixelFormat::pf32bit),
                                   fixture::MakePicture(6, 6, TPixelFormat::pf24bit)};
    TMemoryStream out;
    WriteSkinPackage(out, frame, {}, mask, active, {"[VERSION]", "skinname=x", "", "[PICTURES]"});
    const std::vector<uint8_t> sound = out.Bytes();

    std::mt19937 rng(19);
    const uint32_t oddValues[] = {0,      1,      2,      3,          4,          40,        54,
                                  0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> bytes = sound;
        for (int changes = 1 + int(rng() % 3); changes > 0; --changes) {
            const size_t at = rng() % bytes.size();
            switch (rng() % 4) {
                case 0:  // cut short
                    bytes.resize(at);
                    break;
                case 1:  // one byte changed
                    bytes[at] ^= uint8_t(1 + rng() % 255);
                    break;
                default: {  // a 32-bit field made odd
                    const uint32_t v = oddValues[rng() % std::size(oddValues)];
                    for (size_t i = 0; i < 4 && at + i < bytes.size(); ++i)
                        bytes[at + i] = uint8_t(v >> (8 * i));
                }
            }
            if (bytes.empty())
                break;
        }
        const PackageOutcome inPlace = OutcomeOf([&] {
            SkinPackage p = ReadSkinPackagePictures(bytes);
            if (!p.Refused())
                p.iniLines = SplitTextLines(IniTextOf(bytes, p.layout));
            return p;
        });
        const PackageOutcome reference = OutcomeOf([&] { return ReadPieceByPiece(bytes); });
        ASSERT_TRUE(inPlace == reference)
            << "round " << round << ": " << inPlace.error << " / " << reference.error;
    }
}

}  // namespace
