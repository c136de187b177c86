// TbsSkinUpDown: two arrow buttons that step Position between Min and Max, with auto-repeat while
// one is held (500 ms to the first repeat, then every 100 ms; 50 ms after the pointer comes back
// onto a held button), on timer 1 of its window. The face is an up-down record's ("hupdown",
// "vupdown"), the skin's "resizebutton" faces at any size (UseSkinSize off), or a built-in look.
// The tab strip's scroller is one: horizontal, 36 x 18.
#pragma once

#include "skin/controls/skin_custom_control.h"
#include "skin/controls/updown_buttons.h"

namespace skin {

class TbsDataSkinUpDownControl;

class TbsSkinUpDown : public TbsSkinCustomControl {
  public:
    explicit TbsSkinUpDown(framework::TComponent* owner);
    ~TbsSkinUpDown() override;
    static framework::PersistentClass Published();

    // With a record: the record's size and button places (and its mask's region).
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool use);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation orientation);
    // The step of a click or a repeat; 0 disables stepping and auto-repeat.
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }
    int Position() const { return position_; }
    // A value outside Min .. Max is ignored; an accepted one raises OnChange (also when unchanged).
    void SetPosition(int position);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);

    // Button 0 increases, button 1 decreases.
    const UpDownButton& Button(int i) const { return tracking_.buttons.at(size_t(i)); }
    const UpDownTracking& Tracking() const { return tracking_; }

    void ReadSkinRecord() override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    framework::TNotifyEvent OnChange;
    framework::TNotifyEvent OnUpButtonClick;
    framework::TNotifyEvent OnDownButtonClick;

    static constexpr unsigned kRepeatTimer = 1;

  protected:
    platform::Size CalcSkinSize(platform::Size size) override;
    void UpdateRegion() override;
    void PaintDefaultFace(framework::TBitmap& face) override;
    void PaintSkinFace(framework::TBitmap& face) override;
    void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
    void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
    void MouseMove(framework::TShiftState shift, int x, int y) override;
    void Dispatch(framework::TMessage& message) override;

  private:
    // The up-down record's faces, the pressed ones falling back on the hot ones.
    struct RecordFaces {
        platform::Rect upPlace, downPlace;
        platform::Rect upHot, upPressed, downHot, downPressed;
    };
    void LayOutButtons();
    void Apply(const TrackingEffects& effects);
    void PaintButtonFromResizeButton(framework::TBitmap& face, int i);

    bool useSkinSize_ = true;
    TUDOrientation orientation_ = TUDOrientation::udHorizontal;
    int increment_ = 1;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    std::optional<RecordFaces> faces_;
    UpDownTracking tracking_;
};

}  // namespace skin

template <>
struct framework::EnumNames<skin::TUDOrientation> {
    static constexpr std::array names{"udHorizontal", "udVertical"};
    static_assert(names.size() == size_t(skin::TUDOrientation::udVertical) + 1);
};
