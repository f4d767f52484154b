// artgen: draws the library's pictures and writes them into the resources folder.
//   artgen <resources-folder> [--sheet <contact-sheet.png>]
#include "catalogue.h"
#include "contact_sheet.h"
#include "store.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: artgen <resources-folder> [--sheet <contact-sheet.png>]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--sheet"))
        return usage();
    try {
        std::vector<artgen::Stored> stored;
        for (const artgen::Entry& entry : artgen::catalogue()) {
            stored.push_back(artgen::storePicture(entry, argv[1]));
            std::printf("%d %s\n", entry.resourceId, entry.fileName);
        }
        if (argc == 4)
            artgen::writeContactSheet(stored, argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
