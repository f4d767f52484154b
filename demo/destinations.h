// The places the destinations list offers.
#pragma once

#include <vector>

#include "text.h"

namespace demo {

// Icons in the order of the place icon strip (assets/places.bmp).
enum PlaceIcon { kHome, kWork, kStation, kAirport, kPark, kHospital, kFuel, kFood, kMuseum, kParking };

struct Destination {
    Text name;  // a line feed makes a two-line entry
    Text distance;
    Text address;
    PlaceIcon icon;
};

const std::vector<Destination>& Destinations();

}  // namespace demo
