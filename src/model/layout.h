// Layout editing: the shape of the train before parameters are entered.
//
// Every step clamps silently at its limit. None checks the mode: the
// document calls them only in LayoutMode.
#pragma once

#include <string>
#include <vector>

#include "model/scheme.h"
#include "model/scheme_change.h"

namespace quorvane {

inline constexpr int kMinCars = 1;
inline constexpr int kMinAxlesPerCar = 2;
inline constexpr int kMaxBogiesPerCar = 8;
inline constexpr int kMinBogiesPerCar = 1;
inline constexpr int kMinSchemeType = 1;
inline constexpr int kMaxSchemeType = 6;

// Counts a car slot gets when it joins the train.
inline constexpr int kNewCarAxles = 4;
inline constexpr int kNewCarBogies = 2;

// A car joining the train gets 4 axles and 2 bogies, keeps its orientation
// and starts with empty texts but the series (SeriesOfJoiningCar): a slot
// that left the train does not bring its old texts back.
void AddCar(Scheme& scheme);

// The car leaving the train keeps its counts, orientation and texts. When it
// was the current car, the new last car becomes current, so that the diagram
// and the layout buttons never work on a slot outside the train.
void RemoveCar(Scheme& scheme);

// An axle joining the current car starts with empty texts.
void AddAxle(Scheme& scheme);
// Also lowers the bogie count to the new axle count when it would exceed it.
void RemoveAxle(Scheme& scheme);
// Never above 8 and never above the car's axle count.
void AddBogie(Scheme& scheme);
void RemoveBogie(Scheme& scheme);

void NextSchemeType(Scheme& scheme);
void PreviousSchemeType(Scheme& scheme);

void NextCarInLayout(Scheme& scheme);
void PreviousCarInLayout(Scheme& scheme);

// The texts AddCar and AddAxle empty (AddCar sets the series), so that a
// step can be taken back with them; nothing at the step's limit.
std::vector<TextChange> TextsEmptiedByAddCar(const Scheme& scheme);
std::vector<TextChange> TextsEmptiedByAddAxle(const Scheme& scheme);

// The series a car joining the train starts with: the one every car of the
// train holds when all hold the same bytes, otherwise none. Every way the
// train grows takes it from here.
std::string SeriesOfJoiningCar(const Scheme& scheme);

// What a slot joining the train at car changes, record being what it holds
// now: its series becomes series, its car number and the texts of its
// first axles empty; the axles beyond are emptied as they join.
std::vector<TextChange> TextsOfJoiningCar(const CarRecord& record, int car, int axles,
                                          const std::string& series);

// The Invert check box: the current car stands reversed exactly when ticked.
void SetInverted(Scheme& scheme, bool ticked);

// The four counts of the layout, as typed into their fields.
enum class LayoutCount { Cars, Axles, Bogies, SchemeType };

struct CountRange {
    int min = 0;
    int max = 0;

    int Clamp(int value) const { return value < min ? min : (value > max ? max : value); }
};

// What the count holds now (axles and bogies: of the current car).
int CountOf(const Scheme& scheme, LayoutCount count);
// The values its steppers can reach: bogies never above the car's axles.
CountRange RangeOf(const Scheme& scheme, LayoutCount count);

// Steps the count by its + or −, one at a time, until it holds the value
// clamped into its range, so that each step keeps its own rules. Gives the
// texts the steps emptied, for a step of the document to take back.
std::vector<TextChange> SetCount(Scheme& scheme, LayoutCount count, int value);

// What a lower count would drop that holds a text of its own: the cars
// from the given count on (a car number or an axle's text; the series is
// the train's), or the axle slots of the current car from it on, as indices.
std::vector<int> CarsWithTextsFrom(const Scheme& scheme, int count);
std::vector<int> AxlesWithTextsFrom(const Scheme& scheme, int count);

}  // namespace quorvane
