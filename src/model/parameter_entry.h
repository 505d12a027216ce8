// Parameter entry: the walk over every axle of an accepted layout, and the
// five texts the operator types at each walk position.
//
// The window's edits are the only copy of what is being typed. They reach the
// model as one ParameterTexts value when the walk position is left or the
// scheme is saved, and the texts of a new position come back the same way.
#pragma once

#include <string>
#include <string_view>

#include "model/rgb.h"
#include "model/scheme.h"

namespace quorvane {

// The five parameter edits, as byte strings.
struct ParameterTexts {
    std::string series;
    std::string carNumber;
    std::string axleName;
    std::string wheelSetName;
    std::string run;

    bool operator==(const ParameterTexts&) const = default;
};

// Builds the walk from the layout (car by car; a reversed car from its last
// axle slot to its first), counts the axles and enters walk entry 0. Does not
// load the edits and leaves entries behind the walk as they were.
void AcceptLayout(Scheme& scheme);

// The axle counts of the cars of the train, summed.
int AxlesInTrain(const Scheme& scheme);

// totalAxles = AxlesInTrain.
void CountAxles(Scheme& scheme);

// Makes the walk entry at walkCursor current and marks it and its two wheels.
void EnterWalkPosition(Scheme& scheme);

// Lowers the mark of the walk entry at walkCursor and of its two wheels.
void LeaveWalkPosition(Scheme& scheme);

// Leaves the walk position and enters the entry at the given index. An index
// outside the walk changes nothing and gives false. The caller shows the
// texts of the new position (LoadEditsFromModel) when it gives true.
bool MoveWalkCursor(Scheme& scheme, int index);

// LayoutMode: the given car becomes current. ParameterMode: the walk moves to
// the car's first walk entry (axle slot 0, or the last slot of a reversed car)
// and the result is true, so the caller loads the edits. A car outside the
// train, or one that no walk entry names (only a malformed file could leave
// one), changes nothing.
bool SelectCar(Scheme& scheme, int car);

// The four walk buttons. Each moves by one within the walk or the train and
// gives whether it moved; at either end it stays. The caller stores the edits
// first and loads them again when the position moved.
bool PreviousWheelSet(Scheme& scheme);
bool NextWheelSet(Scheme& scheme);
bool PreviousCarInWalk(Scheme& scheme);
bool NextCarInWalk(Scheme& scheme);

// The series goes to every car of the train, the car number to the current
// car, the wheel-set name to both wheels of the current axle slot.
void StoreEditsToModel(Scheme& scheme, const ParameterTexts& edits);

// The texts of the walk position; the wheel-set name is that of the left wheel.
ParameterTexts LoadEditsFromModel(const Scheme& scheme);

// Background of a parameter edit: light red while empty, light green once it
// holds any character, spaces included.
inline constexpr Rgb kEmptyFieldColour{255, 210, 210};
inline constexpr Rgb kFilledFieldColour{210, 255, 210};
Rgb EmptinessColour(std::string_view text);

}  // namespace quorvane
