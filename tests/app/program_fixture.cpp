#include "tests/app/program_fixture.h"

void ProgramTest::StorePassword(const RegistryValue& value) {
    platform.registry.Put(RootKey::LocalMachine, "Software\\SRVT\\SRVT", "Password", value);
}

int ProgramTest::Start(const std::function<void()>& events) {
    program = std::make_unique<Program>(platform.Services());
    platform.windows.whileRunning = [this, events](TApplication&) {
        loopRan = true;
        if (events)
            events();
    };
    return program->Run();
}
