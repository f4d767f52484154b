#include "recorder.h"

#include <algorithm>
#include <fstream>

namespace demo {

void ScriptRecorder::Observe(const MSG& msg)
{
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!penDown_) Add(Step::Kind::Down, msg);
        break;
    case WM_MOUSEMOVE:
        if (penDown_) Add(Step::Kind::Move, msg);
        break;
    case WM_LBUTTONUP:
        if (penDown_) Add(Step::Kind::Up, msg);
        break;
    default: break;
    }
}

void ScriptRecorder::Add(Step::Kind kind, const MSG& msg)
{
    if (!steps_.empty() && msg.time > lastTime_) {
        Step wait;
        wait.kind = Step::Kind::Wait;
        wait.ms = int(std::min<DWORD>(msg.time - lastTime_, kLongestWait));
        steps_.push_back(wait);
    }
    lastTime_ = msg.time;
    Step step;
    step.kind = kind;
    step.x = int(msg.pt.x);
    step.y = int(msg.pt.y);
    steps_.push_back(step);
    penDown_ = kind != Step::Kind::Up;
}

bool ScriptRecorder::Save(const std::string& path, std::string* error) const
{
    std::ofstream out(path, std::ios::trunc);
    if (!out) {
        *error = path + ": cannot write the recorded script";
        return false;
    }
    out << "# Recorded with rknav_demo --record; play it with rknav_demo --script " << path << "\n";
    for (const Step& step : steps_) out << FormatStep(step) << "\n";
    if (penDown_) {
        Step up = steps_.back();
        up.kind = Step::Kind::Up;
        out << FormatStep(up) << "\n";
    }
    out.flush();
    if (!out) {
        *error = path + ": writing the recorded script failed";
        return false;
    }
    return true;
}

}  // namespace demo
