// The animation file: valid chunks, frames that only carry what changed.
#include <gtest/gtest.h>

#include <zlib.h>

#include <fstream>

#include "apng.h"
#include "support/host_fixture.h"

namespace {

struct Chunk {
    std::string type;
    std::vector<unsigned char> data;
    bool crcOk;
};

uint32_t U32(const unsigned char* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

std::vector<Chunk> Chunks(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<Chunk> chunks;
    for (size_t i = 8; i + 12 <= file.size();) {
        uint32_t length = U32(&file[i]);
        Chunk chunk{std::string(file.begin() + long(i) + 4, file.begin() + long(i) + 8),
                    std::vector<unsigned char>(file.begin() + long(i) + 8, file.begin() + long(i + 8 + length)), false};
        uLong crc = crc32(0, &file[i + 4], uInt(4 + length));
        chunk.crcOk = crc == U32(&file[i + 8 + length]);
        chunks.push_back(chunk);
        i += 12 + length;
    }
    return chunks;
}

}  // namespace

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

    // Each chunk's type, then for acTL its frame count, for fcTL sequence, width, height, x, y and
    // delay, for fdAT its sequence number.
    std::string summary;
    for (const Chunk& c : Chunks(path)) {
        EXPECT_TRUE(c.crcOk) << c.type;
        summary += (summary.empty() ? "" : " ") + c.type;
        if (c.type == "acTL" || c.type == "fdAT") summary += " " + std::to_string(U32(&c.data[0]));
        if (c.type != "fcTL") continue;
        for (int field = 0; field < 5; field++) summary += " " + std::to_string(U32(&c.data[4 * field]));
        summary += " " + std::to_string(c.data[20] << 8 | c.data[21]);
    }
    EXPECT_EQ(summary, "IHDR acTL 3 fcTL 0 40 30 0 0 100 IDAT fcTL 1 6 5 7 5 250 fdAT 2 fcTL 3 1 1 0 0 65535 fdAT 4 IEND");
}

TEST(Apng, NothingToWriteOrNowhereToWriteFails)
{
    demo::ApngWriter empty(4, 4);
    EXPECT_FALSE(empty.Write(OutputPath("empty.png")));
    demo::ApngWriter writer(2, 2);
    writer.AddFrame(std::vector<DWORD>(4, 0), 10);
    EXPECT_FALSE(writer.Write("/nonexistent/folder/a.png"));
}
