#pragma once
// The part of the open dialog below its own controls made from the template "DIALOG_1":
// list 101, owner-drawn and multi-column without strings, whose items are cells of 34 x 34
// pixels, one picture each. The dialog's hook procedure turns the messages into what the
// program is told (IconStripEvents); the program decides what the strip shows.
#include "platform/file_dialogs.h"
#include "platform/win32/dialog.h"

#include <optional>
#include <string>
#include <vector>

class TForm;

class IconStripDialog final : public Dialog, public IconStrip {
public:
    static constexpr const wchar_t* TemplateName = L"DIALOG_1";
    static constexpr int StripId = 101;

    // Errors are shown by the application of `owner`.
    IconStripDialog(IconStripEvents& events, TForm* owner) : events_(events), owner_(owner) {}

    // The hook of the open dialog; its record's custom data is the IconStripDialog.
    static UINT_PTR CALLBACK HookProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l);

    void Show(const std::vector<TIcon>& pictures) override;
    void PressOk() override;

private:
    INT_PTR HandleMessage(UINT message, WPARAM w, LPARAM l) override;
    void ReportError(const std::exception& error) override;
    INT_PTR Notified(const NMHDR& header, LPARAM l);
    // The full path the open dialog has selected now.
    std::optional<std::string> SelectedPath() const;
    void DrawCell(const DRAWITEMSTRUCT& item) const;

    IconStripEvents& events_;
    TForm* owner_;
    HWND strip_ = nullptr;
    std::vector<TIcon> cells_;
};
