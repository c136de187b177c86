// TbsSkinTabControl: the result tab strip, every pixel drawn by the skin engine — the row of tabs,
// the frame around the page area, a close box on each tab, the tab under the pointer lit, and a
// skinned scroller (TbsSkinUpDown) in place of the strip's own arrows when one row of tabs does not
// fit. The framework's tab control underneath keeps the tabs, the selection, the keyboard and the
// tab geometry; this control moves the tabs and the page onto the skin's frame (tab_geometry.h)
// and paints everything itself. Without a tab record ("tab") it draws a plain built-in look.
//
// The program's own selection changes (TabIndex) raise no OnChange; a click or the keyboard do.
// A close box's press and release inside it close the selected tab (which the press selected):
// OnClose may refuse, OnAfterClose is told after the tab has gone. A middle click on a tab does the
// same: the press selects the tab as a left press does, the release over the same tab closes it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls/tab_control.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/controls/close_box.h"
#include "skin/controls/skinned_control.h"
#include "skin/controls/tab_geometry.h"
#include "skin/controls/tab_skin.h"

namespace framework {
class TImageList;
}

namespace skin {

class TbsSkinUpDown;

enum class TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Asked before tab `index` is closed; canClose arrives true.
using TbsCloseEvent2 = std::function<void(int index, bool& canClose)>;
// Draws caption and image of a tab in place of the control (rct is the tab's face).
using TbsDrawSkinTabEvent = std::function<void(int tabIndex, const platform::Rect& rct, bool active,
                                               bool mouseIn, framework::TCanvas& cnvs)>;

class TbsSkinTabControl : public framework::TTabControl, public SkinnedControl {
  public:
    explicit TbsSkinTabControl(framework::TComponent* owner);
    ~TbsSkinTabControl() override;
    static framework::PersistentClass Published();

    // --- Published ---
    // Lay image and caption out by TabLayout, TabMargin and TabSpacing.
    bool TabExtededDraw() const { return extendedDraw_; }
    void SetTabExtededDraw(bool on);
    // -1 centres image and caption together; values below -1 are refused.
    int TabMargin() const { return tabMargin_; }
    void SetTabMargin(int margin);
    int TabSpacing() const { return tabSpacing_; }
    void SetTabSpacing(int spacing);
    TbsButtonLayout TabLayout() const { return tabLayout_; }
    void SetTabLayout(TbsButtonLayout layout);
    // With left or right tabs, captions stay horizontal.
    bool TextInHorizontal() const { return textInHorizontal_; }
    void SetTextInHorizontal(bool on);
    // Tab images: image i for tab i.
    framework::TImageList* Images() const { return images_; }
    void SetImages(framework::TImageList* images);
    bool ShowCloseButtons() const { return showCloseButtons_; }
    void SetShowCloseButtons(bool show);
    // The row shows what lies behind the control instead of the skin's strip background.
    bool TabsBGTransparent() const { return tabsBGTransparent_; }
    void SetTabsBGTransparent(bool on);
    // Caption font without a skin or with UseSkinFont off.
    framework::TFont& DefaultFont() { return *defaultFont_; }
    void SetDefaultFont(const framework::TFont& font) { defaultFont_->Assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use) { useSkinFont_ = use; }
    // Tab height without a skin while TabHeight is 0.
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int height);
    TbsSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(TbsSkinData* skinData);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
    // Left and right tabs turn the image slot (hides the base's setter).
    void SetTabPosition(framework::TTabPosition position);

    TbsCloseEvent2 OnClose;
    framework::TNotifyEvent OnAfterClose;
    TbsDrawSkinTabEvent OnDrawSkinTab;
    // The pointer has left the control.
    framework::TNotifyEvent OnMouseLeave;

    // --- Skin ---
    void ChangeSkinData() override;
    void ResetSkinIndex() override;
    // The tab record's position among the skin's control records, -1 without one.
    int SkinIndex() const { return skinIndex_; }
    const std::optional<TabSkin>& Skin() const { return skin_; }
    // The close boxes' size: 14, or the width of the record's "closebuttonrect".
    int CloseBoxSize() const { return closeBoxSize_; }

    // --- Geometry (all drawing and hit testing) ---
    // Tab i on the frame (empty when i is no tab).
    platform::Rect TabRect(int index);
    // Where the page and the client-aligned children (the browser) go.
    platform::Rect DisplayArea();
    // The frame rectangle F around the display area.
    platform::Rect FrameRect();
    // The selected tab pushed toward the page; empty when no tab is selected.
    platform::Rect ActiveTabExtent();

    // --- Painting ---
    // The control's background (WM_ERASEBKGND, and for children that show what lies behind them).
    void PaintTabBackground(platform::HDC dc);
    void DrawTabs(framework::TCanvas& canvas);
    void DrawTab(int index, const platform::Rect& rect, framework::TCanvas& canvas, bool active, bool hot);

    // --- Pointer and closing ---
    int HotTab() const { return hotTab_; }
    // Tab i's close box (all clear for a tab that has none yet).
    CloseBoxState CloseBox(int index) const { return closeBoxes_.Get(index); }
    // Asks OnClose and removes the selected tab, then tells OnAfterClose.
    void CloseSelectedTab();
    // The same for tab `index`, selected or not (nothing for an index that is no tab).
    void CloseTab(int index);
    // The tab under a client point, or -1.
    int TabAt(platform::Point point);
    // Whether tab i lies wholly in the visible part of the row (not cut by an end or the scroller).
    bool TabFullyShown(int index);

    // --- The scroller ---
    TbsSkinUpDown* Scroller() const { return scroller_; }
    int HiddenTabCount();
    int LeftHiddenTabCount();
    static constexpr int kScrollerWidth = 36;
    static constexpr int kScrollerHeight = 18;

    void Loaded() override;

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override;
    void WndProc(framework::TMessage& message) override;
    void Dispatch(framework::TMessage& message) override;
    void PaintWindow(platform::HDC dc) override;
    void AdjustClientRect(platform::Rect& rect) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
    void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
    void MouseMove(framework::TShiftState shift, int x, int y) override;
    void Change() override;

  private:
    bool DesignMode() const { return InState(framework::csDesigning); }
    bool OneRow() const;
    std::optional<BorderWidths> RecordBorders() const;
    void ReadTabSkin();
    void UpdateImageSlot();
    void AdjustAnswer(framework::TMessage& message);

    void PaintDefaultFrame(framework::TCanvas& canvas);
    void PaintClientFrame(framework::TCanvas& canvas);
    void PaintPageBackground(framework::TCanvas& canvas, const Picture& picture, const platform::Rect& tile);
    framework::TBitmap ComposeTabFace(int index, platform::Size size, bool active, bool hot, bool focused,
                                      framework::TColor& captionColor);
    void CentreImageAndCaption(framework::TCanvas& canvas, int32_t w, int32_t h, int32_t shift, int index,
                               const std::string& caption);
    // Draws the row now, outside a paint (on the window's own DC).
    void DrawTabsNow();

    void TrackHotTab(std::optional<platform::Point> point);
    bool PointInCloseBox(int index, platform::Point point);
    void PointerLeft();

    std::vector<platform::Rect> TabRects();
    void UpdateScroller();
    void CreateScroller();
    void PlaceScroller();
    void UpdateScrollerPosition();
    void SyncScrollerPosition();
    void ScrollerChanged();
    void DestroyStripArrows();

    bool extendedDraw_ = false;
    int tabMargin_ = -1;
    int tabSpacing_ = 1;
    TbsButtonLayout tabLayout_ = TbsButtonLayout::blGlyphLeft;
    bool textInHorizontal_ = false;
    framework::TImageList* images_ = nullptr;
    int imagesListener_ = 0;
    bool showCloseButtons_ = false;
    bool tabsBGTransparent_ = false;
    std::unique_ptr<framework::TFont> defaultFont_;
    bool useSkinFont_ = true;
    int defaultItemHeight_ = 20;
    TbsSkinData* skinData_ = nullptr;
    std::string skinDataName_ = "tab";

    int skinIndex_ = -1;
    std::optional<TabSkin> skin_;
    int closeBoxSize_ = kDefaultCloseBoxSize;
    std::unique_ptr<framework::TImageList> slotImages_;
    CloseBoxStates closeBoxes_;
    int hotTab_ = -1;
    int previousHotTab_ = -1;
    int middlePressedTab_ = -1;
    bool painting_ = false;
    TbsSkinUpDown* scroller_ = nullptr;
    std::unique_ptr<framework::TCanvas> canvas_;
};

}  // namespace skin

template <>
struct framework::EnumNames<skin::TbsButtonLayout> {
    static constexpr std::array names{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
    static_assert(names.size() == size_t(skin::TbsButtonLayout::blGlyphBottom) + 1);
};
