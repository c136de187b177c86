// Menu items and menus. An item carries a caption ("&" before its access key, "&&" for a literal
// "&", "-" for a separator), a short-cut and its text, a bitmap or an image index into its menu's
// image list, check and radio marks, enabled and visible flags, a hint, a name and sub-items, and
// runs OnClick when chosen. The menus that show items (the plain popup menu here, the skinned one
// above) only present them and call Click.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/persistent.h"
#include "framework/core/properties.h"
#include "platform/geometry.h"
#include "platform/gfx/surface.h"

namespace framework {

class TCanvas;
class TImageList;
class TMenu;

// A key with its modifiers: the virtual key in the low byte, scShift, scCtrl, scAlt above it.
using TShortCut = uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(uint16_t key, bool shift, bool ctrl, bool alt);
// "Alt+F4", "Ctrl+S", "Shift+Del"; "" for none.
std::string ShortCutToText(TShortCut shortCut);
// The reverse; scNone for text that names no key.
TShortCut TextToShortCut(std::string_view text);

// The access key of a caption: the character after a single "&", upper-cased when it is a
// letter; nullopt without one.
std::optional<char32_t> GetHotkey(std::string_view caption);
// The caption without its "&" marks ("&&" gives "&").
std::string StripHotkey(std::string_view caption);
// Whether the typed character is the caption's access key (letters without regard to case).
bool IsAccel(char32_t key, std::string_view caption);

enum class TMenuAutoFlag { maAutomatic, maManual };

// Draws an item itself: on `canvas`, in `rect`, highlighted or not. The sender is whatever shows
// the item (a skinned menu passes its own item object).
using TMenuDrawItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, platform::Rect rect, bool selected)>;

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    static PersistentClass Published();

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }
    // The picture shown beside the caption (empty: none; the image index is used then).
    const platform::Surface& Bitmap() const { return bitmap_; }
    void SetBitmap(platform::Surface bitmap) { bitmap_ = std::move(bitmap); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its group among its siblings.
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio) { radioItem_ = radio; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group) { groupIndex_ = group; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    // --- Sub-items (an item frees its sub-items when it goes) ---
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(size_t(index)); }
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* item);
    // Frees the sub-item at index.
    void Delete(int index);
    void Clear();
    // The first sub-item with that caption, ignoring "&" marks.
    TMenuItem* Find(std::string_view caption) const;
    // The menu the item belongs to (through its parents), or nullptr.
    TMenu* GetParentMenu() const;

    // Hides separators that would show at the start, at the end or next to another separator,
    // and shows the others; true when any changed.
    bool RethinkLines();

    // Runs OnClick when the item is enabled.
    virtual void Click();
    TNotifyEvent OnClick;
    // A menu that honours it leaves the item's drawing to this handler (the skinned menus do).
    TMenuDrawItemEvent OnDrawItem;

  private:
    friend class TMenu;
    std::string caption_;
    TShortCut shortCut_ = scNone;
    platform::Surface bitmap_;
    int imageIndex_ = -1;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
    intptr_t tag_ = 0;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item of a menu
};

class TMenu : public TComponent {
  public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem* Items() const { return items_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
    void SetAutoLineReduction(TMenuAutoFlag flag) { autoLineReduction_ = flag; }
    // The item whose short-cut this is (sub-items included), or nullptr.
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;

  protected:
    void Notification(TComponent* component, Operation operation) override;

  private:
    TMenuItem* items_;
    TImageList* images_ = nullptr;
    TMenuAutoFlag autoLineReduction_ = TMenuAutoFlag::maAutomatic;
};

template <>
struct EnumNames<TMenuAutoFlag> {
    static constexpr std::array names{"maAutomatic", "maManual"};
    static_assert(names.size() == size_t(TMenuAutoFlag::maManual) + 1);
};

}  // namespace framework
