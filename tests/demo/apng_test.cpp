// The animation file: valid chunks, frames that only carry what changed.
#include <gtest/gtest.h>

#include "apng.h"
#include "demo/png_chunks.h"
#include "support/host_fixture.h"

TEST(Apng, FramesCarryTheChangedRectangleAndTheirDelays)
{
    const int w = 40, h = 30;
    std::vector<DWORD> picture(w * h, 0x00336699);
    demo::ApngWriter writer(w, h);
    writer.AddFrame(picture, 100);
    picture[5 * w + 7] = 0x00FFFFFF;
    picture[9 * w + 12] = 0x00000000;
    writer.AddFrame(picture, 250);
    writer.AddFrame(picture, 70000);  // unchanged; the delay is capped at what the file can say
    std::string path = OutputPath("frames.png");
    ASSERT_TRUE(writer.Write(path));
    // Each chunk's type; acTL's frame count; fcTL's sequence, width, height, x, y, delay; fdAT's sequence.
    std::string summary;
    for (const PngChunk& c : PngChunks(path)) {
        EXPECT_TRUE(c.crcOk) << c.type;
        summary += (summary.empty() ? "" : " ") + c.type;
        if (c.type == "acTL" || c.type == "fdAT") summary += " " + std::to_string(BigEndian(&c.data[0]));
        if (c.type != "fcTL") continue;
        for (int field = 0; field < 5; field++) summary += " " + std::to_string(BigEndian(&c.data[4 * field]));
        summary += " " + std::to_string(BigEndian(&c.data[20], 2));
    }
    EXPECT_EQ(summary, "IHDR acTL 3 fcTL 0 40 30 0 0 100 IDAT fcTL 1 6 5 7 5 250 fdAT 2 fcTL 3 1 1 0 0 65535 fdAT 4 IEND");
    EXPECT_FALSE(writer.Write("/nonexistent/folder/a.png"));
}
