#include "platform/registry_view.h"

#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(PathIn64BitView, OnlyMachineSoftwareOfThe32BitViewMovesUnderWow6432Node) {
    struct Case {
        RootKey root;
        RegistryView view;
        const char16_t* path;
        const char16_t* real;
    };
    const RootKey hklm = RootKey::LocalMachine;
    const RegistryView bits32 = RegistryView::Bits32;
    const Case cases[] = {
        {hklm, bits32, u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Программа",
         u"Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Программа"},
        {hklm, bits32, u"SOFTWARE\\X", u"SOFTWARE\\WOW6432Node\\X"},
        {hklm, bits32, u"Software", u"Software\\WOW6432Node"},
        {hklm, bits32, u"\\Software\\\\X\\", u"Software\\WOW6432Node\\X"},
        {hklm, bits32, u"Software\\Wow6432Node\\X", u"Software\\Wow6432Node\\X"},
        {hklm, bits32, u"Software\\Classes\\.txt", u"Software\\Classes\\.txt"},
        {hklm, bits32, u"SoftwareX\\Y", u"SoftwareX\\Y"},
        {hklm, bits32, u"System\\CurrentControlSet", u"System\\CurrentControlSet"},
        {hklm, bits32, u"", u""},
        {hklm, RegistryView::Bits64, u"Software\\X", u"Software\\X"},
        {RootKey::CurrentUser, bits32, u"Software\\X", u"Software\\X"},
        {RootKey::ClassesRoot, bits32, u"Software\\X", u"Software\\X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Cp1250ToUtf8(Utf16ToCp1250(c.path)));
        EXPECT_EQ(PathIn64BitView(c.root, c.view, c.path), c.real);
    }
}

} // namespace
