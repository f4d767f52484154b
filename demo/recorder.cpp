#include "recorder.h"

#include <algorithm>
#include <fstream>

#include "key_names.h"

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
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // Keys no script step names (a Windows key, a numpad key) are left out.
        if (KeyName(UINT(msg.wParam)).empty()) break;
        Add(msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN ? Step::Kind::KeyDown : Step::Kind::KeyUp, msg);
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
    if (kind == Step::Kind::KeyDown || kind == Step::Kind::KeyUp) {
        step.vk = UINT(msg.wParam);
        steps_.push_back(step);
        return;
    }
    step.x = int(msg.pt.x);
    step.y = int(msg.pt.y);
    steps_.push_back(step);
    penDown_ = kind != Step::Kind::Up;
    penAt_ = msg.pt;
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
        Step up;
        up.kind = Step::Kind::Up;
        up.x = int(penAt_.x);
        up.y = int(penAt_.y);
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
