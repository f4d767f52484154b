// Streams over global memory blocks, as the imaging factory reads them: size, position and bytes.
#include <cstring>
#include <string>

#include "imaging/pictures.h"

namespace {

class StreamTest : public HostTest {
protected:
    void TearDown() override
    {
        EXPECT_EQ(wincore::LiveComObjects(), 0);
        HostTest::TearDown();
    }

    static HGLOBAL BlockWith(const std::string& text)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size());
        memcpy(GlobalLock(block), text.data(), text.size());
        GlobalUnlock(block);
        return block;
    }

    static std::string ReadAll(IStream* stream, HRESULT expected = S_OK)
    {
        char buffer[64] = {};
        ULONG read = 99;
        EXPECT_EQ(stream->Read(buffer, sizeof buffer, &read), expected);
        return std::string(buffer, read);
    }

    static ULONGLONG Seek(IStream* stream, LONGLONG move, DWORD origin)
    {
        LARGE_INTEGER offset;
        offset.QuadPart = move;
        ULARGE_INTEGER position;
        position.QuadPart = 12345;
        EXPECT_EQ(stream->Seek(offset, origin, &position), S_OK);
        return position.QuadPart;
    }
};

TEST_F(StreamTest, ReadsAndSeeksTheCallersBlock)
{
    HGLOBAL block = BlockWith("hello world");
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    STATSTG stat;
    EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.type, DWORD(STGTY_STREAM));
    EXPECT_EQ(stat.cbSize.QuadPart, 11u);
    EXPECT_EQ(ReadAll(stream), "hello world");
    EXPECT_EQ(ReadAll(stream), "");
    EXPECT_EQ(Seek(stream, 6, STREAM_SEEK_SET), 6u);
    EXPECT_EQ(ReadAll(stream), "world");
    EXPECT_EQ(Seek(stream, -5, STREAM_SEEK_END), 6u);
    EXPECT_EQ(Seek(stream, -2, STREAM_SEEK_CUR), 4u);
    EXPECT_EQ(ReadAll(stream), "o world");

    LARGE_INTEGER before;
    before.QuadPart = -1;
    EXPECT_EQ(stream->Seek(before, STREAM_SEEK_SET, nullptr), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Seek(before, 7, nullptr), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Read(nullptr, 1, nullptr), STG_E_INVALIDPOINTER);
    EXPECT_EQ(stream->Stat(nullptr, STATFLAG_DEFAULT), STG_E_INVALIDPOINTER);

    EXPECT_EQ(stream->Release(), 0u);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalSize(block), 11u) << "the stream did not own the block";
    GlobalFree(block);
}

TEST_F(StreamTest, BlockChangedBehindTheStreamIsNeverOverrun)
{
    HGLOBAL block = BlockWith("shrinks");
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    ASSERT_EQ(GlobalReAlloc(block, 2, GMEM_MOVEABLE), block);
    EXPECT_EQ(ReadAll(stream), "sh");
    GlobalFree(block);
    EXPECT_EQ(ReadAll(stream, STG_E_READFAULT), "");
    stream->Release();
}

TEST_F(StreamTest, RefusesBadArguments)
{
    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, nullptr), E_POINTER);
    HGLOBAL block = BlockWith("x");
    GlobalFree(block);
    IStream* stream = reinterpret_cast<IStream*>(&block);
    EXPECT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), E_INVALIDARG);
    EXPECT_EQ(stream, nullptr);

    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    void* object = nullptr;
    EXPECT_EQ(stream->QueryInterface(IID_ISequentialStream, &object), S_OK);
    EXPECT_EQ(object, static_cast<void*>(stream));
    EXPECT_EQ(stream->QueryInterface(IID_IImage, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(stream->Release(), 1u);
    EXPECT_EQ(stream->Release(), 0u);
}

}  // namespace
