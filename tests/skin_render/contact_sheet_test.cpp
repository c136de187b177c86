#include "tools/skinview/contact_sheet.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/gfx/png.h"
#include "tests/skin_data/skin_fixture.h"
#include "tools/skinpack/skin_records.h"
#include "tools/skinview/skinview.h"

namespace tools {
namespace {

using platform::Rect;

// Where the platform's stretch takes shown pixel i of a face `length` long shown `shown` long.
int32_t SourceOf(int32_t i, int32_t length, int32_t shown) {
    return int32_t((2 * int64_t(i) + 1) * length / (2 * int64_t(shown)));
}

// The outlines and crosses drawn over faces: teal, orange and blue.
bool IsOverlay(uint32_t rgb) {
    return rgb == 0x008C96 || rgb == 0xE67800 || rgb == 0x283CDC;
}

const SheetFace* Find(const ContactSheet& sheet, const std::string& section, std::string_view key) {
    for (const SheetFace& f : sheet.faces)
        if (f.section == section && f.key == key)
            return &f;
    return nullptr;
}

// Every face a record of the shipped skin cuts is on the sheet under its section and key, and shows
// that part of its picture.
TEST(ContactSheetTest, EveryFaceOfTheShippedSkinShowsWhatItsKeyCuts) {
    skin::TbsCompressedStoredSkin stored(nullptr);
    stored.PackSkinFolder((fixture::SourceDir() / "skins/default/skin.ini").string());
    skin::TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    const ContactSheet sheet = RenderContactSheet(data);

    size_t faces = 0;
    for (const SkinRecord& record : RecordsOf(data))
        for (const RecordKey& key : record.keys) {
            const Rect* rect = record.Value<Rect>(key.name);
            if (!rect || rect->isEmpty() || RoleOf(record, key.name).kind != KeyRole::Face)
                continue;
            const framework::TBitmap* picture = PictureAt(data, PictureOf(record, key.name));
            ASSERT_TRUE(picture) << record.section << " " << key.name;
            const SheetFace* shown = Find(sheet, record.section, key.name);
            ASSERT_TRUE(shown) << record.section << " " << key.name;
            ++faces;
            EXPECT_EQ(shown->face, *rect);
            for (const auto& [i, j] : {std::pair{0, 0},
                                       {shown->shown.width() / 2, shown->shown.height() / 2},
                                       {shown->shown.width() - 1, shown->shown.height() - 1}}) {
                const int32_t x = rect->Left + SourceOf(i, rect->width(), shown->shown.width());
                const int32_t y = rect->Top + SourceOf(j, rect->height(), shown->shown.height());
                const uint32_t onSheet =
                    sheet.picture.pixel(shown->shown.Left + i, shown->shown.Top + j) & 0xFFFFFF;
                if (IsOverlay(onSheet))
                    continue;
                EXPECT_EQ(onSheet, picture->Surface().pixel(x, y) & 0xFFFFFF)
                    << record.section << " " << key.name << " at " << i << "," << j;
            }
        }
    EXPECT_GT(faces, 300u);
    // The window records show their whole pictures.
    const SheetFace* popup = Find(sheet, "POPUPWINDOW", "windowpictureindex");
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->face, (Rect{0, 0, 61, 40}));
    ASSERT_TRUE(Find(sheet, "FORMINFO", "picture"));
}

TEST(ContactSheetTest, APartOutsideThePictureIsHatched) {
    skin::TbsCompressedStoredSkin stored(nullptr);
    fixture::StoreSkin(stored,
                       "[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\npictureindex=0\nskinrect=4,2,12,6\n",
                       {fixture::MakePicture(8, 8, framework::TPixelFormat::pf24bit)});
    skin::TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    const ContactSheet sheet = RenderContactSheet(data);
    const SheetFace* face = Find(sheet, "b", "skinrect");
    ASSERT_TRUE(face);
    ASSERT_EQ(face->shown.width(), 32) << "an 8 x 4 face shows four times its size";
    // Columns 4 to 7 of the picture, then four columns beyond its right edge.
    int hatched = 0;
    for (int32_t y = face->shown.Top; y < face->shown.Bottom; ++y)
        for (int32_t x = face->shown.Left + 16; x < face->shown.Right; ++x)
            hatched += (sheet.picture.pixel(x, y) & 0xFFFFFF) == 0xDC2828;
    EXPECT_GT(hatched, 16 * 16 / 4);
    EXPECT_EQ(sheet.picture.pixel(face->shown.Left, face->shown.Top) & 0xFFFFFF,
              data.ActivePictures()[0].Surface().pixel(4, 2) & 0xFFFFFF);
}

TEST(ContactSheetTest, SheetCommand) {
    fixture::TempFolder temp("contact_sheet");
    const std::string out = (temp / "sheet.png").string();
    std::ostringstream o, e;
    ASSERT_EQ(RunSkinview({"sheet", (fixture::SourceDir() / "skins/default").string(), "-o", out}, o, e), 0)
        << e.str();
    const std::optional<platform::Surface> png = platform::LoadSurfacePng(out);
    ASSERT_TRUE(png);
    EXPECT_GT(png->height(), 1000);

    fixture::WriteFile(temp / "bare.ini",
                       "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
    std::ostringstream o2, e2;
    EXPECT_EQ(RunSkinview({"sheet", (temp / "bare.ini").string(), "-o", out}, o2, e2), 1);
    EXPECT_NE(e2.str().find("the skin has no face to show"), std::string::npos) << e2.str();
}

}  // namespace
}  // namespace tools
