#include "platform/win32/file_dialogs.h"

#include "platform/form.h"
#include "platform/win32/control_window.h"
#include "platform/win32/icon_strip_dialog.h"
#include "platform/win32/wide_text.h"

#include <algorithm>
#include <vector>

namespace {

// Room for a full path; the dialog refuses a longer one, which counts as cancel.
constexpr std::size_t FileBufferLength = 259;

} // namespace

std::optional<std::string> Win32FileDialogs::Run(const FileDialogRequest& request,
                                                 IconStripEvents* strip) {
    std::wstring filter = Wide(request.filter);
    std::wstring title = Wide(request.title);
    std::wstring extension = Wide(request.defaultExtension);
    std::vector<wchar_t> file(FileBufferLength, L'\0');
    std::wstring initial = Wide(request.initialFile);
    std::copy_n(initial.begin(), std::min(initial.size(), file.size() - 1), file.begin());

    OPENFILENAMEW record{};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record.hwndOwner = request.owner ? WindowOf(*request.owner) : nullptr;
    record.hInstance = instance_;
    record.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    record.nFilterIndex = 1;
    record.lpstrFile = file.data();
    record.nMaxFile = static_cast<DWORD>(file.size());
    // An empty title stays empty; only a null one would be replaced by the system's.
    record.lpstrTitle = title.c_str();
    record.Flags =
        request.flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_ENABLETEMPLATEHANDLE);
    record.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();

    std::optional<IconStripDialog> stripDialog;
    if (strip) {
        stripDialog.emplace(*strip, request.owner);
        record.Flags |= OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
        record.lpfnHook = &IconStripDialog::HookProcedure;
        record.lpTemplateName = IconStripDialog::TemplateName;
        record.lCustData = reinterpret_cast<LPARAM>(static_cast<Dialog*>(&*stripDialog));
    }
    BOOL confirmed = request.kind == FileDialogKind::Save ? GetSaveFileNameW(&record)
                                                          : GetOpenFileNameW(&record);
    if (!confirmed)
        return std::nullopt;
    return Narrow(file.data());
}
