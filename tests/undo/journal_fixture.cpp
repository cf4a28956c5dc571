#include "tests/undo/journal_fixture.h"

#include "platform/check_box.h"
#include "platform/edit.h"
#include "settings/catalogue.h"
#include "tests/undo/reg_file_reader.h"
#include "undo/undo_journal.h"

#include <gtest/gtest.h>

void JournalTest::RunUnderJournal(const std::string& operation,
                                  const std::function<void(RegistryStore&)>& writes) {
    UndoJournal(platform.Services()).SaveBefore(operation, writes);
    writes(platform.registry);
}

void JournalTest::ImportJournal(const std::u16string& name) {
    std::optional<std::string> content = platform.unicodeFiles.Content(name);
    ASSERT_TRUE(content.has_value());
    ImportRegFile(*content, platform.registry);
}

void JournalTest::MarkEveryRow() {
    for (const SettingRow& row : Catalogue()) {
        if (HoldsEdit(row.encoding)) {
            auto& edit = Get<TEdit>(row.control);
            edit.TextEditedByUser(edit.Text() == "1" ? "2" : "1");
        } else {
            auto& box = Get<TCheckBox>(row.control);
            box.SetChecked(!box.Checked());
        }
    }
}

void JournalTest::PressApply() {
    try {
        Click("ZastosujButton");
    } catch (const std::exception& e) {
        app->HandleException(e);
    }
}
