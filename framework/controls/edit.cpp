#include "framework/controls/edit.h"

#include "framework/controls/control_look.h"
#include "framework/core/utf8.h"
#include "framework/graphics/canvas.h"
#include "platform/window/clipboard.h"
#include "platform/window/ime.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"

namespace framework {

using namespace platform;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Text measured in a font without a window: a memory DC with the font selected.
class Measure {
public:
    explicit Measure(const TFont& font) : dc_(CreateCompatibleDC(nullptr)) { old_ = SelectObject(dc_, font.Handle()); }
    ~Measure() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;
    int32_t width(std::string_view text) const {
        Size size;
        return text.empty() || !GetTextExtentPoint32(dc_, text, &size) ? 0 : size.cx;
    }
    int32_t height() const {
        TEXTMETRIC metrics;
        return GetTextMetrics(dc_, &metrics) ? metrics.tmHeight : 13;
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetColor(SystemColor(COLOR_WINDOW));
    SetCursor(crIBeam);
    SetControlStyle(ControlStyle().insert(TControlStyleFlag::csDoubleClicks));
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Invalidate();
}

bool TCustomEdit::WantsInputMethod() const { return ImeMode() != TImeMode::imDisable && ImeMode() != TImeMode::imClose; }

// --- Selection -------------------------------------------------------------------------------

int TCustomEdit::SelStart() const {
    return int(utf8::CountCharacters(std::string_view(Text()).substr(0, SelectionStart())));
}

void TCustomEdit::SetSelStart(int start) {
    const std::string text = Text();
    const size_t at = utf8::FirstCharacters(text, size_t(std::max(start, 0))).size();
    caret_ = anchor_ = at;
    typingRun_ = false;
    ScrollToCaret();
    Invalidate();
}

int TCustomEdit::SelLength() const {
    const std::string text = Text();
    return int(utf8::CountCharacters(std::string_view(text).substr(SelectionStart(), SelectionEnd() - SelectionStart())));
}

void TCustomEdit::SetSelLength(int length) {
    const std::string text = Text();
    const size_t start = SelectionStart();
    anchor_ = start;
    caret_ = start + utf8::FirstCharacters(std::string_view(text).substr(start), size_t(std::max(length, 0))).size();
    ScrollToCaret();
    Invalidate();
}

std::string TCustomEdit::SelText() const { return Text().substr(SelectionStart(), SelectionEnd() - SelectionStart()); }

void TCustomEdit::SetSelText(const std::string& text) { Replace(text, false); }

void TCustomEdit::SelectAll() {
    anchor_ = 0;
    caret_ = Text().size();
    typingRun_ = false;
    ScrollToCaret();
    Invalidate();
}

void TCustomEdit::MoveCaret(size_t position, bool extend) {
    caret_ = position;
    if (!extend) anchor_ = position;
    typingRun_ = false;
    ScrollToCaret();
    Invalidate();
}

// --- Changing the text -----------------------------------------------------------------------

void TCustomEdit::Replace(std::string_view with, bool typing) {
    std::string text = Text();
    const size_t start = SelectionStart(), end = SelectionEnd();
    std::string insert(with);
    if (maxLength_ > 0) {
        const size_t kept = utf8::CountCharacters(text) - utf8::CountCharacters(std::string_view(text).substr(start, end - start));
        const size_t room = size_t(maxLength_) > kept ? size_t(maxLength_) - kept : 0;
        insert = std::string(utf8::FirstCharacters(insert, room));
    }
    if (insert.empty() && start == end) return;
    // A run of typing is undone as a whole, as the platform's edit does.
    if (!(typing && typingRun_)) {
        undoText_ = text;
        undoCaret_ = caret_;
        canUndo_ = true;
    }
    text.replace(start, end - start, insert);
    caret_ = anchor_ = start + insert.size();
    changingText_ = true;
    SetText(text);
    changingText_ = false;
    typingRun_ = typing;
    ScrollToCaret();
    Invalidate();
    Change();
}

void TCustomEdit::Undo() {
    if (!canUndo_) return;
    std::string current = Text();
    const size_t currentCaret = caret_;
    changingText_ = true;
    SetText(undoText_);
    changingText_ = false;
    caret_ = anchor_ = std::min(undoCaret_, undoText_.size());
    undoText_ = std::move(current);
    undoCaret_ = currentCaret;
    typingRun_ = false;
    ScrollToCaret();
    Invalidate();
    Change();
}

void TCustomEdit::TextChangedOutside() {
    // Text set by the program: the caret goes to the start and nothing is left to undo.
    caret_ = anchor_ = 0;
    scroll_ = 0;
    canUndo_ = false;
    typingRun_ = false;
    Invalidate();
    Change();
}

void TCustomEdit::Change() {
    if (InState(csLoading)) return;
    modified_ = true;
    if (OnChange) OnChange(this);
}

void TCustomEdit::CopyToClipboard() {
    if (SelectionEnd() > SelectionStart()) SetClipboardText(SelText());
}

void TCustomEdit::CutToClipboard() {
    if (readOnly_) return;
    CopyToClipboard();
    Replace("", false);
}

void TCustomEdit::PasteFromClipboard() {
    if (readOnly_) return;
    // One line: a pasted line break ends what is taken.
    std::string text = GetClipboardText();
    if (size_t end = text.find_first_of("\r\n"); end != std::string::npos) text.resize(end);
    Replace(text, false);
}

// --- Keys ------------------------------------------------------------------------------------

void TCustomEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const std::string text = Text();
    const bool extend = shift.contains(TShiftFlag::ssShift);
    const bool control = shift.contains(TShiftFlag::ssCtrl);
    switch (key) {
        case VK_LEFT:
            if (!extend && caret_ != anchor_)
                MoveCaret(SelectionStart(), false);
            else
                MoveCaret(utf8::PreviousBoundary(text, caret_), extend);
            break;
        case VK_RIGHT:
            if (!extend && caret_ != anchor_)
                MoveCaret(SelectionEnd(), false);
            else
                MoveCaret(utf8::NextBoundary(text, caret_), extend);
            break;
        case VK_HOME: MoveCaret(0, extend); break;
        case VK_END: MoveCaret(text.size(), extend); break;
        case VK_BACK:
            if (readOnly_) break;
            if (caret_ == anchor_) anchor_ = utf8::PreviousBoundary(text, caret_);
            Replace("", false);
            break;
        case VK_DELETE:
            if (extend) {
                CutToClipboard();
                break;
            }
            if (readOnly_) break;
            if (caret_ == anchor_) anchor_ = utf8::NextBoundary(text, caret_);
            Replace("", false);
            break;
        case VK_INSERT:
            if (control)
                CopyToClipboard();
            else if (extend)
                PasteFromClipboard();
            else
                return;
            break;
        default:
            if (!control) return;
            switch (key) {
                case 'A': SelectAll(); break;
                case 'C': CopyToClipboard(); break;
                case 'X': CutToClipboard(); break;
                case 'V': PasteFromClipboard(); break;
                case 'Z': Undo(); break;
                default: return;
            }
    }
    key = 0;
}

void TCustomEdit::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    // Control characters (Backspace, Enter, Tab, Ctrl+letters) were keys, not text.
    if (key < 0x20 || key == 0x7F) {
        key = 0;
        return;
    }
    if (readOnly_ || !IsValidChar(key)) {
        key = 0;
        return;
    }
    Replace(utf8::Encode(key), true);
    key = 0;
}

// --- Mouse -----------------------------------------------------------------------------------

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        MoveCaret(PositionAt(x), shift.contains(TShiftFlag::ssShift));
        mouseSelecting_ = true;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
    if (mouseSelecting_) MoveCaret(PositionAt(x), true);
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) mouseSelecting_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomEdit::DblClick() {
    // The word under the caret: a run of characters between blanks.
    const std::string text = Text();
    size_t start = caret_, end = caret_;
    while (start > 0 && !IsBlank(text[utf8::PreviousBoundary(text, start)])) start = utf8::PreviousBoundary(text, start);
    while (end < text.size() && !IsBlank(text[end])) end = utf8::NextBoundary(text, end);
    anchor_ = start;
    caret_ = end;
    mouseSelecting_ = false;
    ScrollToCaret();
    Invalidate();
    TCustomControl::DblClick();
}

void TCustomEdit::DoEnter() {
    // Reached with Tab: everything selected, ready to be typed over.
    if (autoSelect_ && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    TCustomControl::DoEnter();
}

// --- Messages --------------------------------------------------------------------------------

void TCustomEdit::ReadComposition() {
    std::string preedit;
    int32_t cursor = 0;
    if (HandleAllocated() && ImeGetComposition(Handle(), &preedit, &cursor)) {
        preedit_ = std::move(preedit);
        preeditCursor_ = std::clamp(cursor, 0, int32_t(preedit_.size()));
    } else {
        preedit_.clear();
        preeditCursor_ = 0;
    }
    Invalidate();
    UpdateImeCaret();
}

void TCustomEdit::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_IME_STARTCOMPOSITION:
        case WM_IME_ENDCOMPOSITION:
        case WM_IME_COMPOSITION: ReadComposition(); return;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            TCustomControl::Dispatch(message);
            if (message.Msg == WM_KILLFOCUS) preedit_.clear();
            typingRun_ = false;
            Invalidate();
            UpdateImeCaret();
            return;
        case CM_TEXTCHANGED:
            TCustomControl::Dispatch(message);
            if (!changingText_) TextChangedOutside();
            return;
        case CM_FONTCHANGED:
        case CM_ENABLEDCHANGED:
            TCustomControl::Dispatch(message);
            Invalidate();
            return;
        default: TCustomControl::Dispatch(message);
    }
}

// --- Geometry --------------------------------------------------------------------------------

Rect TCustomEdit::TextArea() const {
    Rect r = ClientRect();
    // Inside the two-pixel sunken edge, with one pixel of air on each side.
    return {r.Left + 3, r.Top + 2, r.Right - 3, r.Bottom - 2};
}

int32_t TCustomEdit::MeasureText(std::string_view text) const { return Measure(Font()).width(text); }

int32_t TCustomEdit::LineHeight() const { return Measure(Font()).height(); }

int32_t TCustomEdit::XOf(size_t position) const {
    const std::string text = Text();
    return MeasureText(std::string_view(text).substr(0, std::min(position, text.size())));
}

size_t TCustomEdit::PositionAt(int x) const {
    const std::string text = Text();
    const int32_t target = x - TextArea().Left + scroll_;
    if (target <= 0) return 0;
    Measure measure(Font());
    size_t position = 0;
    int32_t previous = 0;
    while (position < text.size()) {
        const size_t next = utf8::NextBoundary(text, position);
        const int32_t width = measure.width(std::string_view(text).substr(0, next));
        // Past the middle of a character: the caret goes after it.
        if (target < (previous + width + 1) / 2) return position;
        previous = width;
        position = next;
    }
    return text.size();
}

void TCustomEdit::ScrollToCaret() {
    const int32_t room = std::max(TextArea().width() - 1, 1);
    const int32_t caretX = XOf(caret_);
    if (caretX - scroll_ < 0) scroll_ = caretX;
    if (caretX - scroll_ > room) scroll_ = caretX - room;
    // No empty space is kept on the right while text is hidden on the left.
    const int32_t full = XOf(Text().size());
    if (full - scroll_ < room) scroll_ = std::max(full - room, 0);
    UpdateImeCaret();
}

void TCustomEdit::UpdateImeCaret() {
    if (!HandleAllocated() || !Focused()) return;
    const Rect area = TextArea();
    const int32_t x = area.Left + XOf(caret_) - scroll_ + MeasureText(std::string_view(preedit_).substr(0, size_t(preeditCursor_)));
    const int32_t top = area.Top + (area.height() - LineHeight()) / 2;
    ImeSetCaret(Handle(), {x, top, x + 1, top + LineHeight()});
}

// --- Painting --------------------------------------------------------------------------------

void TCustomEdit::Paint() {
    TCanvas& canvas = Canvas();
    const Rect client = ClientRect();
    Rect inner = DrawSunkenEdge(canvas, client);
    const bool grey = !Enabled() || readOnly_;
    canvas.Brush().SetColor(grey ? SystemColor(COLOR_BTNFACE) : Color());
    canvas.FillRect(inner);

    const Rect area = TextArea();
    const std::string text = Text();
    const int32_t lineHeight = LineHeight();
    const int32_t top = area.Top + (area.height() - lineHeight) / 2;
    const int32_t origin = area.Left - scroll_;
    // The composition shows at the caret, inside the text.
    const std::string shown = preedit_.empty() ? text : text.substr(0, caret_) + preedit_ + text.substr(caret_);
    const TColor textColor = Enabled() ? Font().Color() : SystemColor(COLOR_GRAYTEXT);

    const int saved = SaveDC(canvas.Handle());
    IntersectClipRect(canvas.Handle(), area.Left, area.Top, area.Right, area.Bottom);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Font().SetColor(textColor);
    canvas.TextOut(origin, top, shown);

    const size_t selStart = SelectionStart(), selEnd = SelectionEnd();
    // The selection shows while the edit has the focus, as the platform's edit hides it otherwise.
    if (selEnd > selStart && preedit_.empty() && Focused()) {
        const int32_t left = origin + XOf(selStart), right = origin + XOf(selEnd);
        const int selectionSaved = SaveDC(canvas.Handle());
        IntersectClipRect(canvas.Handle(), left, top, right, top + lineHeight);
        canvas.Brush().SetColor(SystemColor(COLOR_HIGHLIGHT));
        canvas.FillRect({left, top, right, top + lineHeight});
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Font().SetColor(SystemColor(COLOR_HIGHLIGHTTEXT));
        canvas.TextOut(origin, top, shown);
        RestoreDC(canvas.Handle(), selectionSaved);
    }
    if (!preedit_.empty()) {
        const int32_t left = origin + XOf(caret_);
        const int32_t right = left + MeasureText(preedit_);
        canvas.Brush().SetColor(textColor);
        canvas.FillRect({left, top + lineHeight - 1, right, top + lineHeight});
    }
    if (Focused()) {
        const int32_t x = origin + XOf(caret_) + MeasureText(std::string_view(preedit_).substr(0, size_t(preeditCursor_)));
        canvas.Brush().SetColor(clBlack);
        canvas.FillRect({x, top, x + 1, top + lineHeight});
    }
    RestoreDC(canvas.Handle(), saved);
}

}  // namespace framework
