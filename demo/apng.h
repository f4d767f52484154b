// Animated PNG (APNG) files: the first frame whole, every later one as the rectangle that changed.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace demo {

class ApngWriter {
public:
    ApngWriter(int width, int height) : width_(width), height_(height) {}

    // `pixels`: the whole picture, width x height of 0x00RRGGBB; shown for `delayMs`.
    void AddFrame(const std::vector<DWORD>& pixels, int delayMs);
    bool Write(const std::string& path) const;
    int Frames() const { return int(frames_.size()); }

private:
    struct Frame {
        RECT area;
        int delayMs;
        std::vector<unsigned char> data;  // zlib stream of the filtered rows
    };

    RECT ChangedArea(const std::vector<DWORD>& pixels) const;
    std::vector<unsigned char> Encode(const std::vector<DWORD>& pixels, const RECT& area) const;

    int width_;
    int height_;
    std::vector<DWORD> last_;
    std::vector<Frame> frames_;
};

}  // namespace demo
