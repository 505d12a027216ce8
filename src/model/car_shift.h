// Inserting a car anywhere in the train and removing any car. The cars
// behind move along one slot with their texts and orientation; the only
// slot whose texts are lost is the first beyond the train, which an
// insertion takes, so a step is the move and that slot's texts, never a
// copy of the train.
//
// Neither checks the mode: the document calls them only in LayoutMode.
#pragma once

#include <optional>
#include <vector>

#include "model/scheme.h"
#include "model/scheme_change.h"

namespace quorvane {

enum class InsertPlace { BeforeCurrent, AfterCurrent };

// An insertion worked out before it is made: the first slot beyond the
// train moves to where the new car stands, and its texts, addressed there,
// become those of a joining car.
struct CarInsertion {
    CarMove move;
    CarShape shape;  // the current car's
    std::vector<TextChange> texts;
};

// None at 40 cars, or with the current car outside the train.
std::optional<CarInsertion> PlanCarInsertion(const Scheme& scheme, InsertPlace place);

// The new car copies the current car's counts and orientation and becomes
// current.
void ApplyCarInsertion(Scheme& scheme, const CarInsertion& insertion);
// Plans and inserts; false, changing nothing, where PlanCarInsertion gives none.
bool InsertCar(Scheme& scheme, InsertPlace place);

// The current car goes to the first slot beyond the train, where it keeps
// its texts, as "−" leaves the last car; the car that took its place, or
// the new last car, becomes current. None at one car.
std::optional<CarMove> PlanCarRemoval(const Scheme& scheme);
void ApplyCarRemoval(Scheme& scheme, CarMove removal);
bool RemoveCurrentCar(Scheme& scheme);

// Whether the car holds a text within its axles.
bool HoldsTexts(const CarRecord& car);

}  // namespace quorvane
