// Parameter entry: the walk over every axle of an accepted layout, and the
// five texts the operator types at each walk position.
//
// The window's edits are the only copy of what is being typed. They reach the
// model as one ParameterTexts value when the walk position is left or the
// scheme is saved, and the texts of a new position come back the same way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/rgb.h"
#include "model/scheme.h"
#include "model/scheme_change.h"

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

// Set once more, after the layout was edited: builds the walk and goes on at
// the current car's current axle slot, or at its last slot when the car has
// fewer axles now. A scheme without a walk yet (totalAxles 0: new and never
// set) starts at entry 0, as AcceptLayout does.
void ResumeWalk(Scheme& scheme);

// The walk AcceptLayout builds, written into walk from entry 0, for a scheme
// that stays as it is. Gives its length, AxlesInTrain; entries behind it
// stay as they were.
int BuildWalk(const Scheme& scheme, WalkOrder& walk);

// The axle counts of the cars of the train, summed.
int AxlesInTrain(const Scheme& scheme);

// Makes the car and axle of the walk entry at walkCursor current.
void EnterWalkPosition(Scheme& scheme);

// Moves the walk to the entry at the given index. An index outside the walk
// changes nothing and gives false. The caller shows the texts of the new
// position (LoadEditsFromModel) when it gives true.
bool MoveWalkCursor(Scheme& scheme, int index);

// LayoutMode: the given car becomes current. ParameterMode: the walk moves to
// the car's first walk entry (axle slot 0, or the last slot of a reversed car)
// and the result is true, so the caller loads the edits. A car outside the
// train, or one that no walk entry names (only a malformed file could leave
// one), changes nothing.
bool SelectCar(Scheme& scheme, int car);

// ParameterMode: the walk moves to the entry of the given axle slot of the
// current car, and the result is true, so the caller loads the edits. A slot
// that no walk entry names, or LayoutMode, changes nothing.
bool SelectAxle(Scheme& scheme, int axle);

// The four walk buttons. Each moves by one within the walk or the train and
// gives whether it moved; at either end it stays. The caller stores the edits
// first and loads them again when the position moved.
bool PreviousWheelSet(Scheme& scheme);
bool NextWheelSet(Scheme& scheme);
bool PreviousCarInWalk(Scheme& scheme);
bool NextCarInWalk(Scheme& scheme);

// The five edits as the operator leaves a walk position: a text for each
// edit whose text differs from the one loaded into it, nothing for an edit
// left as it was.
struct EditedTexts {
    std::optional<std::string> series{};
    std::optional<std::string> carNumber{};
    std::optional<std::string> axleName{};
    std::optional<std::string> wheelSetName{};
    std::optional<std::string> run{};
};

// What storing the changed edits, and only those, changes, so that walking
// over a loaded scheme changes nothing in it: a changed series goes to every
// car of the train, a car number to the current car, a wheel-set name to both
// wheels of the current axle slot. Texts that already hold what the edit
// holds are left out.
std::vector<TextChange> ChangesOfStore(const Scheme& scheme, const EditedTexts& edits);

// Stores the changed edits, as ChangesOfStore gives them. Gives whether a
// text changed.
bool StoreEditsToModel(Scheme& scheme, const EditedTexts& edits);

// Stores all five edits, as if each was changed.
void StoreEditsToModel(Scheme& scheme, const ParameterTexts& edits);

// The texts of the walk position. The wheel-set name is that of the wheel
// the scheme type lists first, which a file names first.
ParameterTexts LoadEditsFromModel(const Scheme& scheme);

// The texts of the wheel set before the walk position in the walk, as
// LoadEditsFromModel gives them there: what fill-down copies. Nothing at the
// walk's first entry or in LayoutMode.
std::optional<ParameterTexts> PreviousWheelSetTexts(const Scheme& scheme);

// The two wheel-set names of the walk position's axle when they differ: the
// one the edit shows first, each with the side of its wheel.
struct DifferingNames {
    int shownSide = 0;
    std::string shown;
    int otherSide = 0;
    std::string other;
};
std::optional<DifferingNames> DifferingWheelSetNames(const Scheme& scheme);

// Background of a parameter edit: light red while empty, light green once it
// holds any character, spaces included.
inline constexpr Rgb kEmptyFieldColour{255, 210, 210};
inline constexpr Rgb kFilledFieldColour{210, 255, 210};
Rgb EmptinessColour(std::string_view text);

}  // namespace quorvane
