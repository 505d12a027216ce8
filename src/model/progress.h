// How much of the train is entered: a wheel set is complete when none of its
// texts is empty (series, car number, axle name, run and both wheels'
// wheel-set names), and a car when all its wheel sets are.
#pragma once

#include "model/scheme.h"

namespace quorvane {

// Car and axle must lie within the train and the car.
bool IsWheelSetComplete(const Scheme& scheme, int car, int axle);
bool IsCarComplete(const Scheme& scheme, int car);

struct TrainProgress {
    int wheelSets = 0;  // every axle of the train
    int complete = 0;

    int Incomplete() const { return wheelSets - complete; }
};
TrainProgress ProgressOf(const Scheme& scheme);

}  // namespace quorvane
