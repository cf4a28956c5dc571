#include "undo/undo_journal.h"

#include "platform/services.h"
#include "platform/text_codec.h"
#include "undo/journal_folder.h"
#include "undo/prior_state.h"
#include "undo/real_keys.h"
#include "undo/rehearsal_store.h"

UndoJournal::UndoJournal(const Platform& services)
    : registry_(services.registry), files_(services.unicodeFiles), folders_(services.folders),
      clock_(services.clock) {}

std::u16string UndoJournal::SaveBefore(const std::string& operation,
                                       const std::function<void(RegistryStore&)>& writes) {
    LocalTime started = clock_.Now();
    std::string content;
    {
        // The keys stay open from the rehearsal to the capture, and are closed before the
        // writes run for real.
        RealKeys registry(registry_);
        RehearsalStore rehearsal(registry);
        writes(rehearsal);
        content = RegFileContent(PriorState(rehearsal.Record(), registry));
    }
    std::u16string home = folders_.LocalApplicationData();
    std::u16string folder = home.empty() ? home : home + u"\\Sorvanto\\Undo";
    return JournalFolder(files_, folder).Add(started, Cp1250ToUtf16(operation), content);
}
