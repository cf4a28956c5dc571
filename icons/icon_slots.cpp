#include "icons/icon_slots.h"

#include "platform/str_to_int.h"

namespace {

using enum TIconSlotKind;

constexpr std::array<IconSlot, IconSlotCount> Slots{{
    {0, "Mój komputer", "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "", iskClassAndShellIcons,
     15},
    {1, "Moje dokumenty", "CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}", "", iskClassOnly, -1},
    {2, "Otoczenie sieciowe", "CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}", "",
     iskClassAndShellIcons, 17},
    {3, "Kosz (pełny)", "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}", "full",
     iskClassAndShellIcons, 32},
    {4, "Kosz (pusty)", "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}", "empty",
     iskClassAndShellIcons, 31},
    {5, "Panel Sterowania", "CLSID\\{21EC2020-3AEA-1069-A2DD-08002B30309D}", "",
     iskClassAndShellIcons, 35},
    {6, "Drukarki", "CLSID\\{2227A280-3AEA-1069-A2DE-08002B30309D}", "", iskClassAndShellIcons, 37},
    {7, "Dial-Up Networking", "CLSID\\{992CFFA0-F557-101A-88EC-00DD010CCC48}", "",
     iskClassAndShellIcons, 33},
    {8, "Pulpit", "CLSID\\{00021400-0000-0000-C000-000000000046}", "", iskClassAndShellIcons, 34},
    {9, "Zamknięty folder", "", "", iskShellIconsOnly, 3},
    {10, "Otwarty folder", "", "", iskShellIconsOnly, 4},
    {11, "Grupa programów", "", "", iskShellIconsOnly, 36},
    {12, "Dyskietka 3,5'", "", "", iskShellIconsOnly, 6},
    {13, "Dyskietka 5,25'", "", "", iskShellIconsOnly, 5},
    {14, "Twardy dysk", "", "", iskShellIconsOnly, 8},
    {15, "Dysk wymienny", "", "", iskShellIconsOnly, 7},
    {16, "Dysk sieciowy", "", "", iskShellIconsOnly, 9},
    {17, "Dysk offline", "", "", iskShellIconsOnly, 10},
    {18, "Dysk CD-ROM", "", "", iskShellIconsOnly, 11},
    {19, "Dysk Audio CD", "", "", iskShellIconsOnly, 40},
    {20, "Dysk RAM", "", "", iskShellIconsOnly, 12},
    {21, "Start->Programy", "", "", iskShellIconsOnly, 19},
    {22, "Start->Ulubione", "", "", iskShellIconsOnly, 43},
    {23, "Start->Dokumenty", "", "", iskShellIconsOnly, 20},
    {24, "Start->Ustawienia", "", "", iskShellIconsOnly, 21},
    {25, "Start->Znajdź", "", "", iskShellIconsOnly, 22},
    {26, "Start->Pomoc", "", "", iskShellIconsOnly, 23},
    {27, "Start->Uruchom", "", "", iskShellIconsOnly, 24},
    {28, "Start->Wyloguj", "", "", iskShellIconsOnly, 44},
    {29, "Start->Zamknij", "", "", iskShellIconsOnly, 27},
    {30, "Start->Wstrzymaj", "", "", iskShellIconsOnly, 25},
    {31, "Domyślna ikona", "", "", iskShellIconsOnly, 0},
    {32, "Domyślny dokument", "", "", iskShellIconsOnly, 1},
    {33, "Aplikacja MS-DOS", "", "", iskShellIconsOnly, 2},
    {34, "Cała sieć", "", "", iskShellIconsOnly, 13},
    {35, "Grupa robocza", "", "", iskShellIconsOnly, 18},
    {36, "Drukarka", "", "", iskShellIconsOnly, 16},
    {37, "Współdzielenie", "", "", iskShellIconsOnly, 28},
    {38, "Skrót", "", "", iskShellIconsOnly, 29},
}};

constexpr bool PositionsAreIndices() {
    for (int i = 0; i < IconSlotCount; ++i)
        if (Slots[i].position != i)
            return false;
    return true;
}
static_assert(PositionsAreIndices(), "a slot is its position in the list");

} // namespace

const std::array<IconSlot, IconSlotCount>& IconSlots() {
    return Slots;
}

bool HasClassIcon(const IconSlot& slot) {
    return slot.kind != iskShellIconsOnly;
}

bool HasShellIconsEntry(const IconSlot& slot) {
    return slot.kind != iskClassOnly;
}

std::string DefaultIconFile(const IconSlot& slot) {
    return HasShellIconsEntry(slot) ? "shell32.dll" : "mydocs.dll";
}

int DefaultIconIndex(const IconSlot& slot) {
    return HasShellIconsEntry(slot) ? slot.shellIconIndex : 0;
}

std::string DefaultIconLocation(const IconSlot& slot) {
    return DefaultIconFile(slot) + "," + IntToStr(DefaultIconIndex(slot));
}
