#include "i18n/message_texts.h"

#include "platform/text_codec.h"

MessageTexts::MessageTexts() {
    static const char* const builtIn[Count] = {
        "Uwaga!",
        "Czy chcesz zapisać zmiany przed zamknięciem ?",
        "Nie udało się usunąć klucza z rejestru.",
        "Klucz został poprawnie usunięty z rejestru.",
        "Czy na pewno chcesz usunąć ten wpis z rejestru ?",
        "W rejestrze nie istnieje ścieżka deinstalacyjna!",
        "Nie znaleziono klucza. Jeśli błąd będzie się powtarzał, proszę skontaktować się z "
        "autorem.",
        "Błąd programu!",
        "Nie zapisano zmian",
        "Zmień ikonę",
        "Pliki ikon|*.ico;*.exe;*.dll;*.cpl;*.drv;*.ocx;*.vbx;*.icl;*.il;*.nil|Ikony "
        "(*.ico)|*.ico|Programy (*.exe;*.dll;*.cpl;*.drv;*.ocx;*.vbx)|*.exe;*.dll;*.cpl;*.drv;*."
        "ocx;*.vbx|Biblioteki ikon (*.icl;*.il;*.nil)|*.icl;*.il;*.nil|Wszystkie pliki (*.*)|*.*|",
        "Otwórz profil",
        "Zapisz profil",
        "Profile ZORV (*.svp)|*.svp|Wszystkie pliki (*.*)|*.*|",
    };
    for (int i = 0; i < Count; ++i)
        texts_[i] = Utf8ToCp1250(builtIn[i]);
}
