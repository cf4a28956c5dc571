#include "tests/win32/view_test_fixture.h"

#include "platform/canvas.h"
#include "platform/edit.h"
#include "platform/layout_reader.h"
#include "platform/list_box.h"
#include "platform/text_codec.h"
#include "resources/layouts.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <stdexcept>

namespace {

std::string NameOf(TObject* sender) {
    auto* component = dynamic_cast<TComponent*>(sender);
    return component ? component->Name() : "?";
}

} // namespace

TNotifyEvent RecordingHandlers::Notify(const std::string& name) const {
    return [this, name](TObject* sender) {
        calls.push_back(name + ":" + NameOf(sender));
        if (name == "Fail")
            throw std::runtime_error("Handler failed");
    };
}

TKeyPressEvent RecordingHandlers::KeyPress(const std::string& name) const {
    return [this, name](TObject* sender, char& key) {
        calls.push_back(name + ":" + NameOf(sender) + ":" + std::string(1, key));
        if (name == "RejectKey") {
            key = 0;
            dynamic_cast<TEdit&>(*sender).SetReadOnly(true);
        } else if (name == "UpperKey") {
            key = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
        }
    };
}

TCloseEvent RecordingHandlers::Close(const std::string& name) const {
    return [this, name](TObject* sender, TCloseAction& action) {
        calls.push_back(name + ":" + NameOf(sender));
        if (name == "KeepOpen")
            action = TCloseAction::caNone;
    };
}

TDrawItemEvent RecordingHandlers::DrawItem(const std::string& name) const {
    return [this, name](TWinControl* control, int index, const TRect& rect, TOwnerDrawState state) {
        auto& list = dynamic_cast<TListBox&>(*control);
        TCanvas& canvas = *list.Canvas();
        calls.push_back(name + ":" + std::to_string(index) + ":" + std::to_string(state) + ":" +
                        std::to_string(canvas.BrushColor()));
        canvas.FillRect(rect);
        canvas.TextOut(rect.Left + 2, rect.Top + 1, list.Items()[index]);
    };
}

int RecordingHandlers::Count(const std::string& entry) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), entry));
}

void Win32ViewTest::Build(std::string_view layout) {
    std::string text(layout);
    Create("test.layout", [&](std::string_view) { return std::string_view(text); });
}

void Win32ViewTest::BuildFromProgramLayout(std::string_view fileName) {
    Create(fileName, EmbeddedLayout);
}

void Win32ViewTest::Create(std::string_view fileName, const LayoutSources& sources) {
    form = app.CreateForm<TForm>();
    LoadLayout(*form, fileName, sources, handlers);
    // As a form of the program is made: windows first, then OnCreate and the first OnResize.
    windows.CreateViews(*form);
    form->DoCreate();
    form->Show();
    SetForegroundWindow(FormWindow());
    Pump();
    handlers.calls.clear();
}

void Win32ViewTest::Pump() {
    // Wine hands some messages over from the X server a moment later.
    for (int round = 0; round < 3; ++round) {
        windows.ProcessMessages(app);
        Sleep(10);
    }
    windows.ProcessMessages(app);
}

void Win32ViewTest::PointAt(int x, int y) {
    POINT at{x, y};
    ClientToScreen(FormWindow(), &at);
    SetCursorPos(at.x, at.y);
    Pump();
}

TControl* Win32ViewTest::FocusedControl() const {
    ControlWindow* view = ControlWindow::FromHandle(GetFocus());
    return view ? &view->Control() : nullptr;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

int CountPixels(HWND window, COLORREF color) {
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    int width = client.right, height = client.bottom;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    // A 32-bit DIB holds blue, green, red, unused.
    const auto* pixel = static_cast<const std::uint32_t*>(bits);
    std::uint32_t wanted = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    int count = 0;
    for (int i = 0; i < width * height; ++i)
        if ((pixel[i] & 0xFFFFFF) == wanted)
            ++count;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return count;
}
