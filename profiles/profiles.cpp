#include "profiles/profiles.h"

const HandlerTable<Profiles>& Profiles::Handlers() {
    static const HandlerTable<Profiles> table{
        .notify = {{"SaveProfileButtonClick", &Profiles::SaveProfileButtonClick},
                   {"OpenProfileButtonClick", &Profiles::OpenProfileButtonClick}}};
    return table;
}

// Saving and loading are still to be built (issue 11); until then both buttons do nothing.
void Profiles::SaveProfileButtonClick(TObject* /*sender*/) {}
void Profiles::OpenProfileButtonClick(TObject* /*sender*/) {}
