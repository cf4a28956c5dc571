#pragma once
// Read and Apply of a window's controls run over a recording store, with the steps that
// belong to other parts of the window left out.
#include "platform/application.h"
#include "settings/settings.h"
#include "tests/settings/no_window_steps.h"
#include "tests/settings/recording_store.h"
#include "tests/support/fake_platform.h"

// Members in the order they are built: the store and the application come before Settings.
// The platform hands out the recording store from then on.
struct RecordedSettings {
    RecordedSettings(FakePlatform& platform, TForm& form, ChangeTracker& changes)
        : store(platform.registry), application(platform.Replace(store).Services()),
          settings(form, application, changes, steps) {}

    RecordingStore store;
    TApplication application;
    NoWindowSteps steps;
    Settings settings;
};
