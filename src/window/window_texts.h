// The window's texts beyond the captions and tooltips of its controls: the
// hint of a refused character, the tooltips of shortened texts, differing
// names and the undo buttons, the status line, and the questions and
// warnings, in Russian and English.
#pragma once

#include "model/language.h"
#include "model/plural.h"

namespace quorvane {

inline constexpr TextPair kRefusalHint{
    "Символ \"|\", перевод строки и знаки вне Windows-1251 не сохраняются",
    "\"|\", line breaks and characters outside Windows-1251 cannot be stored",
};

// %1: the length of the text in characters, %2: the noun in its form.
inline constexpr CountedNoun kCharacters{{"символ", "символа", "символов"},
                                         {"character", "characters", "characters"}};
inline constexpr TextPair kShortenedTextTip{
    "Текст длиной %1 %2 показан сокращённо. Он сохранится как есть, пока его не "
    "заменят или не удалят.",
    "A text of %1 %2, shown shortened. It is saved as it is unless you type over it or "
    "delete it.",
};

// %1: the axle's number in its car; %2 and %4: the side letters of its
// wheels, the shown one first; %3 and %5: their names.
inline constexpr TextPair kDifferingNamesTip{
    "У колёс оси %1 разные номера К/П: %1%2 «%3» и %1%4 «%5». Показан номер колеса, которое "
    "схема называет первым; изменённый текст получат оба колеса.",
    "The wheels of axle %1 have different wheel-set names: %1%2 \"%3\" and %1%4 \"%5\". Shown "
    "is the name of the wheel the scheme lists first; a changed text goes to both wheels.",
};

inline constexpr TextPair kUnsavedQuestion{
    "В схеме есть несохранённые изменения. Сохранить их?",
    "The scheme has changes that are not saved. Save them?",
};

// %1: the file's name.
inline constexpr TextPair kReplaceAnotherQuestion{
    "Заменить %1? В нём другая схема.",
    "Replace %1? It holds another scheme.",
};
inline constexpr TextPair kChangedOnDiskQuestion{
    "Файл %1 изменился на диске после того, как схема была открыта или сохранена. Заменить "
    "его этой схемой?",
    "%1 has changed on disk since the scheme was opened or saved. Replace it with this scheme?",
};
inline constexpr TextPair kReplaceButton{"Заменить", "Replace"};
inline constexpr TextPair kCancelButton{"Отмена", "Cancel"};

// The status line. Walk: %1 car, %2 cars, %3 axle in its car, %4 its axles,
// %5 wheel set, %6 wheel sets, %7 complete ones, %8 the noun for %6. Layout:
// %1 car, %2 cars, %3 complete wheel sets, %4 wheel sets, %5 the noun for %4.
inline constexpr TextPair kWalkStatus{
    "Вагон %1 из %2, ось %3 из %4 — колёсная пара %5 из %6 — заполнено %8: %7 из %6",
    "Car %1 of %2, axle %3 of %4 — wheel set %5 of %6 — %7 of %6 %8 complete",
};
inline constexpr TextPair kLayoutStatus{
    "Вагон %1 из %2 — заполнено %5: %3 из %4",
    "Car %1 of %2 — %3 of %4 %5 complete",
};
// The Russian stands as a heading before the figures, one form for any count.
inline constexpr CountedNoun kStatusWheelSets{{"колёсных пар", "колёсных пар", "колёсных пар"},
                                              {"wheel set", "wheel sets", "wheel sets"}};
// %1: the incomplete wheel sets.
inline constexpr TextPair kLastWheelSetIncomplete{"Последняя колёсная пара — не заполнено: %1",
                                                  "Last wheel set — %1 incomplete"};
inline constexpr TextPair kLastWheelSetComplete{"Последняя колёсная пара — все заполнены",
                                                "Last wheel set — all complete"};
// The warnings' caption and first lines; in Russian as the editor always had them.
inline constexpr TextPair kWarningCaption{"Внимание !", "Warning"};
inline constexpr TextPair kCannotOpenFile{"Ошибка при открытии файла!!!",
                                          "The file cannot be opened."};
inline constexpr TextPair kCannotWriteFile{"Ошибка при записи файла!!!",
                                           "The file cannot be written."};
inline constexpr TextPair kNameNotStorable{
    "в имени файла есть знак, который имя схемы не может хранить",
    "the file name holds a character that a scheme name cannot store"};
// The sheet, from the keys and the drawings' context menus.
inline constexpr TextPair kExportDialogTitle{"Экспорт листа", "Export sheet"};
inline constexpr TextPair kNoPrinterQuestion{
    "Принтер не настроен. Экспортировать лист в файл вместо печати?",
    "No printer is set up. Export the sheet to a file instead?"};
inline constexpr TextPair kExportInsteadButton{"Экспорт…", "Export…"};
// %1: the file's name.
inline constexpr TextPair kSheetExported{"Лист сохранён в %1", "Sheet exported to %1"};
inline constexpr TextPair kSheetPrinted{"Лист отправлен на печать", "Sheet sent to the printer"};
// %1: the suffixes, ".pdf, .svg, …".
inline constexpr TextPair kSheetFormats{"Лист сохраняется в одном из форматов: %1",
                                        "A sheet is saved as one of %1"};
inline constexpr TextPair kSheetOverScheme{
    "это файл самой схемы; лист не может его заменить, выберите другое имя",
    "it is the scheme's own file; a sheet cannot replace it, choose another name"};
inline constexpr TextPair kCannotPrint{"Лист не удалось напечатать.",
                                       "The sheet cannot be printed."};
inline constexpr TextPair kNothingToFillDown{"Нечего копировать: это первая колёсная пара",
                                             "Nothing to fill down: this is the first wheel set"};
inline constexpr TextPair kFillDownTooLong{
    "Текст предыдущей колёсной пары слишком длинный, чтобы его копировать",
    "The previous wheel set's text is too long to fill down"};
inline constexpr TextPair kSavedIncomplete{"Сохранено; не заполнено колёсных пар: %1",
                                           "Saved with %1 incomplete wheel sets"};
inline constexpr TextPair kSavedOneIncomplete{"Сохранено; не заполнена 1 колёсная пара",
                                              "Saved with 1 incomplete wheel set"};
inline constexpr TextPair kSavedComplete{"Сохранено; все колёсные пары заполнены",
                                         "Saved, every wheel set complete"};

inline constexpr TextPair kNumberFieldTip{
    "Наберите число и нажмите Enter; ↑ и ↓ меняют его на 1, Esc отменяет набранное",
    "Type a number and press Enter; Up and Down step it, Esc drops what you typed"};
// %1: the field's name; %2 and %3: its range; %4: the
// number typed; %5: what it was taken as.
inline constexpr TextPair kNumberClamped{"%1: от %2 до %3 — %4 принято как %5",
                                         "%1: %2 to %3 — %4 taken as %5"};
// %1: the field's name; %2: what was typed; %3: the value it keeps.
inline constexpr TextPair kNotANumber{"%1: «%2» — не число, осталось %3",
                                      "%1: \"%2\" is not a number, %3 kept"};
// %1: the cars, "4, 5"; %2: the keys of Undo.
inline constexpr TextPair kCarsDropped{
    "Убраны вагоны с текстами: %1 — «Отменить» (%2) вернёт их",
    "Cars with texts left the train: %1 — Undo (%2) brings them back"};
// %1: the car; %2: its axles, "5, 6"; %3: the keys of Undo.
inline constexpr TextPair kAxlesDropped{
    "Из вагона %1 убраны оси с текстами: %2 — «Отменить» (%3) вернёт их",
    "Axles with texts left car %1: %2 — Undo (%3) brings them back"};
// The limits of the train, met by inserting or removing a car.
inline constexpr TextPair kFortyCars{"В поезде уже 40 вагонов — больше вставить нельзя",
                                     "The train has 40 cars, the most it can have"};
inline constexpr TextPair kOneCarLeft{"В поезде один вагон — его нельзя удалить",
                                      "The train has one car, which cannot be removed"};
// %1: the number of the car that went.
inline constexpr TextPair kCarRemovedWithTexts{
    "Вагон %1 удалён вместе с текстами; «Отменить» вернёт его",
    "Car %1 removed with its texts; Undo brings it back"};

// The tooltips of the undo buttons, their keys after them. %1: the step, as
// the undo stack names it.
inline constexpr TextPair kUndoTip{"Отменить: %1", "Undo: %1"};
inline constexpr TextPair kRedoTip{"Повторить: %1", "Redo: %1"};
inline constexpr TextPair kNothingToUndoTip{"Нечего отменять", "Nothing to undo"};
inline constexpr TextPair kNothingToRedoTip{"Нечего повторять", "Nothing to redo"};
// The step Undo takes back first: what is typed in the edits and not stored.
inline constexpr TextPair kTypingStep{"набранный текст", "typing"};

}  // namespace quorvane
