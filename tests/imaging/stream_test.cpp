// Streams over global memory blocks.
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

    static ULONGLONG Size(IStream* stream)
    {
        STATSTG stat;
        EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
        EXPECT_EQ(stat.type, DWORD(STGTY_STREAM));
        return stat.cbSize.QuadPart;
    }

    static bool BlockAlive(HGLOBAL block)
    {
        SetLastError(ERROR_SUCCESS);
        return GlobalSize(block) != 0 || GetLastError() != ERROR_INVALID_HANDLE;
    }
};

TEST_F(StreamTest, ReadsAndSeeksTheCallersBlock)
{
    HGLOBAL block = BlockWith("hello world");
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    EXPECT_EQ(Size(stream), 11u);
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

    EXPECT_EQ(stream->Release(), 0u);
    EXPECT_TRUE(BlockAlive(block)) << "the stream did not own the block";
    GlobalFree(block);
}

TEST_F(StreamTest, OwnBlockGrowsWithWrites)
{
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, &stream), S_OK);
    EXPECT_EQ(Size(stream), 0u);
    std::string text(5000, 'x');
    ULONG written = 0;
    EXPECT_EQ(stream->Write(text.data(), ULONG(text.size()), &written), S_OK);
    EXPECT_EQ(written, 5000u);
    EXPECT_EQ(Seek(stream, 10, STREAM_SEEK_END), 5010u);
    EXPECT_EQ(stream->Write("end", 3, nullptr), S_OK);
    EXPECT_EQ(Size(stream), 5013u);
    EXPECT_EQ(Seek(stream, 4998, STREAM_SEEK_SET), 4998u);
    EXPECT_EQ(ReadAll(stream), std::string("xx") + std::string(10, '\0') + "end");

    ULARGE_INTEGER size;
    size.QuadPart = 3;
    EXPECT_EQ(stream->SetSize(size), S_OK);
    EXPECT_EQ(Size(stream), 3u);
    EXPECT_EQ(stream->Release(), 0u);  // ASan reports the block if the stream leaked it
}

TEST_F(StreamTest, ClonesShareTheBlockUntilTheLastIsReleased)
{
    HGLOBAL block = BlockWith("abcdef");
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, &stream), S_OK);
    Seek(stream, 2, STREAM_SEEK_SET);
    IStream* clone = nullptr;
    ASSERT_EQ(stream->Clone(&clone), S_OK);
    EXPECT_EQ(ReadAll(clone), "cdef");
    EXPECT_EQ(Seek(stream, 0, STREAM_SEEK_CUR), 2u) << "positions are independent";
    Seek(clone, 0, STREAM_SEEK_SET);
    EXPECT_EQ(clone->Write("XY", 2, nullptr), S_OK);
    EXPECT_EQ(ReadAll(stream), "cdef");
    Seek(stream, 0, STREAM_SEEK_SET);
    EXPECT_EQ(ReadAll(stream), "XYcdef");

    EXPECT_EQ(stream->Release(), 0u);
    EXPECT_TRUE(BlockAlive(block));
    EXPECT_EQ(clone->Release(), 0u);
    EXPECT_FALSE(BlockAlive(block)) << "delete-on-release frees the block with the last stream";
}

TEST_F(StreamTest, CopiesIntoAnotherStream)
{
    HGLOBAL block = BlockWith("0123456789");
    IStream* source = nullptr;
    IStream* target = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, &source), S_OK);
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &target), S_OK);
    ULARGE_INTEGER count, read, written;
    count.QuadPart = 100;
    EXPECT_EQ(source->CopyTo(target, count, &read, &written), S_OK);
    EXPECT_EQ(read.QuadPart, 10u);
    EXPECT_EQ(written.QuadPart, 10u);
    Seek(target, 0, STREAM_SEEK_SET);
    EXPECT_EQ(ReadAll(target), "0123456789");
    source->Release();
    target->Release();
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
    EXPECT_TRUE(FAILED(stream->Write("x", 1, nullptr)));
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
    EXPECT_EQ(stream->Stat(nullptr, STATFLAG_DEFAULT), STG_E_INVALIDPOINTER);
    EXPECT_EQ(stream->Clone(nullptr), STG_E_INVALIDPOINTER);
    EXPECT_EQ(stream->Release(), 0u);
}

}  // namespace
