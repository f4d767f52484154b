#include "app.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include <objbase.h>
#include <wincore/host.h>

#include "demo_resources.h"
#include "layout.h"
#include "map_screen.h"
#include "recorder.h"

namespace demo {

namespace {

constexpr const char* kTitle = "RKNavCtrlEx — navigation controls demo";

wincore::HostConfig Config(bool manualClock)
{
    wincore::HostConfig config;
    config.screenWidth = layout::kScreenWidth;
    config.screenHeight = layout::kScreenHeight;
    config.manualClock = manualClock;
    return config;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "rknav_demo: %s\n", message.c_str());
    return 1;
}

// A Win32 message loop; the display sleeps between messages and feeds it the pen and the keys.
// The screen's dialog manager takes Tab and the arrows between its controls.
int MessageLoop(HWND screen, ScriptRecorder* recorder)
{
    MSG msg;
    for (;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return int(msg.wParam);
            if (recorder) recorder->Observe(msg);
            if (IsDialogMessageW(screen, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (!wincore::DisplayWait()) return 0;
    }
}

int RunInteractive(const Options& options)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    MapScreen screen;
    if (!screen.Create(GetModuleHandleW(nullptr))) {
        CoUninitialize();
        return Fail("cannot put the map screen up");
    }
    screen.SetAnimationInterval(AnimationInterval(options, true));
    ScriptRecorder recorder;
    std::printf("rknav_demo: close the window to quit\n");
    int code = MessageLoop(screen.Window(), options.record.empty() ? nullptr : &recorder);
    screen.Destroy();
    CoUninitialize();
    if (options.record.empty()) return code;
    std::string error;
    if (!recorder.Save(options.record, &error)) return Fail(error);
    std::printf("%s (%zu steps)\n", options.record.c_str(), recorder.Steps());
    return code;
}

int RunHeadless(const Options& options)
{
    Script script;
    std::string error;
    bool loaded = options.script.empty() ? LoadBuiltInTour(&script, &error) : LoadScript(options.script, &script, &error);
    if (!loaded) return Fail(error);
    if (!PrepareOutputFolder(options.outDir, &error)) return Fail(error);
    std::string stem = options.script.empty() ? "tour" : std::filesystem::path(options.script).stem().string();
    PlayOptions play;
    play.animationInterval = AnimationInterval(options, false);
    // The film takes a picture at every frame the controls draw; a smooth one is kept beside the ticked one.
    play.frameMs = play.animationInterval ? play.animationInterval : kTickFrameMs;
    if (play.animationInterval) stem += "-smooth";
    play.outDir = options.outDir;
    play.animationPath = (std::filesystem::path(options.outDir) / (stem + "-animation.png")).string();
    PlayReport report;
    auto started = std::chrono::steady_clock::now();
    bool played = PlayOnMapScreen(script, play, &report, &error);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!played) return Fail(error);
    for (const std::string& file : report.files) std::printf("%s\n", file.c_str());
    std::printf("%s: %.1f s of pen and clock in %zu steps, %d animation frames, played in %.1f s\n", stem.c_str(),
                report.simulatedMs / 1000.0, script.size(), report.frames, seconds);
    return 0;
}

}  // namespace

bool LoadBuiltInTour(Script* script, std::string* error)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_TOUR), TEXT("TOUR"));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const char* text = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!text) {
        *error = "the built-in tour is missing from the executable";
        return false;
    }
    return ParseScript(std::string(text, SizeofResource(instance, found)), "tours/tour.txt", script, error);
}

bool PlayOnMapScreen(const Script& script, const PlayOptions& options, PlayReport* report, std::string* error)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    bool played = false;
    {
        MapScreen screen;
        if (screen.Create(GetModuleHandleW(nullptr))) {
            screen.SetAnimationInterval(options.animationInterval);
            played = PlayScript(script, options, report, error);
        } else
            *error = "cannot put the map screen up";
    }
    CoUninitialize();
    return played;
}

int RunDemo(const Options& options)
{
    if (options.help) {
        std::fputs(Usage(), stdout);
        return 0;
    }
    if (!options.headless && options.script.empty()) {
        wincore::HostStart(Config(false));
        if (wincore::DisplayOpen(kTitle, options.scale)) {
            int code = RunInteractive(options);
            wincore::DisplayClose();
            wincore::HostStop();
            return code;
        }
        wincore::HostStop();
        if (!options.record.empty()) return Fail("--record needs a window, and no display could be opened");
        std::fprintf(stderr, "rknav_demo: no display could be opened; playing the tour headless instead\n");
    }
    wincore::HostStart(Config(true));
    int code = RunHeadless(options);
    wincore::HostStop();
    return code;
}

}  // namespace demo
