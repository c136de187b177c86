// The message tables of SkinWindowProc. Stage one sees every message: a message it does not list,
// or a listed one whose row ends by passing it on, reaches the previous handler exactly once.
// Stage two sees the non-client mouse messages after the previous handler.
#include "framework/controls/win_control.h"
#include "platform/window/input.h"
#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_menu.h"

namespace skin {

using namespace platform;
using framework::TMessage;

namespace {

// Messages before which an object hint is hidden and an open skinned menu of the frame closed.
bool ClosesMenus(UINT message) {
    switch (message) {
        case WM_MOVE:
        case WM_SIZE:
        case WM_ACTIVATE:
        case WM_KILLFOCUS:
        case WM_CANCELMODE:
        case WM_MOUSEACTIVATE:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_PARENTNOTIFY:
            return true;
        default:
            return false;
    }
}

bool IsStageTwo(UINT message) {
    switch (message) {
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
        case WM_NCRBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            return true;
        default:
            return false;
    }
}

}  // namespace

void TbsSkinForm::SkinWindowProc(TMessage& message) {
    // While the form is destroyed its window goes last, when only the window control is left of it.
    if (form_->InState(framework::csDestroying)) {
        PassOn(message);
        return;
    }
    if (ClosesMenus(message.Msg)) {
        // An open menu closes itself on these (its driver watches the form); one that closed
        // without the frame hearing it is put down here.
        if (auto* hint = dynamic_cast<TbsSkinHint*>(skinHint_); hint && showObjectHint_)
            hint->HideHintText();
        if (skinMenuOpen_ && !menuDriver_->Visible())
            MenuClosed();
    }
    if (!StageOne(message))
        PassOn(message);
    if (skinnable_ && IsStageTwo(message.Msg) && Window())
        StageTwo(message);
}

bool TbsSkinForm::StageOne(TMessage& message) {
    const UINT msg = message.Msg;
    switch (msg) {
        case WM_DESTROY:
            for (framework::TTimer* timer : {mouseTrackTimer_, morphTimer_, animationTimer_})
                timer->SetEnabled(false);
            layerBorder_->Hide();
            return false;
        case WM_WINDOWPOSCHANGED:
            // Place, size, state and visibility all come this way, the window manager's moves too.
            PassOn(message);
            LayerBorderFollows();
            return true;
        case WM_SIZE:
            SizeChanged(message);
            return true;
        case WM_ACTIVATE:
            if (!skinnable_)
                return false;
            PassOn(message);
            ResetHoverStates();
            SendNcPaint();
            SetCaptionActive(true);
            return true;
        case WM_SETTEXT:
            if (!skinnable_)
                return false;
            PassOn(message);
            if (!BorderStyleNone())
                SendNcPaint();
            return true;
        case WM_ERASEBKGND:
            PaintClientBackground(reinterpret_cast<HDC>(message.WParam));
            message.Result = 1;
            return true;
        case WM_SHOWWINDOW:
            ShowWindowMessage(message);
            return true;
        case WM_SETCURSOR:
            if (skinnable_ && useFormCursorInNCArea_) {
                const int hit = int(int16_t(LOWORD(message.LParam)));
                if (hit != HTCLIENT && !(hit >= HTLEFT && hit <= HTBOTTOMRIGHT))
                    message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
            }
            return false;
        case WM_GETMINMAXINFO:
            if (skinnable_ && message.LParam) {
                auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
                info->ptMinTrackSize = {MinFormWidth(), MinFormHeight()};
                info->ptMaxTrackSize = {MaxFormWidth(), MaxFormHeight()};
            }
            return false;
        case WM_DISPLAYCHANGE:
            if (!BorderStyleNone() && (MaxFormWidth() < WindowSize().cx || MaxFormHeight() < WindowSize().cy))
                ForceFrameRecalc();
            return false;
        case WM_NCCALCSIZE:
            if (!skinnable_)
                return false;
            NcCalcSize(message);
            return true;
        case WM_NCHITTEST:
            // The border's windows carry the frame: the form is all client area.
            if (LayeredBorderDrawsFrame() && layerBorder_->Shown()) {
                message.Result = HTCLIENT;
                return true;
            }
            if (!skinnable_)
                return false;
            {
                Rect window;
                GetWindowRect(Window(), &window);
                const Point p = PointFromLParam(message.LParam);
                const Point at{p.X - window.Left, p.Y - window.Top};
                message.Result = skinApplied_ ? HitTestFrame(at) : HitTestDefaultFrame(at);
                // Hover is followed by polling from here until the pointer leaves the window.
                if (message.Result == HTOBJECT && !mouseTrackTimer_->Enabled()) {
                    TrackHotObject(at.X, at.Y, true);
                    mouseTrackTimer_->SetEnabled(true);
                }
            }
            return true;
        case WM_NCPAINT:
            if (!skinnable_)
                return false;
            if (!BorderStyleNone()) {
                if (skinApplied_)
                    PaintFrame(nullptr);  // paints nothing once the skin data went away
                else if (!changingSkin_)
                    PaintDefaultFrame(nullptr);
            }
            return true;
        case WM_NCACTIVATE:
            if (!skinnable_)
                return false;
            NcActivate(message);
            return true;
        case WM_SYNCPAINT:
            if (!skinnable_ || !rolledUp_)
                return false;
            SendNcPaint();
            message.Result = 0;
            return true;
        case WM_SYSCOMMAND: {
            const UINT command = UINT(message.WParam & 0xFFF0);
            if (command == SC_KEYMENU) {
                // The platform's own menu mode never starts; a skinned menu of the frame closes.
                if (skinMenuOpen_)
                    menuDriver_->CloseAll();
                return true;
            }
            if (command == SC_RESTORE && OnRestore)
                OnRestore(this);
            return false;
        }
        case WM_TIMER:
            if (message.WParam == kFadeInTimer)
                FadeInStep();
            return false;
        case WM_SIZING:
            Sizing(message);
            return true;
        case WM_MOVING:
            Moving(message);
            return false;
        case WM_ENTERSIZEMOVE:
            if (skinnable_)
                EnterSizeMove();
            return false;
        case WM_EXITSIZEMOVE:
            if (skinnable_)
                ExitSizeMove();
            return false;
        case SKM_MENUCLOSED:
            MenuClosed();
            return false;
        case SKM_BEFORECHANGESKINDATA:
        case SKM_CHANGESKINDATA:
        case SKM_AFTERCHANGESKINDATA:
            SkinChange(msg, reinterpret_cast<TbsSkinData*>(message.WParam));
            return false;
        case SKM_RESSTRINGSCHANGED:
            UpdateDefaultHints();
            return false;
        case SKM_SKINNABLEFORMCHANGED:
            if (skinData_ && reinterpret_cast<TbsSkinData*>(message.WParam) == skinData_)
                SkinnableChanged();
            return false;
        case SKM_LAYEREDBORDERSCHANGED:
        case WM_DWMCOMPOSITIONCHANGED:
            LayerBorderFollows();
            return false;
        case SKM_AEROBLURCHANGED:
            if (layerBorder_->Shown()) {
                layerBorder_->Hide();
                layerBorder_->Show();
            }
            return false;
        case SKM_LAYERSUSPEND:
        case SKM_LAYERRESUME:
            SuspendLayerBorder(msg == SKM_LAYERSUSPEND);
            return false;
        case SKM_FRAMEQUERY:
            message.Result = skinnable_ || !osVersion6OrLater_ ? kFrameQuerySkinned : kFrameQueryPlain;
            return true;
        case SKM_PRINTFRAME:
            PrintFrame(message, kPrintFrameDone);
            return true;
        case SKM_PRINTFRAME2:
            if (message.LParam != kPrintFrame2Key)
                return false;
            PrintFrame(message, kPrintFrame2Key);
            return true;
        default:
            // SKM_TRAYRESTORED concerns the tray, which this frame has not shown; it goes on like
            // every other message.
            return false;
    }
}

void TbsSkinForm::PrintFrame(TMessage& message, LRESULT answer) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!skinnable_ || !dc || BorderStyleNone())
        return;
    if (skinApplied_)
        PaintFrame(dc);
    else
        PaintDefaultFrame(dc);
    message.Result = answer;
}

void TbsSkinForm::NcCalcSize(TMessage& message) {
    if (!message.LParam)
        return;
    Rect* proposed = message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                                    : reinterpret_cast<Rect*>(message.LParam);
    // No non-client area at all while the layered border carries the frame.
    if (BorderStyleNone() || LayeredBorderDrawsFrame())
        return;
    if (!Skinned()) {
        *proposed = DefaultClientRect(*proposed, ToolWindow());
        return;
    }
    CalcFrameGeometry();
    const framework::TBitmap& picture = skinData_->FramePicture();
    *proposed =
        SkinnedClientRect(*proposed, skinData_->FormInfo().ClientRect, {picture.Width(), picture.Height()});
}

void TbsSkinForm::StageTwo(TMessage& message) {
    const UINT msg = message.Msg;
    const int hit = int(message.WParam);
    const Point at = ScreenToFrame(PointFromLParam(message.LParam));
    const std::weak_ptr<bool> alive = alive_;
    switch (msg) {
        case WM_NCMOUSEMOVE:
            MoveOverObject(at);
            return;
        case WM_NCLBUTTONDOWN:
            // The previous handler ran a move or size loop: the press has been used up.
            if (std::exchange(inSizeMove_, false))
                return;
            TrackHotObject(at.X, at.Y, true);
            PressObject(at, framework::TMouseButton::mbLeft);
            if (!alive.expired() && hit == HTCAPTION)
                capturedIndex_ = -1;
            return;
        case WM_NCLBUTTONUP:
            ReleaseObject(at, framework::TMouseButton::mbLeft);
            return;
        case WM_NCLBUTTONDBLCLK:
            TrackHotObject(at.X, at.Y, true);
            PressObject(at, framework::TMouseButton::mbLeft);
            if (alive.expired())
                return;
            DoubleClickObject();
            if (!alive.expired() && hit == HTCAPTION)
                CaptionDoubleClick();
            return;
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONDBLCLK:
            TrackHotObject(at.X, at.Y, true);
            PressObject(at, framework::TMouseButton::mbRight);
            if (alive.expired() || hit != HTCAPTION)
                return;
            capturedIndex_ = -1;
            if (msg == WM_NCRBUTTONDOWN && !disableSystemMenu_) {
                Point cursor;
                GetCursorPos(&cursor);
                ShowSystemMenu(cursor);
            }
            return;
        case WM_NCRBUTTONUP:
            ReleaseObject(at, framework::TMouseButton::mbRight);
            return;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            // While an object holds the capture its release arrives as a client message.
            if (capturedIndex_ != -1)
                ReleaseObject({-1, -1}, msg == WM_LBUTTONUP ? framework::TMouseButton::mbLeft
                                                            : framework::TMouseButton::mbRight);
            return;
        default:
            return;
    }
}

}  // namespace skin
