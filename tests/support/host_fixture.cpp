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

std::string OutputPath(const std::string& name)
{
    std::error_code ignored;
    std::filesystem::create_directories(RKNAV_TEST_OUTPUT_DIR, ignored);
    return std::string(RKNAV_TEST_OUTPUT_DIR) + "/" + name;
}
