#pragma once
// The steps of Read and Apply that belong to other parts of the window, left out, so that
// Settings can be run on its own.
#include "settings/window_steps.h"

class NoWindowSteps : public WindowSteps {
public:
    void ReadPassword(TRegistry&) override {}
    void ApplyPassword(TRegistry&) override {}
    void ReadAddRemove(TRegistry&) override {}
    void LanguageStep(TObject*) override {}
    void ClearIconMarks() override {}
    void ReadIcons() override {}
    void WriteIcons(RegistryStore&) override {}
};
