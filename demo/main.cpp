// rknav_demo: the RKNavCtrlEx controls on a navigation screen, at a window or headless.
#include <cstdio>
#include <string>

#include "app.h"

int main(int argc, char** argv)
{
    demo::Options options;
    std::string error;
    if (!demo::ParseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "rknav_demo: %s\n\n%s", error.c_str(), demo::Usage());
        return 2;
    }
    return demo::RunDemo(options);
}
