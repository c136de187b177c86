#include "skin/render/layer_manager.h"

#include <algorithm>

#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/styles.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/render/layered_windows.h"
#include "skin/render/platform_calls.h"

namespace skin {

using namespace platform;

namespace {

constexpr UINT_PTR kFadeTimer = 1;

LRESULT LayerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_TIMER:
            if (wParam == kFadeTimer) {
                if (auto* manager = reinterpret_cast<TbsLayerManager*>(GetWindowLongPtr(hwnd, GWLP_USERDATA)))
                    manager->FadeTick();
                return 0;
            }
            break;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

void RegisterLayerWindowClass() {
    static const bool registered = [] {
        WNDCLASS c;
        c.style = CS_SAVEBITS;
        c.lpfnWndProc = LayerWindowProc;
        c.lpszClassName = TbsLayerWindow::kClassName;
        return RegisterClass(c) != 0;
    }();
    (void)registered;
}

}  // namespace

TbsLayerWindow::TbsLayerWindow(TbsLayerManager& manager, const Rect& bounds) {
    RegisterLayerWindowClass();
    handle_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT, kClassName, "", WS_POPUP, bounds.Left,
                             bounds.Top, bounds.width(), bounds.height());
    if (!handle_)
        return;
    SetWindowLongPtr(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&manager));
    SetWindowLongPtr(handle_, GWL_EXSTYLE, GetWindowLongPtr(handle_, GWL_EXSTYLE) | WS_EX_LAYERED);
}

TbsLayerWindow::~TbsLayerWindow() {
    if (!handle_)
        return;
    SetWindowLongPtr(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
}

TbsLayerManager::~TbsLayerManager() {
    HideLayer();
}

void TbsLayerManager::ShowLayer(int32_t x, int32_t y, uint8_t alpha, const framework::TBitmap& mask,
                                const framework::TBitmap& picture) {
    if (!LayeringSupported())
        return;
    if (visible_ || window_)
        HideLayer();
    visible_ = true;
    window_ = std::make_unique<TbsLayerWindow>(*this, rectOfSize(x, y, picture.Width(), picture.Height()));
    image_ = std::make_unique<TbsBitmap>();
    MakeAlphaFromMask(picture, mask, *image_);
    const HWND hwnd = window_->Handle();
    PushLayeredImage(*image_, 0, hwnd);
    SetWindowPos(hwnd, topMost_ ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, 0, 0,
                 SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
    end_ = alpha;
    step_ = std::max<uint8_t>(1, alpha / 10);
    current_ = 0;
    fading_ = hwnd && SetTimer(hwnd, kFadeTimer, kFadeInterval) != 0;
}

void TbsLayerManager::FadeTick() {
    if (!image_ || !window_)
        return;
    current_ = uint8_t(std::min<int32_t>(current_ + step_, end_));
    PushLayeredImage(*image_, current_, window_->Handle());
    if (current_ == end_) {
        KillTimer(window_->Handle(), kFadeTimer);
        fading_ = false;
    }
}

void TbsLayerManager::HideLayer() {
    if (!LayeringSupported())
        return;
    if (window_ && fading_)
        KillTimer(window_->Handle(), kFadeTimer);
    fading_ = false;
    image_.reset();
    visible_ = false;
    if (!window_)
        return;
    SetWindowPos(window_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window_.reset();
}

bool ShowGlowFrame(TbsLayerManager& manager, const TbsSkinData* data, const GlowFrameKeys& keys,
                   Point buttonScreen, GlowOwner owner) {
    if (!data || data->Empty() || keys.pictureIndex == -1 || !LayeringSupported())
        return false;
    const bool allowed = owner == GlowOwner::CaptionButton ? data->ShowCaptionButtonGlowFrames()
                                                           : data->ShowButtonGlowFrames();
    const auto& pictures = data->ActivePictures();
    auto pictureAt = [&](int32_t index) -> const framework::TBitmap* {
        return index >= 0 && size_t(index) < pictures.size() ? &pictures[size_t(index)] : nullptr;
    };
    const framework::TBitmap* picture = pictureAt(keys.pictureIndex);
    if (!allowed || !picture || picture->Empty())
        return false;
    static const framework::TBitmap kNoMask;
    const framework::TBitmap* mask = pictureAt(keys.maskPictureIndex);
    manager.ShowLayer(buttonScreen.X - keys.offsetX, buttonScreen.Y - keys.offsetY,
                      uint8_t(std::clamp(keys.alpha, 0, 255)), mask ? *mask : kNoMask, *picture);
    return true;
}

}  // namespace skin
