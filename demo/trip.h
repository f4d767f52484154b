// The trip summary in the bottom bar: time and distance for the chosen route type and travel mode.
#pragma once

#include <string>
#include <vector>

namespace demo {

const std::vector<std::u16string>& RouteTypes();
const std::vector<std::u16string>& TravelModes();
const std::vector<std::u16string>& ZoomSteps();

struct Trip {
    std::u16string duration;  // "18 min", "1 h 52 min"
    std::u16string distance;  // "12.4 km"
};

Trip TripFor(int routeType, int travelMode);

}  // namespace demo
