#include "platform/win32/icon_strip_dialog.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/win32/icon_image.h"
#include "platform/win32/wide_text.h"

namespace {

constexpr int CellSize = 34;
constexpr int PictureSize = 32;
constexpr int PictureInset = 1;

// The picture blended with the highlight colour, exactly as an image list draws its
// focused image.
void DrawFocused(HDC dc, int x, int y, HICON icon) {
    HIMAGELIST single = ImageList_Create(PictureSize, PictureSize, ILC_MASK | ILC_COLOR32, 1, 0);
    if (!single)
        return;
    if (ImageList_ReplaceIcon(single, -1, icon) == 0)
        ImageList_Draw(single, 0, dc, x, y, ILD_FOCUS);
    ImageList_Destroy(single);
}

} // namespace

UINT_PTR CALLBACK IconStripDialog::HookProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    // The strip is measured before the dialog is initialised.
    if (message == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        if (measure->CtlID != StripId)
            return FALSE;
        measure->itemHeight = CellSize;
        return TRUE;
    }
    Dialog* initialising = nullptr;
    if (message == WM_INITDIALOG)
        initialising = reinterpret_cast<Dialog*>(reinterpret_cast<OPENFILENAMEW*>(l)->lCustData);
    return static_cast<UINT_PTR>(Route(initialising, dialog, message, w, l));
}

void IconStripDialog::Show(const std::vector<TIcon>& pictures) {
    // Items added with redraw on cost more than the icons themselves.
    SendMessageW(strip_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(strip_, LB_RESETCONTENT, 0, 0);
    cells_ = pictures;
    SendMessageW(strip_, LB_INITSTORAGE, cells_.size(), static_cast<LPARAM>(cells_.size()));
    for (std::size_t i = 0; i < cells_.size(); ++i)
        SendMessageW(strip_, LB_ADDSTRING, 0, 0);
    SendMessageW(strip_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(strip_, nullptr, TRUE);
}

void IconStripDialog::PressOk() {
    SendMessageW(GetDlgItem(GetParent(Handle()), IDOK), BM_CLICK, 0, 0);
}

INT_PTR IconStripDialog::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_INITDIALOG:
        strip_ = GetDlgItem(Handle(), StripId);
        SendMessageW(strip_, LB_SETCOLUMNWIDTH, CellSize, 0);
        SetFocus(strip_);
        events_.Opened(*this);
        return FALSE;
    case WM_DRAWITEM:
        if (w != StripId)
            return FALSE;
        DrawCell(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_NOTIFY:
        return Notified(*reinterpret_cast<const NMHDR*>(l), l);
    case WM_COMMAND:
        if (LOWORD(w) != StripId)
            return FALSE;
        if (HIWORD(w) == LBN_SELCHANGE) {
            events_.CellSelected(static_cast<int>(SendMessageW(strip_, LB_GETCURSEL, 0, 0)));
            return TRUE;
        }
        if (HIWORD(w) == LBN_DBLCLK) {
            events_.CellDoubleClicked(*this);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR IconStripDialog::Notified(const NMHDR& header, LPARAM l) {
    if (header.code == CDN_SELCHANGE) {
        events_.SelectionChanged(*this, SelectedPath());
    } else if (header.code == CDN_FILEOK) {
        // The record's buffer, not CDM_GETFILEPATH: Wine doubles a typed absolute path there.
        const OPENFILENAMEW& record = *reinterpret_cast<const OFNOTIFYW*>(l)->lpOFN;
        if (!events_.FileConfirmed(*this, NarrowExactly(record.lpstrFile))) {
            SetMessageResult(1);
            return TRUE;
        }
    }
    return FALSE;
}

std::optional<std::string> IconStripDialog::SelectedPath() const {
    HWND open = GetParent(Handle());
    LRESULT length = SendMessageW(open, CDM_GETFILEPATH, 0, 0);
    if (length <= 0)
        return std::string();
    std::wstring path(static_cast<std::size_t>(length), L'\0');
    SendMessageW(open, CDM_GETFILEPATH, path.size(), reinterpret_cast<LPARAM>(path.data()));
    path.resize(wcslen(path.c_str()));
    return NarrowExactly(path);
}

void IconStripDialog::DrawCell(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1) ||
        (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0)
        return;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT cell{item.rcItem.left, item.rcItem.top, item.rcItem.left + CellSize,
              item.rcItem.top + CellSize};
    FillRect(item.hDC, &cell, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID >= cells_.size())
        return;
    auto* picture = dynamic_cast<const Win32IconImage*>(cells_[item.itemID].Image());
    if (!picture)
        return;
    int x = cell.left + PictureInset, y = cell.top + PictureInset;
    if (selected)
        DrawFocused(item.hDC, x, y, picture->Handle());
    else
        DrawIconEx(item.hDC, x, y, picture->Handle(), PictureSize, PictureSize, 0, nullptr,
                   DI_NORMAL);
}

void IconStripDialog::ReportError(const std::exception& error) {
    if (owner_)
        owner_->Application().HandleException(error);
    else
        MessageBoxW(Handle(), Wide(error.what()).c_str(), L"", MB_OK | MB_ICONERROR);
}
