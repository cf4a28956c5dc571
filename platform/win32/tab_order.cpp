#include "platform/win32/tab_order.h"

#include "platform/win32/control_window.h"

#include <algorithm>

namespace {

void CollectWindowed(const TWinControl& parent, std::vector<TWinControl*>& out) {
    for (TControl* child : ChildrenInTabOrder(parent))
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
            out.push_back(windowed);
            CollectWindowed(*windowed, out);
        }
}

} // namespace

std::vector<TControl*> ChildrenInTabOrder(const TWinControl& parent) {
    std::vector<TControl*> children = parent.Controls();
    std::stable_sort(children.begin(), children.end(), [](TControl* a, TControl* b) {
        if (a->IsWindowed() != b->IsWindowed())
            return a->IsWindowed();
        if (a->Left() != b->Left())
            return a->Left() < b->Left();
        return a->Top() < b->Top();
    });
    return children;
}

bool CanTakeFocusNow(const TWinControl& control) {
    auto* view = dynamic_cast<ControlWindow*>(control.View());
    if (!view || !view->TakesFocus() || !control.TabStop() || !control.Showing())
        return false;
    for (const TControl* c = &control; c; c = c->Parent())
        if (!c->Enabled())
            return false;
    return true;
}

TWinControl* NextTabStop(TWinControl& root, TWinControl* current, bool forward) {
    // The search starts from where `current` stands, even when it cannot take the focus.
    std::vector<TWinControl*> order;
    CollectWindowed(root, order);
    if (!forward)
        std::reverse(order.begin(), order.end());
    auto at = std::find(order.begin(), order.end(), current);
    std::size_t start = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin()) + 1;
    for (std::size_t step = 0; step < order.size(); ++step) {
        TWinControl* candidate = order[(start + step) % order.size()];
        if (candidate != current && CanTakeFocusNow(*candidate))
            return candidate;
    }
    return nullptr;
}
