#include "destinations.h"

namespace demo {

const std::vector<Destination>& Destinations()
{
    static const std::vector<Destination> places{
        {TEXT("Home 家"), TEXT("2.4 km"), TEXT("18 Maple Street"), kHome},
        {TEXT("Office 公司"), TEXT("7.9 km"), TEXT("Tech Park, Building C"), kWork},
        {TEXT("Central Station 火车站"), TEXT("3.1 km"), TEXT("1 Station Square"), kStation},
        {TEXT("Airport 机场\nTerminal 2"), TEXT("24 km"), TEXT(""), kAirport},
        {TEXT("Riverside Park 滨江公园"), TEXT("1.2 km"), TEXT("East Bank Promenade"), kPark},
        {TEXT("City Hospital 市医院"), TEXT("4.6 km"), TEXT("200 Health Road"), kHospital},
        {TEXT("Fuel Station 加油站"), TEXT("0.8 km"), TEXT("Ring Road, exit 5"), kFuel},
        {TEXT("Noodle House 面馆"), TEXT("1.9 km"), TEXT("8 Market Lane"), kFood},
        {TEXT("City Museum 博物馆"), TEXT("5.3 km"), TEXT("Old Town Square"), kMuseum},
        {TEXT("Harbour Parking 停车场"), TEXT("0.4 km"), TEXT("Harbour Road 12"), kParking},
        {TEXT("Grandma 外婆家"), TEXT("11 km"), TEXT("66 Lotus Garden"), kHome},
        {TEXT("Night Market 夜市"), TEXT("2.2 km"), TEXT("Pier 3"), kFood},
    };
    return places;
}

}  // namespace demo
