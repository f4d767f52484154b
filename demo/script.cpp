#include "script.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "key_names.h"

namespace demo {

namespace {

struct Command {
    const char* word;
    Step::Kind kind;
};

constexpr Command kCommands[] = {
    {"down", Step::Kind::Down}, {"move", Step::Kind::Move}, {"up", Step::Kind::Up},
    {"wait", Step::Kind::Wait}, {"shot", Step::Kind::Shot}, {"key", Step::Kind::Key},
    {"keydown", Step::Kind::KeyDown}, {"keyup", Step::Kind::KeyUp},
};

bool IsKeyStep(Step::Kind kind)
{
    return kind == Step::Kind::Key || kind == Step::Kind::KeyDown || kind == Step::Kind::KeyUp;
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool ReadNumber(const std::string& word, int largest, int* value)
{
    if (word.empty() || word.size() > 9) return false;
    for (char c : word)
        if (c < '0' || c > '9') return false;
    *value = std::stoi(word);
    return *value <= largest;
}

// Shot names become file names: no folders, nothing hidden.
bool IsShotName(const std::string& name)
{
    if (name.empty() || name.size() > 64 || name[0] == '.') return false;
    for (char c : name)
        if (!isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') return false;
    return true;
}

class Parser {
public:
    explicit Parser(const std::string& source) : source_(source) {}

    bool Line(const std::string& text, int number, Script* script)
    {
        line_ = number;
        std::vector<std::string> words = Words(text.substr(0, text.find('#')));
        if (words.empty()) return true;
        const Command* command = Find(words[0]);
        if (!command) return Fail("unknown command '" + words[0] + "' (expected down, move, up, wait, shot, key, keydown or keyup)");
        Step step;
        step.kind = command->kind;
        step.line = number;
        if (!Arguments(words, &step) || !PenInOrder(step)) return false;
        script->push_back(step);
        return true;
    }

    bool End()
    {
        if (!penDown_) return true;
        line_ = downLine_;
        return Fail("the pen goes down here and never comes up");
    }

    const std::string& Error() const { return error_; }

private:
    static const Command* Find(const std::string& word)
    {
        for (const Command& command : kCommands)
            if (word == command.word) return &command;
        return nullptr;
    }

    bool Arguments(const std::vector<std::string>& words, Step* step)
    {
        const std::string& word = words[0];
        if (step->kind == Step::Kind::Wait) {
            if (words.size() != 2) return Fail("'wait' takes one number: the milliseconds to wait");
            if (!ReadNumber(words[1], kLongestWait, &step->ms))
                return Fail("'" + words[1] + "' is not a wait from 0 to " + std::to_string(kLongestWait) + " ms");
            return true;
        }
        if (step->kind == Step::Kind::Shot) {
            if (words.size() != 2) return Fail("'shot' takes one name");
            if (!IsShotName(words[1])) return Fail("'" + words[1] + "' is not a shot name (letters, digits, - _ .)");
            step->name = words[1];
            return true;
        }
        if (IsKeyStep(step->kind)) {
            if (words.size() != 2) return Fail("'" + word + "' takes one key");
            if (!ReadKeyName(words[1], &step->vk))
                return Fail("'" + words[1] + "' is not a key (a VK_ name such as VK_TAB, a letter or a digit)");
            return true;
        }
        if (words.size() != 3) return Fail("'" + word + "' takes two numbers: x y");
        if (!ReadNumber(words[1], kLargestCoordinate, &step->x) || !ReadNumber(words[2], kLargestCoordinate, &step->y))
            return Fail("'" + words[1] + " " + words[2] + "' is not a point (two whole numbers from 0 to " +
                        std::to_string(kLargestCoordinate) + ")");
        return true;
    }

    bool PenInOrder(const Step& step)
    {
        if (step.kind == Step::Kind::Down) {
            if (penDown_) return Fail("'down' while the pen is already down");
            penDown_ = true;
            downLine_ = line_;
        } else if (step.kind == Step::Kind::Move || step.kind == Step::Kind::Up) {
            if (!penDown_) return Fail(std::string("'") + (step.kind == Step::Kind::Move ? "move" : "up") +
                                       "' while the pen is up");
            penDown_ = step.kind == Step::Kind::Move;
        }
        return true;
    }

    bool Fail(const std::string& what)
    {
        error_ = source_ + ":" + std::to_string(line_) + ": " + what;
        return false;
    }

    std::string source_;
    std::string error_;
    int line_ = 0;
    bool penDown_ = false;
    int downLine_ = 0;
};

}  // namespace

bool ParseScript(const std::string& text, const std::string& source, Script* script, std::string* error)
{
    Parser parser(source);
    Script steps;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);)
        if (!parser.Line(line, ++number, &steps)) {
            *error = parser.Error();
            return false;
        }
    if (!parser.End()) {
        *error = parser.Error();
        return false;
    }
    *script = std::move(steps);
    return true;
}

bool LoadScript(const std::string& path, Script* script, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = path + ": cannot read the gesture script";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseScript(text.str(), path, script, error);
}

std::string FormatStep(const Step& step)
{
    switch (step.kind) {
    case Step::Kind::Down: return "down " + std::to_string(step.x) + " " + std::to_string(step.y);
    case Step::Kind::Move: return "move " + std::to_string(step.x) + " " + std::to_string(step.y);
    case Step::Kind::Up: return "up " + std::to_string(step.x) + " " + std::to_string(step.y);
    case Step::Kind::Wait: return "wait " + std::to_string(step.ms);
    case Step::Kind::Shot: return "shot " + step.name;
    case Step::Kind::Key: return "key " + KeyName(step.vk);
    case Step::Kind::KeyDown: return "keydown " + KeyName(step.vk);
    case Step::Kind::KeyUp: return "keyup " + KeyName(step.vk);
    }
    return std::string();
}

}  // namespace demo
