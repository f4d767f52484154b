#include "player.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include <wincore/host.h>

#include "film.h"

namespace demo {

namespace {

class Player {
public:
    Player(const PlayOptions& options, PlayReport* report) : options_(options), report_(report)
    {
        if (!options.animationPath.empty()) film_ = std::make_unique<TourFilm>();
    }

    bool Play(const Script& script, std::string* error)
    {
        start_ = wincore::HostNow();
        Film();
        for (const Step& step : script)
            if (!Do(step, error)) return false;
        report_->simulatedMs = wincore::HostNow() - start_;
        if (!film_) return true;
        report_->frames = film_->Frames();
        if (!film_->Write(options_.animationPath)) {
            *error = options_.animationPath + ": cannot write the animation";
            return false;
        }
        report_->files.push_back(options_.animationPath);
        return true;
    }

private:
    bool Do(const Step& step, std::string* error)
    {
        switch (step.kind) {
        case Step::Kind::Down: Pen(step, true); wincore::PenDown(step.x, step.y); break;
        case Step::Kind::Move: Pen(step, true); wincore::PenMove(step.x, step.y); break;
        case Step::Kind::Up: Pen(step, false); wincore::PenUp(step.x, step.y); break;
        case Step::Kind::Wait: Wait(step.ms); return true;
        case Step::Kind::Shot: return Shot(step.name, error);
        case Step::Kind::Key:
            wincore::KeyDown(step.vk);
            wincore::KeyUp(step.vk);
            break;
        case Step::Kind::KeyDown: wincore::KeyDown(step.vk); break;
        case Step::Kind::KeyUp: wincore::KeyUp(step.vk); break;
        }
        Framed();
        return true;
    }

    void Pen(const Step& step, bool down)
    {
        pen_ = POINT{step.x, step.y};
        penDown_ = down;
    }

    // Waits end at their time from the script's start, so that on a real clock the time the inputs
    // themselves take is not added to the waits (a flick keeps its speed). The manual clock does not
    // move during input: there the steps are the same either way.
    void Wait(int ms)
    {
        due_ += ms;
        for (;;) {
            const long behind = due_ - long(wincore::HostNow() - start_);
            if (behind <= 0) return;
            wincore::Advance(DWORD(std::min(behind, long(std::max(1, options_.frameMs)))));
            Framed();
        }
    }

    bool Shot(const std::string& name, std::string* error)
    {
        std::string path = (std::filesystem::path(options_.outDir) / (name + ".png")).string();
        if (!wincore::SaveScreenPng(path.c_str())) {
            *error = path + ": cannot write the screenshot";
            return false;
        }
        report_->files.push_back(path);
        if (options_.onShot) options_.onShot(name);
        return true;
    }

    // What the screen shows after a pen or key input or a step of the clock is a frame.
    void Framed()
    {
        Film();
        if (options_.onFrame) options_.onFrame();
    }

    void Film()
    {
        if (film_) film_->Capture(wincore::HostNow(), pen_, penDown_);
    }

    const PlayOptions& options_;
    PlayReport* report_;
    std::unique_ptr<TourFilm> film_;
    DWORD start_ = 0;
    long due_ = 0;  // ms from the start: where the script's waits have brought it
    POINT pen_ = {0, 0};
    bool penDown_ = false;
};

}  // namespace

bool PlayScript(const Script& script, const PlayOptions& options, PlayReport* report, std::string* error)
{
    *report = PlayReport();
    Player player(options, report);
    return player.Play(script, error);
}

bool PrepareOutputFolder(const std::string& dir, std::string* error)
{
    std::error_code failure;
    std::filesystem::create_directories(dir, failure);
    if (failure) {
        *error = dir + ": cannot create the output folder (" + failure.message() + ")";
        return false;
    }
    std::filesystem::path probe = std::filesystem::path(dir) / ".rknav_demo_write_test";
    bool writable = bool(std::ofstream(probe));
    std::filesystem::remove(probe, failure);
    if (!writable) {
        *error = dir + ": the output folder cannot be written";
        return false;
    }
    return true;
}

}  // namespace demo
