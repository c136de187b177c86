// The tab control: a row of tabs over a page area, on the platform's tab strip window
// (tab_strip_window.h), which keeps the tabs, the selection, the tab geometry and the scroll
// arrows. The control adds the tab list as captions, the events, the image slot, and the page area
// its aligned children fill.
//
// The skinned tab strip derives from it: it overrides the paint-window operation, the window
// procedure (to adjust TCM_GETITEMRECT and TCM_ADJUSTRECT), the mouse operations and Change, and
// handles WM_SIZE, WM_PAINT, WM_ERASEBKGND, WM_HSCROLL and CM_MOUSELEAVE in its Dispatch.
//
// Events: OnChanging (may refuse) and OnChange come only from the user (a press on a tab, Left and
// Right); setting TabIndex raises neither. A press on a tab selects it and raises both before the
// control's MouseDown sees the press. Adding or removing a tab re-lays the strip out and sends the
// control WM_SIZE.
#pragma once

#include <string>
#include <vector>

#include "framework/controls/tab_strip_window.h"
#include "framework/controls/win_control.h"
#include "framework/core/properties.h"

namespace framework {

class TImageList;

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TTabControl : public TWinControl {
  public:
    explicit TTabControl(TComponent* owner);
    ~TTabControl() override;
    static PersistentClass Published();

    // --- Tabs ---
    int TabCount() const { return int(tabs_.size()); }
    const std::string& Tab(int index) const { return tabs_.at(size_t(index)); }
    const std::vector<std::string>& Tabs() const { return tabs_; }
    void SetTabs(const std::vector<std::string>& captions);
    int AddTab(const std::string& caption);
    void InsertTab(int index, const std::string& caption);
    void DeleteTab(int index);
    void SetTabCaption(int index, const std::string& caption);
    void ClearTabs();

    // -1 for none. Setting it raises no event; a negative value leaves no tab selected and a value
    // of TabCount or more is ignored.
    int TabIndex() const;
    void SetTabIndex(int index);
    // Selects tab `index` as a press on it would: OnChanging may refuse, OnChange follows. Nothing
    // happens for the selected tab or an index that is no tab.
    void SelectTabAsUser(int index);
    // Selects the next (or previous) tab as the user does, wrapping round at the ends; without a
    // selection the first (or last) tab.
    void SelectNextTab(bool forward);

    // --- Look and geometry ---
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition position);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle style);
    // 0: from the font (height) or the caption (width).
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width);
    // The image slot: every tab is as much wider as the list's images.
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    // Tab i's rectangle as the strip answers TCM_GETITEMRECT (through WindowProc); empty when i is
    // no tab.
    Rect TabRect(int index);
    // The page area as the strip answers TCM_ADJUSTRECT for the client area.
    Rect DisplayRect();
    // The tab under a client point, or -1.
    int IndexOfTabAt(int x, int y);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void Dispatch(TMessage& message) override;
    void Notification(TComponent* component, Operation operation) override;
    void AdjustClientRect(Rect& rect) override;

    // Asked before the user changes the selection (OnChanging).
    virtual bool CanChange();
    // After the user changed the selection (OnChange).
    virtual void Change();
    // Sets the strip's fixed tab size (0: automatic) without changing TabWidth and TabHeight; a
    // window made later gets it too.
    void SetItemSize(int width, int height);
    // The strip re-laid out after the tabs changed: WM_SIZE to the control, children realigned.
    void TabsChanged();

  private:
    void SendTabsToWindow();
    void ImagesChanged();

    std::vector<std::string> tabs_;
    int tabIndex_ = -1;  // while there is no window
    TTabPosition tabPosition_ = TTabPosition::tpTop;
    bool multiLine_ = false;
    TTabStyle style_ = TTabStyle::tsTabs;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    platform::Size itemSize_;  // what the strip was last told (TabWidth and TabHeight, or SetItemSize)
    TImageList* images_ = nullptr;
    int imagesListener_ = 0;
};

template <>
struct EnumNames<TTabPosition> {
    static constexpr std::array names{"tpTop", "tpBottom", "tpLeft", "tpRight"};
    static_assert(names.size() == size_t(TTabPosition::tpRight) + 1);
};
template <>
struct EnumNames<TTabStyle> {
    static constexpr std::array names{"tsTabs", "tsButtons", "tsFlatButtons"};
    static_assert(names.size() == size_t(TTabStyle::tsFlatButtons) + 1);
};

}  // namespace framework
