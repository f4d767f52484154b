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

std::u16string Ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

}  // namespace

const std::vector<std::u16string>& RouteTypes()
{
    static const std::vector<std::u16string> types{u"Fastest 最快",      u"Shortest 最短",       u"Eco 经济",
                                                   u"Avoid tolls 避开收费", u"Avoid highways 避开高速", u"Scenic 风景"};
    return types;
}

const std::vector<std::u16string>& TravelModes()
{
    static const std::vector<std::u16string> modes{u"Car 驾车", u"Bike 骑行", u"Walk 步行", u"Bus 公交"};
    return modes;
}

const std::vector<std::u16string>& ZoomSteps()
{
    static const std::vector<std::u16string> steps{u"Zoom 50 m",  u"Zoom 100 m", u"Zoom 200 m", u"Zoom 500 m",
                                                   u"Zoom 1 km", u"Zoom 2 km",  u"Zoom 5 km"};
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
