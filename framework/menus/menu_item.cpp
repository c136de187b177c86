#include "framework/menus/menu_item.h"

#include <algorithm>
#include <cctype>

#include "framework/core/utf8.h"
#include "framework/graphics/image_list.h"
#include "platform/window/keys.h"

namespace framework {

using namespace platform;

// --- Short-cuts ------------------------------------------------------------------------------

namespace {

struct KeyName {
    int vk;
    std::string_view name;
};
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},     {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},   {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},   {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},       {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},    {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

std::string KeyText(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, char(vk));
    if (vk >= VK_F1 && vk <= VK_F1 + 23) return "F" + std::to_string(vk - VK_F1 + 1);
    for (const KeyName& key : kKeyNames)
        if (key.vk == vk) return std::string(key.name);
    return {};
}

constexpr struct {
    TShortCut flag;
    std::string_view text;
} kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

TShortCut ShortCut(uint16_t key, bool shift, bool ctrl, bool alt) {
    TShortCut value = TShortCut(key & 0xFF);
    if (shift) value |= scShift;
    if (ctrl) value |= scCtrl;
    if (alt) value |= scAlt;
    return value;
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyText(shortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    for (const auto& modifier : kModifiers)
        if (shortCut & modifier.flag) text += modifier.text;
    return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& modifier : kModifiers) {
            if (StartsWith(text, modifier.text)) {
                modifiers |= modifier.flag;
                text.remove_prefix(modifier.text.size());
                found = true;
            }
        }
    }
    for (int vk = 1; vk < 0xFF; ++vk) {
        const std::string name = KeyText(vk);
        if (!name.empty() && name.size() == text.size() && StartsWith(text, name)) return TShortCut(modifiers | vk);
    }
    return scNone;
}

// --- Access keys -----------------------------------------------------------------------------

std::optional<char32_t> GetHotkey(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(caption[i + 1]);
        if (c < 0x80) return char32_t(std::toupper(c));
        return utf8::DecodeAt(caption, i + 1);
    }
    return std::nullopt;
}

std::string StripHotkey(std::string_view caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                text += '&';
                ++i;
            }
            continue;
        }
        text += caption[i];
    }
    return text;
}

bool IsAccel(char32_t key, std::string_view caption) {
    std::optional<char32_t> hotkey = GetHotkey(caption);
    if (!hotkey) return false;
    if (key < 0x80) key = char32_t(std::toupper(int(key)));
    return *hotkey == key;
}

// --- TMenuItem -------------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    if (parent_) parent_->Remove(this);
    while (!items_.empty()) delete items_.back();
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (!checked || !radioItem_ || !parent_) return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : int(found - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    if (item->parent_) throw EInvalidOperation("Menu inserted twice");
    items_.insert(items_.begin() + std::clamp(index, 0, Count()), item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0) return;
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    delete items_[size_t(index)];
}

void TMenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
    const std::string wanted = StripHotkey(caption);
    for (TMenuItem* item : items_)
        if (StripHotkey(item->caption_) == wanted) return item;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

bool TMenuItem::RethinkLines() {
    bool changed = false;
    auto setVisible = [&changed](TMenuItem* item, bool visible) {
        if (item->visible_ != visible) changed = true;
        item->visible_ = visible;
    };
    TMenuItem* pendingLine = nullptr;  // a separator waiting for a visible item after it
    bool itemSeen = false;
    for (TMenuItem* item : items_) {
        if (item->IsLine()) {
            // Only the first of several separators in a row, and none before the first item.
            if (itemSeen && !pendingLine)
                pendingLine = item;
            else
                setVisible(item, false);
            continue;
        }
        if (!item->visible_) continue;
        if (pendingLine) setVisible(pendingLine, true);
        pendingLine = nullptr;
        itemSeen = true;
    }
    if (pendingLine) setVisible(pendingLine, false);
    return changed;
}

void TMenuItem::Click() {
    if (!enabled_) return;
    // A copy: the handler may free the item (and its menu).
    TNotifyEvent handler = OnClick;
    if (handler) handler(this);
}

// --- TMenu -----------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() { delete items_; }

void TMenu::SetImages(TImageList* images) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, Operation operation) {
    TComponent::Notification(component, operation);
    if (operation == Operation::opRemove && component == images_) images_ = nullptr;
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const {
    if (shortCut == scNone) return nullptr;
    std::vector<TMenuItem*> pending{items_};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item != items_ && item->ShortCut() == shortCut) return item;
        for (int i = item->Count() - 1; i >= 0; --i) pending.push_back(item->Items(i));
    }
    return nullptr;
}

}  // namespace framework
