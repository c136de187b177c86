#include "framework/forms/message_box.h"

#include "framework/controls/button.h"
#include "framework/controls/label.h"
#include "framework/forms/application.h"
#include "framework/forms/screen.h"
#include "platform/window/metrics.h"

namespace framework {

using namespace platform;

namespace {

constexpr int32_t kMargin = 16;
constexpr int32_t kButtonWidth = 75;
constexpr int32_t kButtonHeight = 23;

}  // namespace

void ShowMessageBox(const std::string& title, const std::string& text) {
    // Owned by nobody: the box lives exactly as long as this call.
    TForm box(nullptr);
    box.SetBorderStyle(TFormBorderStyle::bsDialog);
    box.SetBorderIcons({TBorderIcon::biSystemMenu});
    box.SetCaption(title);
    box.SetPosition(TPosition::poScreenCenter);

    auto* label = new TLabel(&box);
    label->SetParent(&box);
    label->SetWordWrap(false);
    label->SetCaption(text);
    label->SetLeft(kMargin);
    label->SetTop(kMargin);
    label->SetShowAccelChar(false);

    auto* ok = new TButton(&box);
    ok->SetParent(&box);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetCancel(true);
    ok->SetModalResult(mrOk);

    const int32_t clientWidth = std::max(label->Width(), kButtonWidth) + 2 * kMargin;
    ok->SetBounds((clientWidth - kButtonWidth) / 2, kMargin * 2 + label->Height(), kButtonWidth, kButtonHeight);
    box.SetClientWidth(clientWidth);
    box.SetClientHeight(ok->Top() + kButtonHeight + kMargin);
    box.SetActiveControl(nullptr);
    box.ShowModal();
}

}  // namespace framework
