// The trains the benchmarks work on.
#pragma once

#include <memory>

#include "model/scheme.h"

namespace quorvane::bench {

// The largest train: 40 cars of 16 axles and 8 bogies, every fifth car
// reversed, every text 20 characters; the layout accepted, so the scheme is
// in ParameterMode with the walk at its first position.
std::unique_ptr<Scheme> LargestTrain(int schemeType);

// One of many trains of mixed sizes, from 1 to 40 cars, 2 to 16 axles,
// texts of 0 to 20 characters and every scheme type, picked by index.
std::unique_ptr<Scheme> MixedTrain(int index);

}  // namespace quorvane::bench
