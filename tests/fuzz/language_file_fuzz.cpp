// A language file of any bytes applied to the main window: the reader takes whatever a file
// holds, a file that ends inside the icon list's items or the Strings section may raise
// only the list-index error, and the icon list keeps its number of items.
#include "i18n/language_file.h"
#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/list_box.h"
#include "platform/string_list.h"
#include "tests/support/fake_platform.h"

#include <cstdint>
#include <cstdlib>

namespace {

// One window for the whole run. Applying never looks at the texts a component shows, so
// what an earlier input left behind cannot change how the next one is read.
struct Window {
    Window() : application(platform.Services()) { form = application.CreateForm<TForm1>(texts); }
    FakePlatform platform;
    MessageTexts texts;
    TApplication application;
    TForm1* form = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Window window;
    auto& list = FindAs<TListBox>(*window.form, IconListName);
    const int items = list.Count();
    TStringList lines;
    lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
    MessageTexts texts;
    try {
        ApplyLanguageFile(*window.form, texts, lines.Lines());
    } catch (const EStringListError&) {
        // The file ended early.
    }
    if (list.Count() != items)
        std::abort();
    return 0;
}
