// Recording windows: every message their procedure receives is written to a log as a line such
// as "owner WM_SIZE 0 0x00640064", so a test compares the traffic with a table of expected lines.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

class MessageLog {
public:
    // Which messages to record; empty records everything. Starts the log afresh.
    void Only(std::vector<UINT> messages)
    {
        only_ = std::move(messages);
        lines_.clear();
        muted_ = false;
    }
    // Records nothing until the next Only, so that long runs do not grow the log.
    void Mute()
    {
        lines_.clear();
        muted_ = true;
    }
    void Clear() { lines_.clear(); }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Add(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool withParams);

    void Name(HWND hwnd, const std::string& name) { names_[hwnd] = name; }
    std::string NameOf(HWND hwnd) const;

private:
    std::vector<UINT> only_;
    bool muted_ = false;
    std::vector<std::string> lines_;
    std::map<HWND, std::string> names_;
};

// The window class "Recorder": the window's title is its name in the log. A handler set for a
// window runs after the message is recorded; returning true means it answered with `result`.
using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT& result)>;

MessageLog& Log();
void RecordParams(bool on);  // log wParam and lParam too (default: on)
void SetHandler(HWND hwnd, Handler handler);  // an empty handler removes the one set
void ClearHandlers();
HWND CreateRecorder(const char* name, DWORD style, int x, int y, int width, int height, HWND parent = nullptr,
                    UINT id = 0, DWORD exStyle = 0, UINT classStyle = 0);
std::string MessageName(UINT message);
int LiveRecorders();  // recorder windows that still exist

// Compares a log with the expected lines and prints both side by side on a mismatch.
::testing::AssertionResult SameTraffic(const std::vector<std::string>& actual,
                                       const std::vector<std::string>& expected);
