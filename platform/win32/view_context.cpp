#include "platform/win32/view_context.h"

#include "platform/win32/form_view.h"

#include <algorithm>

void ViewContext::RemoveForm(FormView* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

FormView* ViewContext::FormOfWindow(HWND topLevel) const {
    for (FormView* form : forms_)
        if (topLevel && form->Handle() == topLevel)
            return form;
    return nullptr;
}
