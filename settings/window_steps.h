#pragma once
// The steps of Read and Apply that other parts of the main window own. Read and Apply call
// them at their fixed places; the main window wires them to their subsystems.
class RegistryStore;
class TObject;
class TRegistry;

class WindowSteps {
public:
    virtual ~WindowSteps() = default;
    // Root HKEY_LOCAL_MACHINE and no key open on entry and on exit.
    virtual void ReadPassword(TRegistry& registry) = 0;
    virtual void ApplyPassword(TRegistry& registry) = 0;
    virtual void ReadAddRemove(TRegistry& registry) = 0;
    // Rebuilds the language list and applies the recorded language.
    virtual void LanguageStep(TObject* sender) = 0;
    virtual void ClearIconMarks() = 0;
    virtual void ReadIcons() = 0;
    // Writes the changed icons to the store it is given.
    virtual void WriteIcons(RegistryStore& store) = 0;
};
