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

    std::vector<Chunk> chunks = Chunks(path);
    std::vector<std::string> types;
    for (const Chunk& c : chunks) {
        types.push_back(c.type);
        EXPECT_TRUE(c.crcOk) << c.type;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "acTL", "fcTL", "IDAT", "fcTL", "fdAT", "fcTL", "fdAT", "IEND"}));
    EXPECT_EQ(U32(&chunks[1].data[0]), 3u);  // frames
    const std::vector<unsigned char>& second = chunks[4].data;
    EXPECT_EQ(U32(&second[0]), 1u);   // sequence number
    EXPECT_EQ(U32(&second[4]), 6u);   // width: x 7 to 12
    EXPECT_EQ(U32(&second[8]), 5u);   // height: y 5 to 9
    EXPECT_EQ(U32(&second[12]), 7u);  // x
    EXPECT_EQ(U32(&second[16]), 5u);  // y
    EXPECT_EQ(second[20] << 8 | second[21], 250);
    const std::vector<unsigned char>& third = chunks[6].data;
    EXPECT_EQ(U32(&third[4]), 1u);
    EXPECT_EQ(third[20] << 8 | third[21], 65535);
    EXPECT_EQ(U32(&chunks[7].data[0]), 4u);
}

TEST(Apng, NothingToWriteOrNowhereToWriteFails)
{
    demo::ApngWriter empty(4, 4);
    EXPECT_FALSE(empty.Write(OutputPath("empty.png")));
    demo::ApngWriter writer(2, 2);
    writer.AddFrame(std::vector<DWORD>(4, 0), 10);
    EXPECT_FALSE(writer.Write("/nonexistent/folder/a.png"));
}
