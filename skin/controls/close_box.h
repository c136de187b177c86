// The close box on each tab: its state from press to close, and how it is drawn.
//
// Each tab's box is normal, hot (the pointer over it) or pressed (the left button held over it):
//
//   event                    inside the box                 outside the box
//   move                     normal -> hot (redraw)         hot/pressed -> normal (redraw)
//   left press               -> pressed (redraw)            -> normal
//   left release             -> hot (redraw), close tab     -> normal
//
// The box's rectangle is recorded relative to its tab as the tab was last drawn; a tab without a
// drawn box records an empty one and cannot be closed by the pointer.
#pragma once

#include <cstddef>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "platform/geometry.h"
#include "skin/controls/tab_skin.h"

namespace skin {

class TbsSkinData;

struct CloseBoxState {
    bool hot = false;
    bool pressed = false;
    platform::Rect rect;  // relative to the tab's rectangle
};

enum class CloseBoxLook { Normal, Hot, Pressed };
CloseBoxLook LookOf(const CloseBoxState& state);

enum class CloseBoxEvent { Move, Press, Release };
struct CloseBoxStep {
    bool redraw = false;
    bool close = false;
};
// One transition of the table above (the press and release are the left button's).
CloseBoxStep StepCloseBox(CloseBoxState& state, CloseBoxEvent event, bool inside);

// The boxes of all tabs by position, as many as there are tabs: a position that has not been used
// reads as all clear. They are not moved when a tab is removed; the next drawing and pointer
// tracking set them right.
class CloseBoxStates {
  public:
    // The state of tab i (i >= 0), made when first asked for.
    CloseBoxState& At(int i);
    // All clear for a tab that has none yet (or a negative index).
    CloseBoxState Get(int i) const;
    void Clear() { states_.clear(); }
    size_t Size() const { return states_.size(); }

  private:
    std::vector<CloseBoxState> states_;
};

// The close box of the built-in look is a glyph 14 pixels square.
constexpr int32_t kDefaultCloseBoxSize = 14;

// Draws a close box on a tab's face in the area `area` (vertically centred in it, from its left
// edge) and returns the rectangle it covers, empty when nothing is drawn:
// - without a record: the close glyph, white while hot, black otherwise;
// - with a record without "closebuttonrect": a `size` x `size` face from the skin's
//   "resizetoolbutton" record with the close glyph in its font colour for the state (nothing when
//   the skin has no such record);
// - with "closebuttonrect": the record's face for the state.
platform::Rect DrawCloseBox(framework::TBitmap& face, const platform::Rect& area, CloseBoxLook look,
                            const TabSkin* skin, const TbsSkinData* data, int32_t size);

}  // namespace skin
