#include "platform/win32/registry_roots.h"

HKEY PredefinedKey(RootKey root) {
    switch (root) {
    case RootKey::CurrentUser:
        return HKEY_CURRENT_USER;
    case RootKey::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RootKey::LocalMachine:
        break;
    }
    return HKEY_LOCAL_MACHINE;
}
