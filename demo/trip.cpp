#include "trip.h"

#include <algorithm>
#include <cmath>

namespace demo {

namespace {

struct Route {
    int carMinutes;
    int tenthsOfKm;
};

const Route kRoutes[] = {{18, 124}, {21, 109}, {20, 116}, {23, 131}, {26, 128}, {31, 152}};
const double kModeSlowness[] = {1.0, 3.1, 8.4, 1.9};

}  // namespace

const std::vector<Text>& RouteTypes()
{
    static const std::vector<Text> types{TEXT("Fastest 最快"),      TEXT("Shortest 最短"),       TEXT("Eco 经济"),
                                                   TEXT("Avoid tolls 避开收费"), TEXT("Avoid highways 避开高速"), TEXT("Scenic 风景")};
    return types;
}

const std::vector<Text>& TravelModes()
{
    static const std::vector<Text> modes{TEXT("Car 驾车"), TEXT("Bike 骑行"), TEXT("Walk 步行"), TEXT("Bus 公交")};
    return modes;
}

const std::vector<Text>& ZoomSteps()
{
    static const std::vector<Text> steps{TEXT("Zoom 50 m"),  TEXT("Zoom 100 m"), TEXT("Zoom 200 m"), TEXT("Zoom 500 m"),
                                                   TEXT("Zoom 1 km"), TEXT("Zoom 2 km"),  TEXT("Zoom 5 km")};
    return steps;
}

Trip TripFor(int routeType, int travelMode)
{
    const Route& route = kRoutes[std::clamp(routeType, 0, int(std::size(kRoutes)) - 1)];
    const double slowness = kModeSlowness[std::clamp(travelMode, 0, int(std::size(kModeSlowness)) - 1)];
    const int minutes = int(std::lround(route.carMinutes * slowness));
    std::string duration = minutes < 60 ? std::to_string(minutes) + " min"
                                        : std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
    std::string distance = std::to_string(route.tenthsOfKm / 10) + "." + std::to_string(route.tenthsOfKm % 10) + " km";
    return Trip{Ascii(duration), Ascii(distance)};
}

}  // namespace demo
