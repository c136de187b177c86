// The published properties of every framework class that form data can describe: one table per
// class, each inheriting its base's. Setting a property by name goes through these tables only.
#include "framework/browser/web_browser.h"
#include "framework/controls/button.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework/controls/spin_edit.h"
#include "framework/controls/tab_control.h"
#include "framework/core/properties.h"
#include "framework/core/timer.h"
#include "framework/forms/form.h"
#include "framework/graphics/font.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/menu_item.h"
#include "framework/menus/popup_menu.h"

namespace framework {

PersistentClass TFont::Published() {
    return ClassTable<TFont>("TFont", "",
                             {
                                 Property("Name", &TFont::SetName),
                                 Property("Height", &TFont::SetHeight),
                                 Property("Size", &TFont::SetSize),
                                 Property("Style", &TFont::SetStyle),
                                 ColorProperty("Color", &TFont::SetColor),
                                 Property("Charset", &TFont::SetCharset),
                             });
}

PersistentClass TControl::Published() {
    return ClassTable<TControl>("TControl", "",
                                {
                                    Property("Left", &TControl::SetLeft),
                                    Property("Top", &TControl::SetTop),
                                    Property("Width", &TControl::SetWidth),
                                    Property("Height", &TControl::SetHeight),
                                    Property("Align", &TControl::SetAlign),
                                    Property("Visible", &TControl::SetVisible),
                                    Property("Enabled", &TControl::SetEnabled),
                                    Property("Caption", &TControl::SetCaption),
                                    Property("Text", &TControl::SetText),
                                    SubObject("Font", &TControl::Font, "TFont"),
                                    Property("ParentFont", &TControl::SetParentFont),
                                    ColorProperty("Color", &TControl::SetColor),
                                    Property("ParentColor", &TControl::SetParentColor),
                                    Property("Cursor", &TControl::SetCursor),
                                    Property("Hint", &TControl::SetHint),
                                    Property("ShowHint", &TControl::SetShowHint),
                                    Property("Tag", &TControl::SetTag),
                                });
}

PersistentClass TWinControl::Published() {
    return ClassTable<TWinControl>("TWinControl", "TControl",
                                   {
                                       Property("TabOrder", &TWinControl::SetTabOrder),
                                       Property("TabStop", &TWinControl::SetTabStop),
                                       Property("ImeMode", &TWinControl::SetImeMode),
                                       Property("ImeName", &TWinControl::SetImeName),
                                   });
}

PersistentClass TForm::Published() {
    return ClassTable<TForm>("TForm", "TWinControl",
                             {
                                 Property("BorderStyle", &TForm::SetBorderStyle),
                                 Property("BorderIcons", &TForm::SetBorderIcons),
                                 Property("Position", &TForm::SetPosition),
                                 Property("WindowState", &TForm::SetWindowState),
                                 Property("KeyPreview", &TForm::SetKeyPreview),
                                 Property("AutoScroll", &TForm::SetAutoScroll),
                                 Property("AutoSize", &TForm::SetAutoSize),
                                 Property("ClientWidth", &TForm::SetClientWidth),
                                 Property("ClientHeight", &TForm::SetClientHeight),
                                 Property("ActiveControl", &TForm::SetActiveControl),
                             });
}

PersistentClass TPanel::Published() {
    return ClassTable<TPanel>("TPanel", "TWinControl",
                              {
                                  Property("BevelOuter", &TPanel::SetBevelOuter),
                                  Property("BevelInner", &TPanel::SetBevelInner),
                                  Property("BevelWidth", &TPanel::SetBevelWidth),
                                  Property("BorderStyle", &TPanel::SetBorderStyle),
                                  Property("Alignment", &TPanel::SetAlignment),
                              });
}

PersistentClass TLabel::Published() {
    return ClassTable<TLabel>("TLabel", "TControl",
                              {
                                  Property("AutoSize", &TLabel::SetAutoSize),
                                  Property("Alignment", &TLabel::SetAlignment),
                                  Property("Layout", &TLabel::SetLayout),
                                  Property("Transparent", &TLabel::SetTransparent),
                                  Property("WordWrap", &TLabel::SetWordWrap),
                                  Property("ShowAccelChar", &TLabel::SetShowAccelChar),
                              });
}

PersistentClass TButton::Published() {
    return ClassTable<TButton>("TButton", "TWinControl",
                               {
                                   Property("Default", &TButton::SetDefault),
                                   Property("Cancel", &TButton::SetCancel),
                                   Property("ModalResult", &TButton::SetModalResult),
                               });
}

PersistentClass TCheckBox::Published() {
    return ClassTable<TCheckBox>("TCheckBox", "TWinControl",
                                 {
                                     Property("AllowGrayed", &TCheckBox::SetAllowGrayed),
                                     Property("Checked", &TCheckBox::SetChecked),
                                     Property("State", &TCheckBox::SetState),
                                     Property("Alignment", &TCheckBox::SetAlignment),
                                 });
}

PersistentClass TEdit::Published() {
    return ClassTable<TEdit>("TEdit", "TWinControl",
                             {
                                 Property("MaxLength", &TEdit::SetMaxLength),
                                 Property("ReadOnly", &TEdit::SetReadOnly),
                                 Property("AutoSelect", &TEdit::SetAutoSelect),
                             });
}

PersistentClass TSpinEdit::Published() {
    return ClassTable<TSpinEdit>("TSpinEdit", "TWinControl",
                                 {
                                     Property("MaxLength", &TSpinEdit::SetMaxLength),
                                     Property("ReadOnly", &TSpinEdit::SetReadOnly),
                                     Property("AutoSelect", &TSpinEdit::SetAutoSelect),
                                     Property("EditorEnabled", &TSpinEdit::SetEditorEnabled),
                                     Property("Increment", &TSpinEdit::SetIncrement),
                                     Property("MinValue", &TSpinEdit::SetMinValue),
                                     Property("MaxValue", &TSpinEdit::SetMaxValue),
                                     Property("Value", &TSpinEdit::SetValue),
                                 });
}

PersistentClass TComboBox::Published() {
    return ClassTable<TComboBox>("TComboBox", "TWinControl",
                                 {
                                     Property("Style", &TComboBox::SetStyle),
                                     Property("DropDownCount", &TComboBox::SetDropDownCount),
                                     Property("Items", &TComboBox::SetItems),
                                     Property("ItemIndex", &TComboBox::SetItemIndex),
                                 });
}

PersistentClass TTabControl::Published() {
    return ClassTable<TTabControl>("TTabControl", "TWinControl",
                                   {
                                       Property("TabPosition", &TTabControl::SetTabPosition),
                                       Property("MultiLine", &TTabControl::SetMultiLine),
                                       Property("Style", &TTabControl::SetStyle),
                                       Property("TabHeight", &TTabControl::SetTabHeight),
                                       Property("TabWidth", &TTabControl::SetTabWidth),
                                       Property("Images", &TTabControl::SetImages),
                                       Property("Tabs", &TTabControl::SetTabs),
                                       Property("TabIndex", &TTabControl::SetTabIndex),
                                   });
}

PersistentClass TWebBrowser::Published() { return ClassTable<TWebBrowser>("TWebBrowser", "TWinControl", {}); }

PersistentClass TImageList::Published() {
    return ClassTable<TImageList>("TImageList", "",
                                  {
                                      Property("Width", &TImageList::SetWidth),
                                      Property("Height", &TImageList::SetHeight),
                                  });
}

PersistentClass TTimer::Published() {
    return ClassTable<TTimer>("TTimer", "",
                              {
                                  Property("Enabled", &TTimer::SetEnabled),
                                  Property("Interval", &TTimer::SetInterval),
                              });
}

PersistentClass TMenuItem::Published() {
    return ClassTable<TMenuItem>("TMenuItem", "",
                                 {
                                     Property("Caption", &TMenuItem::SetCaption),
                                     Property("ShortCut", &TMenuItem::SetShortCut),
                                     Property("ImageIndex", &TMenuItem::SetImageIndex),
                                     Property("Checked", &TMenuItem::SetChecked),
                                     Property("RadioItem", &TMenuItem::SetRadioItem),
                                     Property("GroupIndex", &TMenuItem::SetGroupIndex),
                                     Property("Enabled", &TMenuItem::SetEnabled),
                                     Property("Visible", &TMenuItem::SetVisible),
                                     Property("Hint", &TMenuItem::SetHint),
                                 });
}

PersistentClass TPopupMenu::Published() {
    return ClassTable<TPopupMenu>("TPopupMenu", "",
                                  {
                                      Property("Images", &TPopupMenu::SetImages),
                                      Property("AutoLineReduction", &TPopupMenu::SetAutoLineReduction),
                                  });
}

void RegisterFrameworkClasses() {
    for (PersistentClass table :
         {TFont::Published(), TControl::Published(), TWinControl::Published(), TForm::Published(),
          TPanel::Published(), TLabel::Published(), TButton::Published(), TCheckBox::Published(),
          TEdit::Published(), TSpinEdit::Published(), TComboBox::Published(), TTabControl::Published(),
          TWebBrowser::Published(), TImageList::Published(), TTimer::Published(), TMenuItem::Published(),
          TPopupMenu::Published()})
        RegisterPersistentClass(std::move(table));
}

}  // namespace framework
