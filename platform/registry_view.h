#pragma once
// Where a key of the 32-bit view really lives, as a path of the 64-bit view below the same
// root: what a .reg file must name, since it cannot name a view.
//
// Windows and Wine keep HKEY_LOCAL_MACHINE\Software apart for 32-bit programs: there,
// "Software\X" is "Software\WOW6432Node\X" (Windows shares a few keys below it, such as
// App Paths and Fonts, but none the program opens in the 32-bit view: the uninstall entries
// are kept apart). The rest of HKEY_LOCAL_MACHINE and the Software of HKEY_CURRENT_USER are
// shared by both views, and a path already inside WOW6432Node names itself. Classes keys
// (HKEY_CLASSES_ROOT, "Software\Classes") keep their path too: Wine redirects all of them
// and Windows only a few (CLSID, Interface and the like), and the program opens none of
// them in the 32-bit view.
#include "platform/registry_store.h"

#include <string>
#include <string_view>
#include <vector>

// The path's parts: the names between its backslashes, empty ones (a leading backslash, a
// doubled one) skipped.
std::vector<std::u16string> PartsIn64BitView(RootKey root, RegistryView view,
                                             std::u16string_view path);
// The same joined by single backslashes.
std::u16string PathIn64BitView(RootKey root, RegistryView view, std::u16string_view path);
