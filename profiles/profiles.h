#pragma once
// Profile files: the state of the setting controls and icon slots saved to a file, and
// loaded back as pending changes.
#include "platform/handler_table.h"

class Profiles {
public:
    static const HandlerTable<Profiles>& Handlers();

    void SaveProfileButtonClick(TObject* sender);
    void OpenProfileButtonClick(TObject* sender);
};
