// What lies beneath every control: the map with the screen's bars and panels over it, decoded
// once through the imaging service into a bitmap.
#pragma once

#include <windows.h>

namespace demo {

class Scene {
public:
    ~Scene() { Release(); }
    bool Load(HINSTANCE instance, int width, int height);
    void Release();

    // Copies the scene under `area` (client coordinates of the screen window) to (x, y) of `dc`.
    void Copy(HDC dc, int x, int y, const RECT& area) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace demo
