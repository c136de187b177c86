// The message tables of SkinWindowProc. Stage one sees every message: a message it does not list,
// or a listed one whose row ends by passing it on, reaches the previous handler exactly once.
// Stage two sees the non-client mouse messages after the previous handler.
#include "framework/controls/win_control.h"
#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/skin_form.h"

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
        // Object hints and the frame's skinned menus are shown by the frame's pointer handling;
        // while neither is open there is nothing to close.
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
            SendNcPaint();
            ResetHoverStates();
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
            if (!skinnable_)
                return false;
            {
                Rect window;
                GetWindowRect(Window(), &window);
                const Point p = PointFromLParam(message.LParam);
                const Point at{p.X - window.Left, p.Y - window.Top};
                message.Result = skinApplied_ ? HitTestFrame(at) : HitTestDefaultFrame(at);
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
            if (command == SC_KEYMENU)
                return true;  // the platform's own menu mode never starts
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
            if (skinnable_ && formState_ == TbsFormState::Maximized && message.LParam) {
                Rect now;
                GetWindowRect(Window(), &now);
                *reinterpret_cast<Rect*>(message.LParam) = now;
            }
            return false;
        case WM_ENTERSIZEMOVE:
            if (skinnable_) {
                ResetHoverStates();
                mouseTrackTimer_->SetEnabled(false);
                hotIndex_ = capturedIndex_ = -1;
                inSizeMove_ = true;
                bool full = true;
                SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
                dragFullWindows_ = full;
            }
            return false;
        case WM_EXITSIZEMOVE:
            if (skinnable_) {
                const Size now = WindowSize();
                if (liveSizing_ && (now.cx != frameWidth_ || now.cy != frameHeight_)) {
                    TakeWindowSize();
                    UpdateFrame(true);
                }
                liveSizing_ = inSizeMove_ = false;
                mouseTrackTimer_->SetEnabled(false);
                hotIndex_ = previousHotIndex_ = capturedIndex_ = -1;
                if (skinData_ && !skinData_->Empty())
                    SendNcPaint();
                layerBorder_->Update();
            }
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
            // SKM_MENUCLOSED and SKM_TRAYRESTORED concern menus and the tray, which this frame has
            // not opened; they go on like every other message.
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
    if (BorderStyleNone())
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
    switch (message.Msg) {
        case WM_NCLBUTTONDOWN:
            // The previous handler ran a move or size loop: the press has been used up.
            if (inSizeMove_)
                inSizeMove_ = false;
            return;
        default:
            // The pointer on caption objects (hover, press, release, double-click) belongs to the
            // frame's pointer tracking, which follows HotIndex and CapturedIndex.
            return;
    }
}

}  // namespace skin
