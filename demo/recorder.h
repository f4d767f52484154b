// Records the pen and the keys as a gesture script while a person uses the demo.
#pragma once

#include <string>

#include <windows.h>

#include "script.h"

namespace demo {

class ScriptRecorder {
public:
    // Takes the pen and key messages among what the message loop dispatches; ignores the rest.
    void Observe(const MSG& msg);
    // Writes the script; a pen still down (the window closed mid-drag) is lifted where it was.
    bool Save(const std::string& path, std::string* error) const;
    size_t Steps() const { return steps_.size(); }

private:
    void Add(Step::Kind kind, const MSG& msg);

    Script steps_;
    DWORD lastTime_ = 0;
    bool penDown_ = false;
    POINT penAt_ = {0, 0};
};

}  // namespace demo
