// TbsSkinForm: the component that draws a form's whole non-client area from a skin. Dropped on a
// form, it takes over the form's message path (SkinWindowProc, with the previous handler kept and
// put back when the component goes), and from then on sizes, paints and shapes the frame, keeps
// its caption objects, and hands skin changes on to the skinned controls of its form.
//
// Messages reach SkinWindowProc in two stages: stage one looks at every message and passes what
// it does not consume to the previous handler exactly once; stage two handles the non-client mouse
// messages after the previous handler has seen them. The tables are in skin_form_hook.cpp.
//
// Files: skin_form.cpp (properties, construction), skin_form_hook.cpp (the message tables),
// skin_form_paint.cpp (frame, plain frame, client background), skin_form_apply.cpp (skins, sizes,
// regions, activation, showing).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls/control.h"
#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/core/timer.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "framework/menus/popup_menu.h"
#include "platform/geometry.h"
#include "platform/gfx/font.h"
#include "platform/gfx/gdi_object.h"
#include "platform/gfx/icon.h"
#include "skin/frame/button_states.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/layer_border.h"
#include "skin/frame/magnetic_snap.h"
#include "skin/frame/system_menu.h"
#include "skin/menus/menu_host.h"
#include "skin/render/frame_strips.h"
#include "skin/render/layer_manager.h"

namespace skin {

class TbsSkinData;

// Requests other programs may send a skinned window, and their answers.
enum : uint32_t {
    SKM_FRAMEQUERY = 0xB1B2,
    SKM_LAYERSUSPEND = 0xB1B3,
    SKM_LAYERRESUME = 0xB1B4,
    SKM_PRINTFRAME = 0xB1C9,
    SKM_PRINTFRAME2 = 0xBC4B,
};
constexpr platform::LRESULT kFrameQuerySkinned = 0x3235;
constexpr platform::LRESULT kFrameQueryPlain = 0x3234;
constexpr platform::LRESULT kPrintFrameDone = 0x3233;
constexpr platform::LPARAM kPrintFrame2Key = 0x41A2;
// The platform timer on the form's window that starts the fade-in.
constexpr platform::UINT_PTR kFadeInTimer = 1;

enum class TbsFormState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class TbsPositionInMonitor { bspDefault, bspScreenCenter, bspDesktopCenter };
enum class TbsClientInActiveEffect { bsieSemiTransparent, bsieBlur };

}  // namespace skin

template <>
struct framework::EnumNames<skin::TbsPositionInMonitor> {
    static constexpr std::array names{"bspDefault", "bspScreenCenter", "bspDesktopCenter"};
    static_assert(names.size() == size_t(skin::TbsPositionInMonitor::bspDesktopCenter) + 1);
};
template <>
struct framework::EnumNames<skin::TbsClientInActiveEffect> {
    static constexpr std::array names{"bsieSemiTransparent", "bsieBlur"};
    static_assert(names.size() == size_t(skin::TbsClientInActiveEffect::bsieBlur) + 1);
};

namespace skin {

using TbsCaptionPaintEvent = std::function<void(platform::HDC canvas, const platform::Rect& r, bool active)>;
using TbsPaintEvent =
    std::function<void(const std::string& idName, platform::HDC canvas, const platform::Rect& objectRect)>;
using TbsMouseEnterEvent = std::function<void(const std::string& idName)>;
using TbsMouseLeaveEvent = std::function<void(const std::string& idName)>;
using TbsMouseDownEvent =
    std::function<void(const std::string& idName, int32_t x, int32_t y, const platform::Rect& objectRect,
                       framework::TMouseButton button)>;
using TbsMouseUpEvent = TbsMouseDownEvent;
using TbsMouseMoveEvent =
    std::function<void(const std::string& idName, int32_t x, int32_t y, const platform::Rect& objectRect)>;
using TbsActivateCustomObjectEvent = std::function<void(const std::string& idName, bool& objectVisible)>;

class TbsSkinMenu;

class TbsSkinForm : public framework::TComponent, public TbsSkinMenuHost {
  public:
    // Attaches to `owner`, which must be a form (EInvalidCast otherwise, and nothing is hooked).
    explicit TbsSkinForm(framework::TComponent* owner);
    ~TbsSkinForm() override;
    static framework::PersistentClass Published();

    // --- Published properties ---
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data);
    TbsSkinData* MenusSkinData() const { return menusSkinData_; }
    void SetMenusSkinData(TbsSkinData* data);
    TbsBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TbsBorderIcons icons);
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool value);
    framework::TFont& DefCaptionFont() { return defCaptionFont_; }
    framework::TFont& DefInActiveCaptionFont() { return defInActiveCaptionFont_; }
    int32_t MinWidth() const { return minWidth_; }
    void SetMinWidth(int32_t v) { minWidth_ = v; }
    int32_t MinHeight() const { return minHeight_; }
    void SetMinHeight(int32_t v) { minHeight_ = v; }
    int32_t MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int32_t v) { maxWidth_ = v; }
    int32_t MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int32_t v) { maxHeight_ = v; }
    int32_t ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int32_t v) { clientWidth_ = v; }
    int32_t ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int32_t v) { clientHeight_ = v; }
    bool AlwaysResize() const { return alwaysResize_; }
    void SetAlwaysResize(bool v) { alwaysResize_ = v; }
    bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
    void SetMaximizeOnFullScreen(bool v) { maximizeOnFullScreen_ = v; }
    TbsPositionInMonitor PositionInMonitor() const { return positionInMonitor_; }
    void SetPositionInMonitor(TbsPositionInMonitor v) { positionInMonitor_ = v; }
    bool Magnetic() const { return magnetic_; }
    void SetMagnetic(bool v) { magnetic_ = v; }
    uint8_t MagneticSize() const { return magneticSize_; }
    void SetMagneticSize(uint8_t v) { magneticSize_ = v; }
    bool HideCaptionButtons() const { return hideCaptionButtons_; }
    void SetHideCaptionButtons(bool v) { hideCaptionButtons_ = v; }
    bool DisableSystemMenu() const { return disableSystemMenu_; }
    void SetDisableSystemMenu(bool v) { disableSystemMenu_ = v; }
    bool UseDefaultSysMenu() const { return useDefaultSysMenu_; }
    void SetUseDefaultSysMenu(bool v) { useDefaultSysMenu_ = v; }
    framework::TPopupMenu* SystemMenu() const { return systemMenu_; }
    void SetSystemMenu(framework::TPopupMenu* menu);
    bool UseFormCursorInNCArea() const { return useFormCursorInNCArea_; }
    void SetUseFormCursorInNCArea(bool v) { useFormCursorInNCArea_ = v; }
    bool ClientInActiveEffect() const { return clientInActiveEffect_; }
    void SetClientInActiveEffect(bool v) { clientInActiveEffect_ = v; }
    TbsClientInActiveEffect ClientInActiveEffectType() const { return clientInActiveEffectType_; }
    void SetClientInActiveEffectType(TbsClientInActiveEffect v) { clientInActiveEffectType_ = v; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool v);
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t v);
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool v) { alphaBlendAnimation_ = v; }
    framework::TBitmap& LogoBitMap() { return logo_; }
    bool LogoBitMapTransparent() const { return logoTransparent_; }
    void SetLogoBitMapTransparent(bool v) { logoTransparent_ = v; }
    bool ShowObjectHint() const { return showObjectHint_; }
    void SetShowObjectHint(bool v) { showObjectHint_ = v; }
    bool UseDefaultObjectHint() const { return useDefaultObjectHint_; }
    void SetUseDefaultObjectHint(bool v) { useDefaultObjectHint_ = v; }
    // The hint window used for object hints (a skinned hint component of the form).
    framework::TComponent* SkinHint() const { return skinHint_; }
    void SetSkinHint(framework::TComponent* hint);
    // What the skinned menu driver of the system menu is given.
    int32_t DefMenuItemHeight() const { return defMenuItemHeight_; }
    void SetDefMenuItemHeight(int32_t v) { defMenuItemHeight_ = v; }
    framework::TFont& DefMenuItemFont() { return defMenuItemFont_; }
    bool UseSkinFontInMenu() const { return useSkinFontInMenu_; }
    void SetUseSkinFontInMenu(bool v) { useSkinFontInMenu_ = v; }
    bool MenusAlphaBlend() const { return menusAlphaBlend_; }
    void SetMenusAlphaBlend(bool v) { menusAlphaBlend_ = v; }
    bool MenusAlphaBlendAnimation() const { return menusAlphaBlendAnimation_; }
    void SetMenusAlphaBlendAnimation(bool v) { menusAlphaBlendAnimation_ = v; }
    uint8_t MenusAlphaBlendValue() const { return menusAlphaBlendValue_; }
    void SetMenusAlphaBlendValue(uint8_t v) { menusAlphaBlendValue_ = v; }
    int32_t MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
    void SetMaxMenuItemsInWindow(int32_t v);
    bool QuickButtonsShowHint() const { return quickButtonsShowHint_; }
    void SetQuickButtonsShowHint(bool v) { quickButtonsShowHint_ = v; }
    bool QuickButtonsShowDivider() const { return quickButtonsShowDivider_; }
    void SetQuickButtonsShowDivider(bool v) { quickButtonsShowDivider_ = v; }
    bool AlwaysShowInTray() const { return alwaysShowInTray_; }
    void SetAlwaysShowInTray(bool v) { alwaysShowInTray_ = v; }
    bool AlwaysMinimizeToTray() const { return alwaysMinimizeToTray_; }
    void SetAlwaysMinimizeToTray(bool v) { alwaysMinimizeToTray_ = v; }

    // --- Published events ---
    framework::TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
    framework::TNotifyEvent OnActivate, OnDeActivate, OnMinimize, OnMaximize, OnRestore, OnChangeRollUpState;
    framework::TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose, OnMinimizeToTray, OnRestoreFromTray;
    framework::TNotifyEvent OnMainMenuEnter, OnMainMenuExit;
    TbsCaptionPaintEvent OnCaptionPaint;
    TbsPaintEvent OnPaintEvent;
    TbsMouseEnterEvent OnMouseEnterEvent;
    TbsMouseLeaveEvent OnMouseLeaveEvent;
    TbsMouseDownEvent OnMouseDownEvent;
    TbsMouseUpEvent OnMouseUpEvent;
    TbsMouseMoveEvent OnMouseMoveEvent;
    TbsActivateCustomObjectEvent OnActivateCustomObject;
    framework::TShortCutEvent OnShortCut;

    // --- State ---
    framework::TForm* OwnerForm() const { return form_; }
    bool Skinnable() const { return skinnable_; }
    bool SkinApplied() const { return skinApplied_; }
    bool FrameActive() const { return frameActive_; }
    TbsFormState FormState() const { return formState_; }
    bool RolledUp() const { return rolledUp_; }
    bool RolledUpMaximized() const { return rolledUpMaximized_; }
    // The bounds a restore returns to; empty while none is held.
    const platform::Rect& RestoreBounds() const { return restoreBounds_; }
    int32_t RollUpHeight() const { return rollUpHeight_; }
    int32_t FrameWidth() const { return frameWidth_; }
    int32_t FrameHeight() const { return frameHeight_; }
    const std::vector<std::unique_ptr<TbsActiveSkinObject>>& FrameObjects() const { return objects_; }
    // The object of that skin record name, or null.
    TbsActiveSkinObject* FindObject(std::string_view idName) const;
    // The index of `object` in FrameObjects, or -1 (it went with a skin change).
    int32_t FindObjectIndex(const TbsActiveSkinObject* object) const;
    int32_t HotIndex() const { return hotIndex_; }
    int32_t PreviousHotIndex() const { return previousHotIndex_; }
    int32_t CapturedIndex() const { return capturedIndex_; }
    bool InSizeMove() const { return inSizeMove_; }
    bool LiveSizing() const { return liveSizing_; }
    platform::HRGN WindowRegion() const { return windowRegion_; }
    // The geometry the frame was last built for.
    const FrameGeometry& Geometry() const { return geometry_; }
    framework::TTimer& MouseTrackTimer() { return *mouseTrackTimer_; }
    framework::TTimer& MorphTimer() { return *morphTimer_; }
    framework::TTimer& AnimationTimer() { return *animationTimer_; }
    // The four mask strips of the last region (kept for the hit test of shaped windows).
    const FrameStrips& MaskStrips() const { return maskStrips_; }

    // --- The frame ---
    // The form's message handler while the component is attached.
    void SkinWindowProc(framework::TMessage& message);
    void ApplySkin();
    void UpdateFrame(bool rebuild);
    void UpdateRegion(bool rebuild);
    void CalcFrameGeometry();
    platform::Rect MapSkinRect(const platform::Rect& r) const { return skin::MapSkinRect(geometry_, r); }
    void LayoutObjects();
    // Into `dc`, or into the window's own DC when null.
    void PaintFrame(platform::HDC dc);
    void PaintDefaultFrame(platform::HDC dc);
    void PaintClientBackground(platform::HDC dc);
    void RedrawObject(TbsActiveSkinObject& object);
    void CreateSkinObjects();
    void UpdateButtonStates();
    void SetCaptionActive(bool animate);
    // One step of the morph between normal and active images of every object that needs one.
    void MorphStep();
    // One step of the caption's and the animate objects' animations.
    void AnimationStep();
    void StartMorphing();
    void StartAnimating();

    // --- The pointer over the frame objects ---
    // Finds the object under a window-relative point (none unless `track`), and moves the hover
    // from the previous one to it.
    void TrackHotObject(int32_t x, int32_t y, bool track);
    // Whether hover may be followed now: objects there, the window active, no size/move loop, the
    // layered border not being dragged, a border.
    bool HoverAllowed() const;
    // The index of the first enabled, visible object whose rectangle and mask take the point, or -1.
    int32_t ObjectAt(platform::Point p) const;
    // The hover moves from one object to another (either -1 for none): leave, enter, object hints.
    void MoveHover(int32_t from, int32_t to);
    // The hot object is left.
    void LeaveHotObject() { TrackHotObject(0, 0, false); }
    // One tick of the mouse-track timer: hover follows the cursor, and stops where it left.
    void MouseTrackTick();
    // A caption button's command (or an animate object's in button style).
    void RunObjectCommand(TStdCommand command);
    // The form's normal close, which the form may refuse.
    void CloseForm();
    // An object's rectangle on the screen.
    platform::Rect ObjectScreenRect(const TbsActiveSkinObject& object) const;
    TbsLayerManager& CaptionGlow() { return captionGlow_; }
    TbsLayerManager& MenuButtonGlow() { return menuButtonGlow_; }
    // Expires when the component goes (a command may free the form and its frame).
    std::weak_ptr<bool> AliveToken() const { return alive_; }

    // --- The system menu and the menus of buttons ---
    // The items the system menu shows (not rebuilt).
    framework::TMenuItem* SystemMenuRoot() const;
    // Rebuilds the items for the window's state and returns them.
    framework::TMenuItem* BuildSystemMenu();
    // Opens the system menu at a screen point, or below a screen rectangle.
    void ShowSystemMenu(platform::Point at);
    void ShowSystemMenuBelow(const platform::Rect& screen);
    // Below the enabled system-menu button, as Alt+Space does; false without one.
    bool ShowSystemMenuBelowButton();
    // A pressed button opens its menu below (or above) itself.
    void PopupObjectMenu(TbsSkinButtonObject& button);
    bool SkinMenuOpen() const { return skinMenuOpen_; }
    TbsSkinMenu& MenuDriver() override;
    TbsSkinData* MenuSkinData() const override;
    void MenuOpening() override;

    // --- Window behaviour the frame needs ---
    bool IsFormActive() const;
    bool IsResizable() const;
    int32_t MinFormWidth() const;
    int32_t MinFormHeight() const;
    int32_t MaxFormWidth() const;
    int32_t MaxFormHeight() const;
    void ForceFrameRecalc();
    // Minimises (the application, for its main form), maximises to the monitor's work area or
    // restores the bounds held from before.
    void ChangeFormState(TbsFormState state);
    // Rolls the window up to its caption or down again (needs biRollUp).
    void SetRollUp(bool flag);
    // Where a window dragged to `topLeft` goes near its monitor's work area edges.
    platform::Point SnapToScreenEdges(platform::Point topLeft, platform::Size size);
    int HitTestFrame(platform::Point p) const;
    int HitTestDefaultFrame(platform::Point p) const;
    // A layered border carries the whole frame: the skin's LAYERFRAME asks for it ("fullborder"),
    // the border is in use and the display composes alpha. Without a compositor the border's
    // windows cannot show, so the form then wears its normal skinned frame, and switches when
    // composition comes or goes (followed on every place, state or activation change, and on
    // WM_DWMCOMPOSITIONCHANGED).
    bool LayeredBorderDrawsFrame() const { return layerDrawsFrame_; }
    // The layered border moves or sizes the form (its move and size loops run meanwhile).
    bool LayerBorderDragging() const { return layerDragging_; }
    void SetLayerBorderDragging(bool dragging) { layerDragging_ = dragging; }
    // The frame objects laid out on a layered border's top strip for its outer size.
    void LayoutObjectsOnBorder(const LayerFrameLayout& layout, platform::Size outer);
    // The skin's layered border is in use: a skin with a usable LAYERFRAME, ShowLayeredBorders on,
    // layering supported, the form skinnable and bordered, and no SKM_LAYERSUSPEND in force.
    bool LayeredBordersEnabled() const;
    TbsFormLayerBorder& LayerBorder() { return *layerBorder_; }
    const TbsFormLayerBorder& LayerBorder() const { return *layerBorder_; }

    // --- What frame objects draw with ---
    std::u16string CaptionText() const;
    platform::LOGFONT CaptionFont(const TbsDataSkinCaption& caption) const;
    // The window's small icon, copied once at the small-icon size.
    platform::HICON SmallIcon() const;
    platform::Size SmallIconSize() const;

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override;
    void Loaded() override;

  private:
    friend class SkinFormHook;
    friend class TbsFormLayerBorder;  // the caption double-click rule on the border's caption
    platform::HWND Window() const;
    // A skin is applied and its data still there (it may go away at any time).
    bool Skinned() const;
    bool BorderStyleNone() const;
    bool ToolWindow() const;
    bool Designing() const { return InState(framework::csDesigning); }
    bool Reading() const { return InState(framework::csLoading); }
    platform::Size WindowSize() const;
    void TakeWindowSize();
    void PassOn(framework::TMessage& message);
    void SendNcPaint();
    void SetRegion(platform::HRGN region);
    void FreeObjects();
    void MakeDefaultButtons();
    void UpdateDefaultHints();
    void ResetHoverStates();
    void FitToSizeLimits();
    void FadeInStep();
    void PrepareFadeIn();
    void SkinChange(uint32_t message, TbsSkinData* sender);
    void SkinnableChanged();
    void HandOverSkinChange(const TbsSkinData* sender, bool before);
    std::vector<FrameObjectPlacement> Placements() const;
    void ApplyPlacements(const std::vector<FrameObjectPlacement>& placements);
    // Stage one; returns true when the message was dealt with (and passed on where the table says).
    bool StageOne(framework::TMessage& message);
    void StageTwo(framework::TMessage& message);
    void NcCalcSize(framework::TMessage& message);
    void SizeChanged(framework::TMessage& message);
    void Sizing(framework::TMessage& message);
    void NcActivate(framework::TMessage& message);
    void ShowWindowMessage(framework::TMessage& message);
    // The form's place, size, state or visibility changed: the layered border follows.
    void LayerBorderFollows();
    // Whether the layered border should carry the whole frame now.
    bool LayerDrawsFrameNow() const;
    // Switches between the normal frame and the border's, when that changed.
    void FollowLayerFrameMode();
    // The height a window `windowHeight` high shows while the border carries its frame.
    int32_t FullBorderShownHeight(int32_t windowHeight) const;
    void SuspendLayerBorder(bool suspend);
    void PrintFrame(framework::TMessage& message, platform::LRESULT answer);
    void DrawStrips(platform::HDC dc, const FrameStrips& strips, platform::Size size) const;
    platform::Point ScreenToFrame(platform::Point screen) const;
    void PressObject(platform::Point p, framework::TMouseButton button);
    void ReleaseObject(platform::Point p, framework::TMouseButton button);
    void MoveOverObject(platform::Point p);
    void DoubleClickObject();
    void CaptionDoubleClick();
    void ShowObjectHint(TbsActiveSkinObject& object, bool show);
    void MenuClosed();
    void Moving(framework::TMessage& message);
    void EnterSizeMove();
    void ExitSizeMove();
    bool ShortCut(framework::TWMKey& key);
    void RunSystemMenuCommand(SystemMenuCommand command);
    void Minimize();
    void Maximize();
    void Restore();
    void PopupMenuItems(framework::TMenuItem* root, const platform::Rect& below, bool upward);
    platform::Point ParkingSlot() const;
    platform::Rect MonitorArea(bool workArea) const;

    framework::TForm* form_ = nullptr;
    framework::TWndMethod previous_;
    TbsSkinData* skinData_ = nullptr;
    TbsSkinData* menusSkinData_ = nullptr;
    TbsBorderIcons borderIcons_{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                                TbsBorderIcon::biMaximize, TbsBorderIcon::biRollUp};
    bool showIcon_ = false;
    framework::TFont defCaptionFont_, defInActiveCaptionFont_, defMenuItemFont_;
    int32_t minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
    int32_t clientWidth_ = 0, clientHeight_ = 0;
    bool alwaysResize_ = false;
    bool maximizeOnFullScreen_ = false;
    TbsPositionInMonitor positionInMonitor_ = TbsPositionInMonitor::bspDefault;
    bool magnetic_ = false;
    uint8_t magneticSize_ = 5;
    bool hideCaptionButtons_ = false;
    bool disableSystemMenu_ = false;
    bool useDefaultSysMenu_ = true;
    framework::TPopupMenu* systemMenu_ = nullptr;
    bool useFormCursorInNCArea_ = false;
    bool clientInActiveEffect_ = false;
    TbsClientInActiveEffect clientInActiveEffectType_ = TbsClientInActiveEffect::bsieSemiTransparent;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool alphaBlendAnimation_ = false;
    framework::TBitmap logo_;
    bool logoTransparent_ = false;
    bool showObjectHint_ = false;
    bool useDefaultObjectHint_ = true;
    framework::TComponent* skinHint_ = nullptr;
    int32_t defMenuItemHeight_ = 20;
    bool useSkinFontInMenu_ = true;
    bool menusAlphaBlend_ = false;
    bool menusAlphaBlendAnimation_ = false;
    uint8_t menusAlphaBlendValue_ = 200;
    int32_t maxMenuItemsInWindow_ = 0;
    bool quickButtonsShowHint_ = false;
    bool quickButtonsShowDivider_ = true;
    bool alwaysShowInTray_ = false;
    bool alwaysMinimizeToTray_ = false;

    bool skinnable_ = true;
    bool skinApplied_ = false;
    bool changingSkin_ = false;
    bool frameActive_ = false;
    TbsFormState formState_ = TbsFormState::Normal;
    bool rolledUp_ = false;
    bool rolledUpMaximized_ = false;
    platform::Rect restoreBounds_;
    int32_t rollUpHeight_ = 0;
    bool firstShow_ = true;
    int32_t frameWidth_ = 0, frameHeight_ = 0;
    FrameGeometry geometry_;
    std::vector<std::unique_ptr<TbsActiveSkinObject>> objects_;
    int32_t hotIndex_ = -1, previousHotIndex_ = -1, capturedIndex_ = -1;
    bool inSizeMove_ = false, liveSizing_ = false, dragFullWindows_ = true;
    framework::TTimer* mouseTrackTimer_ = nullptr;
    framework::TTimer* morphTimer_ = nullptr;
    framework::TTimer* animationTimer_ = nullptr;
    platform::HRGN windowRegion_ = nullptr;
    FrameStrips maskStrips_;
    FrameStrips paintStrips_;  // the frame's pixels, composed anew by every paint
    TbsLayerManager captionGlow_, menuButtonGlow_;
    std::unique_ptr<TbsFormLayerBorder> layerBorder_;
    bool layerSuspended_ = false;
    bool layerDrawsFrame_ = false;
    bool layerDragging_ = false;
    bool switchingLayerMode_ = false;
    std::unique_ptr<framework::TPopupMenu> defaultSystemMenu_;
    TbsSkinMenu* menuDriver_ = nullptr;
    bool skinMenuOpen_ = false;
    bool rolledUpWhenMaximized_ = false;
    MagneticEdges magneticEdges_;
    // The system menu opened by a press on its button: a second press there closes the window.
    struct {
        bool valid = false;
        uint32_t tick = 0;
        platform::Rect button;
    } systemMenuPress_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    mutable platform::HICON smallIcon_ = nullptr;
    bool osVersion6OrLater_ = false, osVersion61_ = false, layeringSupported_ = false;
};

// Registers TbsSkinForm with form data.
void RegisterSkinFrameClasses();

}  // namespace skin
