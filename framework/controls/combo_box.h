// A drop-down list: one of its items is shown; the list drops down below it (or above, where
// there is no room) with up to DropDownCount rows, scrolled when there are more. No free text.
//
// The user changes the selection with the list (click, or Up/Down and Enter while it is open),
// with the arrow, Home, End and page keys and the wheel while it is closed, or by typing the first
// letter of an item; each such change raises OnChange. Setting ItemIndex raises nothing.
#pragma once

#include <string>
#include <vector>

#include "framework/controls/win_control.h"
#include "framework/core/properties.h"

namespace framework {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboListWindow;

class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;
    static PersistentClass Published();

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    void AddItem(const std::string& item);
    void ClearItems() { SetItems({}); }
    // -1 for none; values outside the items leave none selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = std::max(count, 1); }
    // Every style behaves as a drop-down list; the value is kept for form data.
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style) { style_ = style; }
    // The caption of the selected item ("" for none).
    std::string GetText() const override;
    // Selects the first item with that caption (form data gives the text of the start selection).
    void SetText(const std::string& text) override;

    bool DroppedDown() const { return list_ != nullptr; }
    void SetDroppedDown(bool dropped);
    // The height of one row of the list.
    int ItemHeight() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    UINT DialogCode() const override;
    virtual void Change();

private:
    friend class TComboListWindow;
    // The drop button's rectangle: for painting and for hit testing.
    Rect ButtonRect() const;
    // A selection made by the user: moves and raises OnChange when it changed.
    void SelectByUser(int index);
    void CloseUp(bool accept);
    int wheelRemainder_ = 0;

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    TComboListWindow* list_ = nullptr;
    TComboListWindow* closedList_ = nullptr;  // hidden, freed once its messages are done
};

template <>
struct EnumNames<TComboBoxStyle> {
    static constexpr std::array names{"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                                      "csOwnerDrawVariable"};
    static_assert(names.size() == size_t(TComboBoxStyle::csOwnerDrawVariable) + 1);
};

}  // namespace framework
