#include "skin/frame/layer_border.h"

#include <algorithm>
#include <vector>

#include "framework/forms/application.h"
#include "platform/display/compose.h"
#include "platform/gfx/dc.h"
#include "platform/window/input.h"
#include "platform/window/layered.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/styles.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/render/layered_windows.h"
#include "skin/render/platform_calls.h"
#include "skin/render/work_bitmap.h"

namespace skin {

using namespace platform;

namespace {

LRESULT LayerBorderWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<TbsFormLayerWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProc(hwnd, message, wParam, lParam);
    // A pointer message may close the form, which frees this window: nothing of it is used after.
    TbsFormLayerBorder& border = window->Border();
    const Point local = PointFromLParam(lParam);
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST: {
            Rect r;
            GetWindowRect(hwnd, &r);
            return border.HitTest(*window, {local.X - r.Left, local.Y - r.Top});
        }
        case WM_SETCURSOR: {
            // The window answers HTCLIENT everywhere it takes the pointer; over the outer bands the
            // cursor shows the sizing they do.
            Point cursor;
            Rect r;
            GetCursorPos(&cursor);
            GetWindowRect(hwnd, &r);
            if (const int part = border.FramePartAt(*window, {cursor.X - r.Left, cursor.Y - r.Top});
                IsSizingHitCode(part))
                lParam = MAKELPARAM(part, HIWORD(lParam));
            break;
        }
        case WM_MOUSEMOVE:
            border.PointerMoved(*window, local);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            border.PointerPressed(*window, local,
                                  message == WM_LBUTTONDOWN ? framework::TMouseButton::mbLeft
                                                            : framework::TMouseButton::mbRight);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            border.PointerReleased(
                *window, local,
                message == WM_LBUTTONUP ? framework::TMouseButton::mbLeft : framework::TMouseButton::mbRight);
            return 0;
        case WM_LBUTTONDBLCLK:
            border.PointerDoubleClicked(*window, local);
            return 0;
        case WM_TIMER:
            if (wParam == TbsFormLayerBorder::kHoverTimer) {
                border.HoverTick();
                return 0;
            }
            break;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

void RegisterLayerBorderClass() {
    static const bool registered = [] {
        WNDCLASS c;
        c.style = CS_DBLCLKS;
        c.lpfnWndProc = LayerBorderWindowProc;
        c.lpszClassName = TbsFormLayerWindow::kClassName;
        return RegisterClass(c) != 0;
    }();
    (void)registered;
}

// The picture of `index` from the skin's list, or null when the index is not in it or the picture
// is empty.
const framework::TBitmap* SkinPicture(const TbsSkinData& data, int32_t index) {
    const auto& pictures = data.ActivePictures();
    if (index < 0 || size_t(index) >= pictures.size() || pictures[size_t(index)].Empty())
        return nullptr;
    return &pictures[size_t(index)];
}

// The picture with its mask's alpha, premultiplied. False (and no image) when the picture is not in
// the skin, or a mask is named that is not in it or has another size.
bool LayerImage(const TbsSkinData& data, int32_t pictureIndex, int32_t maskIndex, Picture& image) {
    image = Picture();
    const framework::TBitmap* picture = SkinPicture(data, pictureIndex);
    if (!picture)
        return false;
    static const framework::TBitmap kNoMask;
    const framework::TBitmap* mask = maskIndex == -1 ? &kNoMask : SkinPicture(data, maskIndex);
    if (!mask ||
        (!mask->Empty() && (mask->Width() != picture->Width() || mask->Height() != picture->Height())))
        return false;
    TbsBitmap alpha;
    MakeAlphaFromMask(*picture, *mask, alpha);
    image = alpha.Pixels();
    PremultiplyPicture(image);
    return !image.isEmpty();
}

// UpdateLayeredWindow with a picture of ours: the window takes the picture's size at its place.
// (The DC is only read from.)
void PushPicture(Picture& picture, uint8_t alpha, HWND window) {
    Rect bounds;
    if (picture.isEmpty() || !GetWindowRect(window, &bounds))
        return;
    HDC dc = CreateSurfaceDC(&picture, {0, 0}, nullptr);
    const Point position = bounds.topLeft(), from{0, 0};
    const Size size{picture.width(), picture.height()};
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, &position, &size, dc, &from, 0, &blend, ULW_ALPHA);
    DeleteDC(dc);
}

}  // namespace

// --- The windows ----------------------------------------------------------------------------------------

TbsFormLayerWindow::TbsFormLayerWindow(TbsFormLayerBorder& border, LayerSide side, HWND owner,
                                       bool clickThrough, bool topMost)
    : border_(border), side_(side) {
    RegisterLayerBorderClass();
    DWORD ex = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    if (clickThrough)
        ex |= WS_EX_TRANSPARENT;
    if (topMost)
        ex |= WS_EX_TOPMOST;
    handle_ = CreateWindowEx(ex, kClassName, "", WS_POPUP, 0, 0, 0, 0, owner);
    if (!handle_)
        return;
    SetWindowLongPtr(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtr(handle_, GWL_EXSTYLE, GetWindowLongPtr(handle_, GWL_EXSTYLE) | WS_EX_LAYERED);
}

TbsFormLayerWindow::~TbsFormLayerWindow() {
    if (!handle_)
        return;
    SetWindowLongPtr(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

// --- The border -----------------------------------------------------------------------------------------

TbsFormLayerBorder::TbsFormLayerBorder(TbsSkinForm& frame) : frame_(frame) {}

TbsFormLayerBorder::~TbsFormLayerBorder() {
    Hide();
}

HWND TbsFormLayerBorder::FormWindow() const {
    framework::TForm* form = frame_.OwnerForm();
    return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

std::optional<Rect> TbsFormLayerBorder::FormBounds() const {
    Rect r;
    HWND window = FormWindow();
    if (!window || !GetWindowRect(window, &r))
        return std::nullopt;
    return r;
}

HWND TbsFormLayerBorder::Window(LayerSide side) const {
    const auto& w = windows_[size_t(side)];
    return w ? w->Handle() : nullptr;
}

const Picture& TbsFormLayerBorder::CurrentImage() const {
    return !active_ && !inactiveImage_.isEmpty() ? inactiveImage_ : activeImage_;
}

void TbsFormLayerBorder::Prepare(const TbsSkinData* data) {
    Hide();
    layout_.reset();
    activeImage_ = inactiveImage_ = Picture();
    if (!data || data->Empty())
        return;
    const TbsDataSkinLayerFrame& record = data->LayerFrame();
    if (record.PictureIndex == -1 ||
        !LayerImage(*data, record.PictureIndex, record.MaskPictureIndex, activeImage_))
        return;
    if (record.InActivePictureIndex != -1 &&
        (!LayerImage(*data, record.InActivePictureIndex, record.InActiveMaskPictureIndex, inactiveImage_) ||
         inactiveImage_.width() != activeImage_.width() || inactiveImage_.height() != activeImage_.height()))
        inactiveImage_ = Picture();  // the active picture stands in for an unusable inactive one
    layout_ = CheckLayerFrame(record, {activeImage_.width(), activeImage_.height()});
    if (!layout_) {
        activeImage_ = inactiveImage_ = Picture();
        return;
    }
    activeAlpha_ = layout_->alpha;
    inactiveAlpha_ = layout_->inactiveAlpha;
    // The fullborder mode's windows take the clicks the frame needs.
    clickThrough_ = record.BorderRect.isEmpty() && !layout_->fullBorder;
    hot_ = previousHot_ = pressed_ = -1;
    if (layout_->fullBorder)
        for (const auto& o : frame_.FrameObjects()) o->PrepareAlphaImages();
}

bool TbsFormLayerBorder::WantedNow() const {
    HWND window = FormWindow();
    if (!window || !frame_.LayeredBordersEnabled() || !IsWindowVisible(window) || IsIconic(window))
        return false;
    const bool maximized = frame_.FormState() == TbsFormState::Maximized || IsZoomed(window);
    return !maximized || frame_.LayeredBorderDrawsFrame();
}

Rect TbsFormLayerBorder::OuterFor(const Rect& formBounds) const {
    const bool rolledUp =
        frame_.LayeredBorderDrawsFrame() &&
        (frame_.RolledUp() || frame_.FormState() == TbsFormState::Minimized) &&
        !(framework::Application && framework::Application->MainForm() == frame_.OwnerForm());
    return LayerOuterRect(*layout_, formBounds, rolledUp);
}

void TbsFormLayerBorder::Compose(const Rect& formBounds) {
    outer_ = OuterFor(formBounds);
    ComposeLayerStrips(*layout_, CurrentImage(), {outer_.width(), outer_.height()}, strips_);
    if (DrawsFrame())
        DrawFrame();
}

bool TbsFormLayerBorder::DrawsFrame() const {
    return layout_ && layout_->fullBorder && frame_.LayeredBorderDrawsFrame();
}

LayerFrameAreas TbsFormLayerBorder::FrameAreas() const {
    return layout_ ? LayerFrameAreasFor(*layout_, OuterSize()) : LayerFrameAreas{};
}

void TbsFormLayerBorder::DrawFrame() {
    frame_.LayoutObjectsOnBorder(*layout_, OuterSize());
    Picture& top = strips_[size_t(LayerSide::Top)];
    if (top.isEmpty())
        return;
    for (const auto& o : frame_.FrameObjects())
        if (o->Visible)
            o->DrawWithAlpha(top);
}

void TbsFormLayerBorder::MakeWindows() {
    HWND owner = FormWindow();
    if (windows_[0] || !owner || !IsCompositionEnabled())
        return;
    const bool topMost = (GetWindowLongPtr(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    for (LayerSide side : kLayerSides)
        windows_[size_t(side)] =
            std::make_unique<TbsFormLayerWindow>(*this, side, owner, clickThrough_, topMost);
}

std::array<Rect, 4> TbsFormLayerBorder::WindowPlaces() const {
    if (!layout_)
        return {};
    return PlaceLayerWindows(outer_, LayerStripSizesFor(*layout_, {outer_.width(), outer_.height()}));
}

void TbsFormLayerBorder::Place(bool push) {
    if (!windows_[0])
        return;
    const std::array<Rect, 4> places = WindowPlaces();
    for (LayerSide side : kLayerSides) {
        HWND w = Window(side);
        Picture& strip = strips_[size_t(side)];
        if (!w)
            continue;
        if (strip.isEmpty()) {
            ShowWindow(w, SW_HIDE);
            continue;
        }
        const Rect& r = places[size_t(side)];
        SetWindowPos(w, nullptr, r.Left, r.Top, r.width(), r.height(), SWP_NOACTIVATE | SWP_NOZORDER);
        if (push)
            PushPicture(strip, CurrentAlpha(), w);
        if (!IsWindowVisible(w))
            SetWindowPos(w, nullptr, 0, 0, 0, 0,
                         SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }
}

void TbsFormLayerBorder::ComposeOver(Picture& target, Point origin) const {
    std::vector<ScreenLayer> layers;
    const std::array<Rect, 4> places = WindowPlaces();
    for (LayerSide side : kLayerSides) {
        if (Strip(side).isEmpty())
            continue;
        LayerAttributes layer;
        layer.mode = LayerAttributes::Mode::PerPixel;
        layer.alpha = CurrentAlpha();
        layers.push_back({places[size_t(side)], &Strip(side), nullptr, layer});
    }
    ComposeLayers(target, origin, layers);
}

void TbsFormLayerBorder::Push() {
    for (LayerSide side : kLayerSides)
        if (HWND w = Window(side); w && !Strip(side).isEmpty())
            PushPicture(strips_[size_t(side)], CurrentAlpha(), w);
}

void TbsFormLayerBorder::Show() {
    if (!layout_ || !LayeringSupported())
        return;
    const std::optional<Rect> bounds = FormBounds();
    if (!bounds)
        return;
    shown_ = true;
    Recompose(*bounds);
}

void TbsFormLayerBorder::Recompose(const Rect& formBounds) {
    Compose(formBounds);
    MakeWindows();
    Place(true);
}

void TbsFormLayerBorder::Update(std::optional<Rect> formBounds) {
    if (!formBounds)
        formBounds = FormBounds();
    if (shown_ && formBounds)
        Recompose(*formBounds);
}

void TbsFormLayerBorder::Move(std::optional<Rect> formBounds) {
    if (!formBounds)
        formBounds = FormBounds();
    if (!shown_ || !formBounds)
        return;
    const Rect outer = OuterFor(*formBounds);
    // A move that came with a size change needs its strips cut again; a plain move only places
    // the windows.
    if (outer.width() != outer_.width() || outer.height() != outer_.height()) {
        Recompose(*formBounds);
        return;
    }
    outer_ = outer;
    Place(false);
}

void TbsFormLayerBorder::Hide() {
    // The windows go with their timer and capture; the objects keep no hover from them.
    for (auto& w : windows_) w.reset();
    hoverTimer_ = false;
    hot_ = previousHot_ = pressed_ = -1;
    strips_ = {};
    shown_ = false;
}

void TbsFormLayerBorder::SetAlpha(uint8_t level, bool push) {
    if (!layout_)
        return;
    activeAlpha_ = ScaledLayerAlpha(layout_->alpha, level);
    inactiveAlpha_ = ScaledLayerAlpha(layout_->inactiveAlpha, level);
    if (push && shown_)
        Push();
}

void TbsFormLayerBorder::SetActive(bool active, bool push) {
    if (!active)
        EndHover();
    if (active_ == active)
        return;
    active_ = active;
    // The inactive picture (when the skin has one) needs the strips cut again.
    if ((push || frame_.LayeredBorderDrawsFrame()) && shown_)
        Update();
}

void TbsFormLayerBorder::FadeIn() {
    if (!layout_)
        return;
    const uint8_t target = activeAlpha_;
    const uint8_t targetInactive = inactiveAlpha_;
    activeAlpha_ = inactiveAlpha_ = 0;
    Show();
    if (framework::Application)
        framework::Application->ProcessMessages();
    else
        ProcessPendingMessages();
    const int step = std::max(1, target / 15);
    int alpha = 0;
    DWORD last = GetTickCount();
    while (shown_ && alpha < target) {
        if (GetTickCount() - last <= 5)
            continue;
        last = GetTickCount();
        alpha = std::min<int>(alpha + step, target);
        activeAlpha_ = uint8_t(alpha);
        Push();
    }
    activeAlpha_ = target;
    inactiveAlpha_ = targetInactive;
    if (shown_)
        Push();
}

void TbsFormLayerBorder::OnFormMoved() {
    if (shown_)
        Move();
}

void TbsFormLayerBorder::OnFormStateChanged() {
    if (!layout_)
        return;
    const bool wanted = WantedNow();
    if (wanted && !shown_)
        Show();
    else if (!wanted && shown_)
        Hide();
    else if (shown_)
        Move();
}

}  // namespace skin
