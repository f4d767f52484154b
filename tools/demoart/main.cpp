// demoart: draws the demo's pictures into its assets folder.
//   demoart <demo/assets> [--preview <screen.png>]
#include "bmp_writer.h"
#include "demoart.h"
#include "keyed.h"
#include "png_writer.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using demoart::matte::Bar;
using demoart::matte::Frosted;
using demoart::matte::Glass;
using demoart::matte::Gold;
using demoart::matte::Map;
using demoart::matte::Panel;

void writeKeyed(const artgen::Surface& art, const std::vector<uint32_t>& mattes, const std::string& path)
{
    artgen::writeBmp24(path, artgen::flattenOnKey(art, mattes));
    std::printf("%s\n", path.c_str());
}

void writePng(const artgen::Surface& art, const std::string& path)
{
    artgen::writePngRgba(art, path);
    std::printf("%s\n", path.c_str());
}

// One matte per icon cell: normal icons on the first colour, hot ones on the second.
std::vector<uint32_t> alternating(uint32_t normal, uint32_t hot, int items)
{
    std::vector<uint32_t> mattes;
    for (int i = 0; i < items; ++i) {
        mattes.push_back(normal);
        mattes.push_back(hot);
    }
    return mattes;
}

void writePreview(const artgen::Surface& map, const artgen::Surface& chrome, const std::string& path)
{
    artgen::Surface screen = artgen::makeSurface(artgen::widthOf(map), artgen::heightOf(map));
    artgen::Context context = artgen::makeContext(screen);
    cairo_set_source_surface(context.get(), map.get(), 0, 0);
    cairo_paint(context.get());
    cairo_set_source_surface(context.get(), chrome.get(), 0, 0);
    cairo_paint(context.get());
    writePng(screen, path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
        std::fprintf(stderr, "usage: demoart <demo-assets-folder> [--preview <screen.png>]\n");
        return 2;
    }
    const std::string folder = argv[1];
    try {
        artgen::Surface map = demoart::drawCityMap();
        artgen::Surface chrome = demoart::drawChrome();
        writePng(map, folder + "/map.png");
        writePng(chrome, folder + "/chrome.png");
        writeKeyed(demoart::drawPlaceIcons(), {Frosted}, folder + "/places.bmp");
        writeKeyed(demoart::drawPopupIcons(), {Glass}, folder + "/popup_icons.bmp");
        writeKeyed(demoart::drawPanelIcons(), alternating(Panel, Gold, 5), folder + "/panel_icons.bmp");
        writeKeyed(demoart::drawPanelSkin(), {Map}, folder + "/panel.bmp");
        writeKeyed(demoart::drawMenuButton(), {Bar}, folder + "/menu_button.bmp");
        writeKeyed(demoart::drawModeFrame(), {Bar}, folder + "/mode_frame.bmp");
        const char* modes[] = {"car", "bike", "walk", "bus"};
        for (int mode = 0; mode < 4; ++mode)
            writeKeyed(demoart::drawModeItem(mode), {Bar}, folder + "/mode_" + modes[mode] + ".bmp");
        if (argc == 4) writePreview(map, chrome, argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demoart: %s\n", error.what());
        return 1;
    }
    return 0;
}
