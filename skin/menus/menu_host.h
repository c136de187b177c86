// The seam between a form's skinned frame and the skinned popup menus of the form, so that the
// menus need not know the frame. The frame component implements TbsSkinMenuHost beside being a
// component; a TbsSkinPopupMenu finds it among the components of its form (see FindMenuHost) and
// then shows its items through the frame's own driver, with the frame's menu settings and skin,
// after telling the frame that a menu opens.
#pragma once

namespace framework {
class TComponent;
}

namespace skin {

class TbsSkinData;
class TbsSkinMenu;

class TbsSkinMenuHost {
  public:
    // The driver the frame shows its menus with (its system menu's). A frame on a child window
    // of a multi-document form answers the main form's.
    virtual TbsSkinMenu& MenuDriver() = 0;
    // The skin the form's menus are drawn from: the frame's MenusSkinData, else its SkinData.
    virtual TbsSkinData* MenuSkinData() const = 0;
    // A menu of the form opens: the frame's menu-open bookkeeping (its OnSkinMenuOpen and the
    // like). The menu closing reaches the frame as SKM_MENUCLOSED to its form.
    virtual void MenuOpening() = 0;

  protected:
    ~TbsSkinMenuHost() = default;
};

// The first component owned by `owner` that is a menu host, or null.
TbsSkinMenuHost* FindMenuHost(const framework::TComponent* owner);

}  // namespace skin
