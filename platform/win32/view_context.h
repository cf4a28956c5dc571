#pragma once
// What every view of a window system shares: the module, the DPI scale, the font and brush
// caches, the control identifiers and the forms that have windows.
#include "platform/win32/colors.h"
#include "platform/win32/dpi_scale.h"
#include "platform/win32/font_cache.h"

#include "platform/win32/windows_api.h"

#include <vector>

class FormView;

class ViewContext {
public:
    ViewContext(HINSTANCE instance, DpiScale dpi) : instance_(instance), dpi_(dpi), fonts_(dpi) {}
    ViewContext(const ViewContext&) = delete;
    ViewContext& operator=(const ViewContext&) = delete;

    HINSTANCE Instance() const { return instance_; }
    const DpiScale& Dpi() const { return dpi_; }
    FontCache& Fonts() { return fonts_; }
    BrushCache& Brushes() { return brushes_; }
    // Child windows get distinct identifiers, which WM_MEASUREITEM names its control by.
    int NextControlId() { return nextControlId_++; }

    void AddForm(FormView* form) { forms_.push_back(form); }
    void RemoveForm(FormView* form);
    // The form whose top-level window this is, or null.
    FormView* FormOfWindow(HWND topLevel) const;

private:
    HINSTANCE instance_;
    DpiScale dpi_;
    FontCache fonts_;
    BrushCache brushes_;
    int nextControlId_ = 100;
    std::vector<FormView*> forms_;
};
