// The icons' timings under Wine: ReadIcons for the 39 slots on the prefix's registry (with
// no configured places every slot takes its default from shell32.dll), and the picker's
// strip filled with the 184 icons of shell32.dll and painted. Goals: ReadIcons under 20 ms,
// the strip under 100 ms.
#include "tests/support/fake_platform.h"

#include "i18n/message_texts.h"
#include "icons/dialogs/icon_picker_hook.h"
#include "icons/icon_slots.h"
#include "icons/shell_icons.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/win32/file_system.h"
#include "platform/win32/icon_strip_dialog.h"
#include "platform/win32/icons.h"
#include "platform/win32/registry_store.h"
#include "tests/benchmarks/wine_timing.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cstdlib>

namespace {

void Goal(const char* name, double median, double goal) {
    std::printf("%-28s goal %.0f ms: %s\n", name, goal, median < goal ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    HINSTANCE module = GetModuleHandleW(nullptr);
    Win32RegistryStore registry;
    Win32Icons icons(module);
    Win32FileSystem files;
    FakePlatform fakes;
    TApplication app(fakes.Replace(registry).Replace(icons).Replace(files).Services());
    MessageTexts texts;
    TForm1* form = app.CreateForm<TForm1>(texts);
    ShellIcons& slots = form->IconsPart();

    double read = ReportMedian(
        "ReadIcons, 39 slots", runs, [] {}, [&] { slots.ReadIcons(); });
    int defaults = 0;
    for (const IconSlot& slot : IconSlots())
        defaults += slots.IconLocations[slot.position] == DefaultIconLocation(slot);
    std::printf("%-28s %d of 39 slots hold their default\n", "", defaults);

    // The strip of the real template, as the picker's dialog holds it.
    HWND host = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600,
                                200, nullptr, nullptr, module, nullptr);
    IconPickerHook hook(icons, app);
    IconStripDialog strip(hook, nullptr);
    OPENFILENAMEW record{};
    record.lCustData = reinterpret_cast<LPARAM>(static_cast<Dialog*>(&strip));
    HWND dialog = CreateDialogParamW(module, IconStripDialog::TemplateName, host,
                                     reinterpret_cast<DLGPROC>(&IconStripDialog::HookProcedure),
                                     reinterpret_cast<LPARAM>(&record));
    if (!dialog) {
        std::printf("the strip's template did not load\n");
        return 1;
    }
    HWND list = GetDlgItem(dialog, IconStripDialog::StripId);
    const std::string library = "C:\\windows\\system32\\shell32.dll";
    double fill = ReportMedian(
        "strip of shell32.dll", runs, [&] { hook.SelectionChanged(strip, std::nullopt); },
        [&] {
            hook.SelectionChanged(strip, library);
            UpdateWindow(list);
        });
    std::printf("%-28s %d cells\n", "", static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
    Goal("ReadIcons", read, 20);
    Goal("strip", fill, 100);
    DestroyWindow(host);
    return 0;
}
