#pragma once
// The seam between a control's state and whatever shows it. The model owns at most one view
// and tells it what changed; the view reads the new state back from the model. Headless
// controls (the native build, the tests) have no view.

enum class ViewChange {
    Bounds,
    Visible,
    Enabled,
    Caption,
    Font,
    Color,
    Checked,
    Text,
    ReadOnly,
    Items,
    ItemIndex,
    ActivePage,
    Focus,
    Repaint,
    Style,
};

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void Changed(ViewChange what) = 0;
};
