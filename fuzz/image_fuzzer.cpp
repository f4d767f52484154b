// Pictures decoded from a file through CNavImage and drawn in part and stretched past its edges.
#include <fstream>
#include <string>

#include <unistd.h>

#include <wincore/host.h>

#include "frame/NavImage.h"
#include "support/session.h"

namespace {

constexpr int kTargetSize = 64;

void ThroughNavImage(const uint8_t* data, size_t size, HDC dc)
{
    static const std::string file = "/tmp/rknav_image_fuzzer_" + std::to_string(getpid()) + ".pic";
    if (!std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size)))
        Fault("cannot write the picture file");
    const std::u16string path(file.begin(), file.end());
    CNavImage image;
    if (!image.LoadFromFile(path.c_str())) return;
    const int width = image.GetWidth(), height = image.GetHeight();
    image.Draw(dc, 2, 2, 10, 10, width / 2, height / 2);
    image.DrawStretch(dc, 5, 5, 3, 40, width / 3, 0, width, height * 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return OnFreshHost([&] {
        Offscreen target(kTargetSize, kTargetSize);
        ThroughNavImage(data, size, target.dc);
    });
}
