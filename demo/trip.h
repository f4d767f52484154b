// The trip summary in the bottom bar: time and distance for the chosen route type and travel mode.
#pragma once

#include <vector>

#include "text.h"

namespace demo {

const std::vector<Text>& RouteTypes();
const std::vector<Text>& TravelModes();
const std::vector<Text>& ZoomSteps();

struct Trip {
    Text duration;  // "18 min", "1 h 52 min"
    Text distance;  // "12.4 km"
};

Trip TripFor(int routeType, int travelMode);

}  // namespace demo
