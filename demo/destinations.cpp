#include "destinations.h"

namespace demo {

const std::vector<Destination>& Destinations()
{
    static const std::vector<Destination> places{
        {u"Home 家", u"2.4 km", u"18 Maple Street", kHome},
        {u"Office 公司", u"7.9 km", u"Tech Park, Building C", kWork},
        {u"Central Station 火车站", u"3.1 km", u"1 Station Square", kStation},
        {u"Airport 机场\nTerminal 2", u"24 km", u"", kAirport},
        {u"Riverside Park 滨江公园", u"1.2 km", u"East Bank Promenade", kPark},
        {u"City Hospital 市医院", u"4.6 km", u"200 Health Road", kHospital},
        {u"Fuel Station 加油站", u"0.8 km", u"Ring Road, exit 5", kFuel},
        {u"Noodle House 面馆", u"1.9 km", u"8 Market Lane", kFood},
        {u"City Museum 博物馆", u"5.3 km", u"Old Town Square", kMuseum},
        {u"Harbour Parking 停车场", u"0.4 km", u"Harbour Road 12", kParking},
        {u"Grandma 外婆家", u"11 km", u"66 Lotus Garden", kHome},
        {u"Night Market 夜市", u"2.2 km", u"Pier 3", kFood},
    };
    return places;
}

}  // namespace demo
