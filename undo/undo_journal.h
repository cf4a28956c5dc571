#pragma once
// The undo journal: before an operation changes the registry, what it is about to change is
// saved as a .reg file, which Windows' own Registry Editor (a double click) or `reg import`
// imports to put back every key and value the operation could touch exactly as it was.
//
// The operation hands over its registry writes as one callable over a store, with nothing
// else in it (no message box, no notification, no Read): the journal rehearses them on a
// store that keeps their changes to itself, captures what the registry holds of everything
// they touched, writes the journal, and only then returns, so that the caller runs the same
// writes on the registry:
//
//     UndoJournal(application.Services()).SaveBefore("Apply", writes);
//     writes(application.Services().registry);
//
// What is rehearsed need only touch the same places as what runs after it: writes that the
// operation spreads over several steps (with notifications between them) are rehearsed
// together, once, before the first.
//
// The journals are kept in %LOCALAPPDATA%\Sorvanto\Undo (see journal_folder.h).
#include <functional>
#include <string>

class Clock;
class Folders;
class RegistryStore;
class UnicodeFileSystem;
struct Platform;

class UndoJournal {
public:
    explicit UndoJournal(const Platform& services);

    // `operation` ends the file's name, so it is a plain word ("Apply", "Remove").
    // Returns the journal's full name. Raises, with nothing written to the registry, when the
    // journal cannot be written ("Cannot create file %s") or when the rehearsal itself
    // raises; the caller's operation must then not start.
    std::u16string SaveBefore(const std::string& operation,
                              const std::function<void(RegistryStore&)>& writes);

private:
    RegistryStore& registry_;
    UnicodeFileSystem& files_;
    Folders& folders_;
    Clock& clock_;
};
