#include "skin/menus/item_painting.h"

#include <algorithm>
#include <array>

#include "framework/graphics/image_list.h"
#include "framework/menus/menu_item.h"
#include "platform/gfx/text.h"
#include "skin/controls/skin_fonts.h"
#include "skin/menus/item_layout.h"
#include "skin/menus/menu_skin.h"
#include "skin/render/bars.h"
#include "skin/render/effect_bitmap.h"
#include "skin/render/glyph_frame.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/standard_glyphs.h"

namespace skin {

using framework::TBitmap;
using framework::TCanvas;
using framework::TMenuItem;
using platform::COLORREF;
using platform::Point;
using platform::Rect;
using platform::Size;

bool IsSeparatorCaption(std::string_view caption) {
    return caption == "-";
}

bool IsHeaderItem(const TMenuItem& item) {
    const std::string& c = item.Caption();
    return !item.Enabled() && c.size() >= 2 && c.front() == '-' && c.back() == '-';
}

std::string ItemSizingText(const TMenuItem& item) {
    if (item.ShortCut() == framework::scNone)
        return item.Caption();
    return item.Caption() + "  " + framework::ShortCutToText(item.ShortCut());
}

// --- Built-in marks ------------------------------------------------------------------------------

namespace {

// Three strokes, for i = 0 to 2 from (0, 5 - i) to (2, 7 - i) to (7, 2 - i), end points left out.
constexpr std::array<std::string_view, 8> kCheckMark = {
    ".......",  //
    "......#",  //
    ".....##",  //
    "#...###",  //
    "##.###.",  //
    "#####..",  //
    ".###...",  //
    "..#....",  //
};
// Column i from row i to row 6 - i, for i = 0 to 3.
constexpr std::array<std::string_view, 7> kArrow = {
    "#...",  //
    "##..",  //
    "###.",  //
    "####",  //
    "###.",  //
    "##..",  //
    "#...",  //
};
// A filled circle in a 6 x 6 box.
constexpr std::array<std::string_view, 6> kRadioDot = {
    ".####.",  //
    "######",  //
    "######",  //
    "######",  //
    "######",  //
    ".####.",  //
};

}  // namespace

void DrawBuiltInCheck(platform::HDC canvas, Point at, COLORREF color) {
    DrawPixelPicture(canvas, kCheckMark, at.X, at.Y, platform::ColorToRGB(color));
}
void DrawBuiltInArrow(platform::HDC canvas, Point at, COLORREF color) {
    DrawPixelPicture(canvas, kArrow, at.X, at.Y, platform::ColorToRGB(color));
}
void DrawBuiltInRadio(platform::HDC canvas, Point at, COLORREF color) {
    DrawPixelPicture(canvas, kRadioDot, at.X, at.Y, platform::ColorToRGB(color));
}

// --- One item ------------------------------------------------------------------------------------

namespace {

constexpr COLORREF kPlainHighlightFrame = 0x800000;  // navy
constexpr COLORREF kPlainHighlightFill = 0xD2BDB6;

std::optional<int32_t> ImageWidthOf(const framework::TImageList* images) {
    return images ? std::optional(images->Width()) : std::nullopt;
}

// The face rectangle `from` of the picture as a bar `width` wide, drawn at (0, y) of the target.
void DrawBar(TBitmap& target, const Picture* picture, const Rect& from, BarEnds ends, int32_t width,
             bool stretch, int32_t y = 0) {
    if (!picture || IsEmptyRect(from))
        return;
    Picture bar;
    ComposeHorizontalBar(ends, bar, *picture, from, width, stretch);
    CopyPictureRect(target.Surface(), platform::rectOfSize(0, y, bar.width(), bar.height()), bar,
                    bar.bounds());
}

// A mark face of the item picture, drawn without its key colour (its bottom-left pixel).
void DrawMarkFace(TCanvas& canvas, const Picture& faces, const Rect& from, const Rect& area) {
    const Rect r = ClampRect(from);
    if (IsEmptyRect(r) || !Picture::SizeAllowed(r.width(), r.height()))
        return;
    Picture face(r.width(), r.height());
    CopyPictureRect(face, face.bounds(), faces, r);
    const Point at = CentredIn(area, {face.width(), face.height()});
    DrawGlyphFrame(canvas.Handle(), at.X, at.Y, 1, 1, face);
}

class ItemPainter {
  public:
    ItemPainter(const ItemLook& look, TBitmap& target)
        : look_(look),
          item_(*look.item),
          record_(look.skin ? look.skin->item : nullptr),
          target_(target),
          layout_(record_ ? SkinnedItemLayout(*record_, look.size.cx, ImageWidthOf(look.images))
                          : PlainItemLayout(look.size, ImageWidthOf(look.images))) {}

    void Draw() {
        target_.SetSize(look_.size.cx, look_.size.cy);
        if (look_.background)
            CopyPictureRect(target_.Surface(), target_.Surface().bounds(), *look_.background,
                            look_.background->bounds());
        if (record_)
            DrawSkinned();
        else
            DrawPlain();
    }

  private:
    TCanvas& Canvas() { return target_.Canvas(); }

    void SetFont(COLORREF color) {
        TCanvas& c = Canvas();
        if (look_.font)
            c.Font().Assign(*look_.font);
        c.Font().SetColor(color);
        c.Brush().SetStyle(framework::TBrushStyle::bsClear);
    }

    Size Extent(std::string_view text, uint32_t format = 0) {
        Rect r{0, 0, 0, 0};
        Canvas().DrawText(text, r, platform::DT_CALCRECT | format);
        return {r.width(), r.height()};
    }

    void DrawSkinned() {
        const TbsDataSkinMenuItem& r = *record_;
        const Picture* faces = look_.skin->faces;
        const int32_t width = look_.size.cx;
        if (IsSeparatorCaption(item_.Caption())) {
            DrawBar(target_, faces, r.DividerRect, {r.DividerLeftOffset, r.DividerRightOffset}, width,
                    r.DividerStretchEffect);
            return;
        }
        const bool hl = look_.highlighted;
        if (look_.frameFace) {
            DrawBar(target_, faces, *look_.frameFace, {r.ItemLeftOffset, r.ItemRightOffset}, width,
                    r.StretchEffect);
        } else if (hl) {
            DrawBar(target_, faces, r.ActiveSkinRect, {r.ItemLeftOffset, r.ItemRightOffset}, width,
                    r.StretchEffect);
        } else if (!r.InActiveTransparent) {
            DrawBar(target_, faces, r.SkinRect, {r.ItemLeftOffset, r.ItemRightOffset}, width,
                    r.InActiveStretchEffect);
        }
        COLORREF color = hl ? r.ActiveFontColor : item_.Enabled() ? r.FontColor : r.UnEnabledFontColor;
        SetFont(color);
        if (look_.drawItself && look_.drawItself(Canvas(), layout_.text, hl))
            return;
        if (IsHeaderItem(item_)) {
            DrawSkinnedHeader();
            return;
        }
        const Rect caption = DrawCaption();
        DrawShortCut(caption);
        if (item_.Count() > 0)
            DrawSubmenuArrow(color);
        if (r.UseImageColor)
            color = hl ? r.ActiveImageColor : r.ImageColor;
        DrawImageOrMark(color);
    }

    void DrawPlain() {
        TCanvas& c = Canvas();
        const Rect all{0, 0, look_.size.cx, look_.size.cy};
        const bool separator = IsSeparatorCaption(item_.Caption());
        if (look_.highlighted && !separator) {
            c.Brush().SetColor(kPlainHighlightFill);
            c.FillRect(all);
            c.Brush().SetColor(kPlainHighlightFrame);
            c.FrameRect(all);
        } else {
            c.Brush().SetColor(platform::clBtnFace);
            c.FillRect({0, 0, layout_.glyph, all.Bottom});
            c.Brush().SetColor(platform::clWindow);
            c.FillRect({layout_.glyph, 0, all.Right, all.Bottom});
        }
        if (separator) {
            c.Brush().SetColor(platform::clBtnShadow);
            c.FillRect({layout_.glyph, all.Bottom / 2, all.Right, all.Bottom / 2 + 1});
            return;
        }
        COLORREF color =
            look_.highlighted || item_.Enabled() ? platform::clWindowText : platform::clBtnShadow;
        if (IsHeaderItem(item_)) {
            c.Brush().SetColor(platform::clBtnShadow);
            c.FillRect(all);
            SetFont(platform::SystemColor(platform::COLOR_BTNHIGHLIGHT));
            Rect text = layout_.text;
            c.DrawText(HeaderText(), text, platform::DT_CENTER);
            return;
        }
        SetFont(color);
        if (look_.drawItself && look_.drawItself(c, layout_.text, look_.highlighted))
            return;
        const Rect caption = DrawCaption();
        DrawShortCut(caption);
        if (item_.Count() > 0)
            DrawSubmenuArrow(color);
        DrawImageOrMark(color);
    }

    std::string HeaderText() const {
        const std::string& c = item_.Caption();
        return c.substr(1, c.size() - 2);
    }

    // The skin's header face ("menuheader", else "label") across the item, centred on its rows,
    // with the caption in the header's font.
    void DrawSkinnedHeader() {
        const TbsDataSkinLabelControl* header = look_.skin->header;
        const Picture* picture = look_.skin->headerPicture;
        if (!header || !picture)
            return;
        const Rect face = ClampRect(header->SkinRect);
        const int32_t y = (look_.size.cy - HeightOfRect(face)) / 2;
        const int32_t width = look_.size.cx;
        DrawBar(
            target_, picture, face,
            {header->LeftTopPoint.X, ClampCoordinate(int64_t(WidthOfRect(face)) - header->RightTopPoint.X)},
            width, header->StretchEffect, y);
        // The header's font keys in the item's character set.
        const SkinFontKeys keys{header->FontName, header->FontHeight, header->FontStyle};
        const framework::TFont& own = look_.font ? *look_.font : Canvas().Font();
        AssignSkinFont(Canvas().Font(), &keys, true, own, look_.skin->data, header->FontColor);
        Canvas().Brush().SetStyle(framework::TBrushStyle::bsClear);
        const Rect client = ClampRect(header->ClientRect);
        Rect text{client.Left, ClampCoordinate(int64_t(client.Top) + y),
                  ClampCoordinate(int64_t(width) + client.Right - WidthOfRect(face)),
                  ClampCoordinate(int64_t(y) + HeightOfRect(face))};
        Canvas().DrawText(HeaderText(), text, platform::DT_CENTER | platform::DT_VCENTER);
    }

    Rect DrawCaption() {
        Rect measure{ClampCoordinate(int64_t(layout_.text.Left) + layout_.glyph), 0,
                     ClampCoordinate(int64_t(layout_.text.Right) - layout_.endGap), 0};
        Canvas().DrawText(item_.Caption(), measure, platform::DT_CALCRECT);
        Rect caption = CaptionRect(layout_, {measure.width(), measure.height()});
        Rect drawn = caption;
        Canvas().DrawText(item_.Caption(), drawn, platform::DT_CENTER | platform::DT_VCENTER);
        return caption;
    }

    void DrawShortCut(const Rect& caption) {
        if (item_.ShortCut() == framework::scNone)
            return;
        const std::string text = framework::ShortCutToText(item_.ShortCut());
        Rect r = ShortCutRect(layout_, Extent(text, platform::DT_NOPREFIX), caption);
        Canvas().DrawText(text, r, platform::DT_RIGHT | platform::DT_NOPREFIX);
    }

    void DrawSubmenuArrow(COLORREF color) {
        const Picture* faces = look_.skin ? look_.skin->faces : nullptr;
        if (record_ && faces && !IsEmptyRect(record_->ArrowImageRect)) {
            const Rect face = look_.highlighted ? record_->ActiveArrowImageRect : record_->ArrowImageRect;
            DrawMarkFace(Canvas(), *faces, face, ArrowFaceArea(layout_, WidthOfRect(ClampRect(face))));
            return;
        }
        DrawBuiltInArrow(Canvas().Handle(), SubmenuArrowAt(layout_), color);
    }

    void DrawImageOrMark(COLORREF color) {
        TCanvas& c = Canvas();
        const framework::TImageList* images = look_.images;
        const bool hasBitmap = !item_.Bitmap().isEmpty();
        const bool hasListImage = images && item_.ImageIndex() >= 0 && item_.ImageIndex() < images->Count();
        if (hasBitmap || hasListImage) {
            const Size size = hasBitmap ? Size{item_.Bitmap().width(), item_.Bitmap().height()}
                                        : Size{images->Width(), images->Height()};
            const Point at = ImageAt(layout_, size);
            if (hasBitmap) {
                platform::Surface picture = item_.Bitmap();
                c.Draw(at.X, at.Y, picture);
            } else {
                images->Draw(c, at.X, at.Y, item_.ImageIndex(), item_.Enabled());
            }
            if (item_.Checked()) {
                c.Brush().SetColor(color);
                c.FrameRect({at.X - 1, at.Y - 1, at.X + size.cx + 1, at.Y + size.cy + 1});
            }
            return;
        }
        const Point at = MarkAt(layout_);
        if (DrawWindowCommandGlyph(at, color) || !item_.Checked())
            return;
        // The record's mark face when it has one, else the built-in mark (a radio dot a pixel lower).
        const bool radio = item_.RadioItem();
        Rect face;
        if (record_)
            face = radio ? (look_.highlighted ? record_->ActiveRadioImageRect : record_->RadioImageRect)
                         : (look_.highlighted ? record_->ActiveCheckImageRect : record_->CheckImageRect);
        const Picture* faces = look_.skin ? look_.skin->faces : nullptr;
        if (faces && !IsEmptyRect(face))
            DrawMarkFace(c, *faces, face, MarkFaceArea(*record_));
        else if (radio)
            DrawBuiltInRadio(c.Handle(), {at.X, at.Y + 1}, color);
        else
            DrawBuiltInCheck(c.Handle(), at, color);
    }

    // System-menu items are known by their names and show the window command they carry out.
    bool DrawWindowCommandGlyph(Point at, COLORREF color) {
        struct NamedGlyph {
            std::string_view name;
            StandardGlyph glyph;
        };
        static constexpr NamedGlyph kNamed[] = {
            {"BSF_CLOSE", StandardGlyph::Close},      {"TRAY_BSF_CLOSE", StandardGlyph::Close},
            {"BSF_MINITEM", StandardGlyph::Minimize}, {"BSF_MAXITEM", StandardGlyph::Maximize},
            {"BSF_RESTORE", StandardGlyph::Restore},  {"TRAY_BSF_RESTORE", StandardGlyph::Restore},
            {"BSF_ROLLUP", StandardGlyph::RollUp},    {"BSF_MINTOTRAY", StandardGlyph::Tray},
        };
        for (const NamedGlyph& g : kNamed) {
            if (item_.Name() == g.name) {
                DrawStandardGlyph(Canvas().Handle(), g.glyph, at.X, at.Y, platform::ColorToRGB(color));
                return true;
            }
        }
        return false;
    }

    const ItemLook& look_;
    const TMenuItem& item_;
    const TbsDataSkinMenuItem* record_;
    TBitmap& target_;
    const ItemLayout layout_;
};

}  // namespace

void DrawItemPicture(const ItemLook& look, TBitmap& target) {
    if (!look.item || look.size.cx <= 0 || look.size.cy <= 0 ||
        !Picture::SizeAllowed(look.size.cx, look.size.cy)) {
        target.Clear();
        return;
    }
    ItemPainter(look, target).Draw();
}

void DrawMorphedItemPicture(const ItemLook& look, TMorphKind kind, double progress, TBitmap& target) {
    ItemLook normal = look, highlighted = look;
    normal.highlighted = false;
    highlighted.highlighted = true;
    TBitmap active;
    DrawItemPicture(normal, target);
    DrawItemPicture(highlighted, active);
    if (target.Empty() || active.Empty())
        return;
    TbsEffectBmp a(target.Surface());
    Morph(a, TbsEffectBmp(active.Surface()), kind, std::clamp(progress, 0.0, 1.0));
    target.Surface() = a.ToPicture();
}

}  // namespace skin
