// The names of the steps of the undo stack, as the Undo and Redo buttons
// show them ("Undo: remove car 3"), in Russian and English. %1 is the number
// of the car, the scheme type or the wheel set, as the window shows it.
#pragma once

#include "model/language.h"

namespace quorvane::step_names {

inline constexpr TextPair kAddCar{"добавить вагон %1", "add car %1"};
inline constexpr TextPair kRemoveCar{"убрать вагон %1", "remove car %1"};
inline constexpr TextPair kInsertCar{"вставить вагон %1", "insert car %1"};
inline constexpr TextPair kAddAxle{"добавить ось в вагон %1", "add an axle to car %1"};
inline constexpr TextPair kRemoveAxle{"убрать ось из вагона %1", "remove an axle from car %1"};
inline constexpr TextPair kAddBogie{"добавить тележку в вагон %1", "add a bogie to car %1"};
inline constexpr TextPair kRemoveBogie{"убрать тележку из вагона %1", "remove a bogie from car %1"};
// Typed counts that jump by more than one; %1 the car, %2 the count. A
// typed number of cars is named by the counted cars alone: "5 вагонов".
inline constexpr TextPair kAxleCount{"осей в вагоне %1: %2", "axles of car %1: %2"};
inline constexpr TextPair kBogieCount{"тележек в вагоне %1: %2", "bogies of car %1: %2"};
inline constexpr TextPair kSchemeType{"тип схемы %1", "scheme type %1"};
inline constexpr TextPair kInvert{"сделать вагон %1 обратным", "invert car %1"};
inline constexpr TextPair kDirect{"сделать вагон %1 прямым", "make car %1 direct"};
inline constexpr TextPair kSetScheme{"принять схему", "set the scheme"};
inline constexpr TextPair kEditLayout{"изменить схему", "edit the layout"};
inline constexpr TextPair kStoreTexts{"тексты колёсной пары %1", "texts of wheel set %1"};

}  // namespace quorvane::step_names
