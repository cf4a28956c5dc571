#include "platform/win32/edit_view.h"

#include "platform/win32/wide_text.h"

namespace {

// Below this height the 3D edge would clip the text of the 17-pixel setting edits.
constexpr int kThinBorderBelow = 21;

} // namespace

EditView::EditView(TEdit& edit, ViewContext& context) : ControlWindow(edit, context), edit_(edit) {
    DWORD style = ES_AUTOHSCROLL | WS_TABSTOP;
    DWORD exStyle = 0;
    if (edit.Height() < kThinBorderBelow)
        style |= WS_BORDER;
    else
        exStyle |= WS_EX_CLIENTEDGE;
    if (edit.PasswordChar())
        style |= ES_PASSWORD;
    if (edit.ReadOnly())
        style |= ES_READONLY;
    CreateChild(L"EDIT", style, exStyle, false);
    if (edit.PasswordChar())
        Send(EM_SETPASSWORDCHAR, WideChar(edit.PasswordChar()));
    Send(EM_LIMITTEXT, static_cast<WPARAM>(edit.MaxLength()));
    ShowModelText();
}

void EditView::Changed(ViewChange what) {
    switch (what) {
    case ViewChange::Text:
        ShowModelText();
        break;
    case ViewChange::ReadOnly:
        Send(EM_SETREADONLY, edit_.ReadOnly());
        Redraw();
        break;
    default:
        ControlWindow::Changed(what);
    }
}

void EditView::ShowModelText() {
    // The user's own typing comes back as the same text: leave the caret where it is.
    std::wstring text = Wide(edit_.Text());
    if (Text() == text)
        return;
    showingModelText_ = true;
    SetText(text);
    showingModelText_ = false;
}

LRESULT EditView::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_CHAR) {
        // The handler may swallow or change the key, or make the edit read-only, which the
        // window has taken on by the time it processes the key.
        char key = edit_.KeyPress(NarrowChar(static_cast<wchar_t>(w)));
        if (key == 0)
            return 0;
        return CallDefault(message, WideChar(key), l);
    }
    return ControlWindow::HandleMessage(message, w, l);
}

std::optional<LRESULT> EditView::Reflected(UINT message, WPARAM w, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(w) == EN_CHANGE && !showingModelText_) {
            edit_.TextEditedByUser(Narrow(Text()));
            return 0;
        }
        return std::nullopt;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        // A read-only edit asks with WM_CTLCOLORSTATIC; it keeps the model's colours.
        auto dc = reinterpret_cast<HDC>(w);
        SetTextColor(dc, ColorRef(edit_.Font().Color()));
        SetBkColor(dc, ColorRef(edit_.Color()));
        return reinterpret_cast<LRESULT>(context_.Brushes().Get(edit_.Color()));
    }
    default:
        return std::nullopt;
    }
}
