#include "support/host_fixture.h"

#include <filesystem>

#include "support/message_log.h"

void HostTest::SetUp()
{
    wincore::HostStart();
    Log().Clear();
    Log().Only({});
    RecordParams(true);
    ClearHandlers();
    windowsAtStart_ = wincore::LiveWindows() - LiveRecorders();
    gdiAtStart_ = wincore::LiveGdiObjects();
}

// Checked while the host still runs: HostStop destroys every window and would hide a leak. The
// test's own recorder windows may stay; every other window must be gone.
void HostTest::TearDown()
{
    EXPECT_EQ(wincore::LiveWindows() - LiveRecorders(), windowsAtStart_) << "windows outlived the test";
    EXPECT_EQ(wincore::LiveGdiObjects(), gdiAtStart_) << "GDI objects leaked";
    wincore::HostStop();
    ClearHandlers();
}

WString U16(const std::string& ascii)
{
    return WString(ascii.begin(), ascii.end());
}

std::string Utf8(const WString& text)
{
    std::string out;
    for (WCHAR c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string OutputPath(const std::string& name)
{
    std::error_code ignored;
    std::filesystem::create_directories(RKNAV_TEST_OUTPUT_DIR, ignored);
    return std::string(RKNAV_TEST_OUTPUT_DIR) + "/" + name;
}
