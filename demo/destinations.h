// The places the destinations list offers.
#pragma once

#include <string>
#include <vector>

namespace demo {

// Icons in the order of the place icon strip (assets/places.bmp).
enum PlaceIcon { kHome, kWork, kStation, kAirport, kPark, kHospital, kFuel, kFood, kMuseum, kParking };

struct Destination {
    std::u16string name;  // a line feed makes a two-line entry
    std::u16string distance;
    std::u16string address;
    PlaceIcon icon;
};

const std::vector<Destination>& Destinations();

}  // namespace demo
