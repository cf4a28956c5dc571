#include "platform/win32/icons.h"

#include "platform/win32/icon_image.h"
#include "platform/win32/wide_text.h"

#include <climits>
#include <memory>

namespace {

// Windows answers 1 for a file that is no icon source at all: no icon, like none.
bool IsIcon(HICON icon) {
    return icon && icon != reinterpret_cast<HICON>(1);
}

TIcon Adopt(HICON icon) {
    if (!IsIcon(icon))
        return TIcon();
    return TIcon(std::make_shared<Win32IconImage>(icon));
}

} // namespace

TIcon Win32Icons::ApplicationIcon() {
    HICON icon = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, 32, 32, 0));
    if (!icon) {
        // A shared system icon: the copy is ours to destroy.
        auto shared =
            static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 32, 32, LR_SHARED));
        icon = shared ? CopyIcon(shared) : nullptr;
    }
    return Adopt(icon);
}

int Win32Icons::Count(const std::string& file) {
    auto count = reinterpret_cast<UINT_PTR>(
        ExtractIconW(instance_, Wide(file).c_str(), static_cast<UINT>(-1)));
    return count > static_cast<UINT_PTR>(INT_MAX) ? 0 : static_cast<int>(count);
}

TIcon Win32Icons::Extract(const std::string& file, int index) {
    return Adopt(ExtractIconW(instance_, Wide(file).c_str(), static_cast<UINT>(index)));
}

std::vector<TIcon> Win32Icons::ExtractRun(const std::string& file, int first, int count) {
    std::vector<TIcon> icons;
    if (first < 0 || count <= 0)
        return icons;
    // What ExtractIconW does for one icon, for all of them in one read of the file. Wine
    // hands out only the first one from ExtractIconExW, and from this one without the
    // identifiers' buffer.
    std::vector<HICON> handles(static_cast<std::size_t>(count), nullptr);
    std::vector<UINT> identifiers(handles.size(), 0);
    PrivateExtractIconsW(Wide(file).c_str(), first, GetSystemMetrics(SM_CXICON),
                         GetSystemMetrics(SM_CYICON), handles.data(), identifiers.data(),
                         static_cast<UINT>(count), LR_DEFAULTCOLOR);
    // The icons after the first one missing are not handed out, but they are ours.
    bool ended = false;
    for (HICON handle : handles) {
        ended = ended || !IsIcon(handle);
        if (!ended)
            icons.push_back(Adopt(handle));
        else if (IsIcon(handle))
            DestroyIcon(handle);
    }
    return icons;
}
