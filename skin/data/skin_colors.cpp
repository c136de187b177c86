#include "skin/data/skin_colors.h"

namespace skin {

using platform::SystemColor;

void TbsSkinColors::VisitKeys(KeyVisitor& key) {
    key("cbtnface", cBtnFace, SystemColor(platform::COLOR_BTNFACE));
    key("cbtntext", cBtnText, SystemColor(platform::COLOR_BTNTEXT));
    key("cwindow", cWindow, SystemColor(platform::COLOR_WINDOW));
    key("cwindowtext", cWindowText, SystemColor(platform::COLOR_WINDOWTEXT));
    key("chighlight", cHighLight, SystemColor(platform::COLOR_HIGHLIGHT));
    key("chighlighttext", cHighLightText, SystemColor(platform::COLOR_HIGHLIGHTTEXT));
    key("cbtnhighlight", cBtnHighLight, SystemColor(platform::COLOR_BTNHIGHLIGHT));
    key("cbtnshadow", cBtnShadow, SystemColor(platform::COLOR_BTNSHADOW));
}

}  // namespace skin
