#include "quantize.h"

#include <algorithm>
#include <map>

namespace artgen {

namespace {

constexpr size_t ColoursBesideKey = 255;

struct Entry {
    uint32_t rgb;
    uint32_t count;
};

using Box = std::vector<Entry>;

int component(uint32_t rgb, int channel)
{
    return (rgb >> (16 - 8 * channel)) & 0xFF;
}

// The widest channel of a box and how wide it is.
std::pair<int, int> widestChannel(const Box& box)
{
    std::pair<int, int> best{0, -1};
    for (int channel = 0; channel < 3; ++channel) {
        auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [channel](const Entry& a, const Entry& b) {
            return component(a.rgb, channel) < component(b.rgb, channel);
        });
        const int range = component(hi->rgb, channel) - component(lo->rgb, channel);
        if (range > best.second)
            best = {channel, range};
    }
    return best;
}

// Splits at the weighted median of the widest channel.
std::pair<Box, Box> split(Box box, int channel)
{
    std::sort(box.begin(), box.end(), [channel](const Entry& a, const Entry& b) {
        return component(a.rgb, channel) < component(b.rgb, channel);
    });
    uint64_t total = 0;
    for (const Entry& e : box)
        total += e.count;
    uint64_t running = 0;
    size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        running += box[cut - 1].count;
        if (running * 2 >= total)
            break;
    }
    return {Box(box.begin(), box.begin() + cut), Box(box.begin() + cut, box.end())};
}

std::vector<Box> medianCut(Box all, size_t boxes)
{
    std::vector<Box> result{std::move(all)};
    while (result.size() < boxes) {
        size_t widest = 0;
        int widestRange = -1;
        int widestAxis = 0;
        for (size_t i = 0; i < result.size(); ++i) {
            if (result[i].size() < 2)
                continue;
            auto [axis, range] = widestChannel(result[i]);
            if (range > widestRange) {
                widest = i;
                widestRange = range;
                widestAxis = axis;
            }
        }
        if (widestRange <= 0)
            break;
        auto [low, high] = split(std::move(result[widest]), widestAxis);
        result[widest] = std::move(low);
        result.push_back(std::move(high));
    }
    return result;
}

uint32_t average(const Box& box)
{
    uint64_t sums[3] = {0, 0, 0};
    uint64_t total = 0;
    for (const Entry& e : box) {
        for (int channel = 0; channel < 3; ++channel)
            sums[channel] += static_cast<uint64_t>(component(e.rgb, channel)) * e.count;
        total += e.count;
    }
    uint32_t rgb = 0;
    for (int channel = 0; channel < 3; ++channel)
        rgb |= static_cast<uint32_t>((sums[channel] + total / 2) / total) << (16 - 8 * channel);
    return rgb == KeyColour ? 0xFE00FE : rgb;
}

}  // namespace

IndexedImage toIndexed(const RgbImage& image)
{
    std::map<uint32_t, uint32_t> histogram;
    for (uint32_t rgb : image.pixels)
        if (rgb != KeyColour)
            ++histogram[rgb];

    Box colours;
    for (const auto& [rgb, count] : histogram)
        colours.push_back({rgb, count});

    IndexedImage indexed;
    indexed.width = image.width;
    indexed.height = image.height;
    indexed.palette.push_back(KeyColour);
    std::map<uint32_t, uint8_t> indexOf{{KeyColour, 0}};
    for (const Box& box : medianCut(std::move(colours), ColoursBesideKey)) {
        if (box.empty())
            continue;
        const auto index = static_cast<uint8_t>(indexed.palette.size());
        indexed.palette.push_back(box.size() == 1 ? box.front().rgb : average(box));
        for (const Entry& e : box)
            indexOf[e.rgb] = index;
    }
    indexed.indices.reserve(image.pixels.size());
    for (uint32_t rgb : image.pixels)
        indexed.indices.push_back(indexOf.at(rgb));
    return indexed;
}

RgbImage toRgb(const IndexedImage& image)
{
    RgbImage rgb;
    rgb.width = image.width;
    rgb.height = image.height;
    rgb.pixels.reserve(image.indices.size());
    for (uint8_t index : image.indices)
        rgb.pixels.push_back(image.palette.at(index));
    return rgb;
}

}  // namespace artgen
