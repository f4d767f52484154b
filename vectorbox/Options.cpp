// Settings: text colour and font, visibility, arrow width, the owner-drawn frame and the slide's
// frame period.
#include "frame/NavImage.h"
#include "kit/TickedMotion.h"
#include "vectorbox/VectorBoxDefs.h"

using namespace vectorbox;

namespace {

// Copies a path of fewer than kMaxPath units with its terminator; longer ones are refused
// without reading past the limit.
bool CopyPath(const WCHAR* path, WCHAR (&buffer)[kMaxPath])
{
    if (!path) return false;
    int length = 0;
    while (length < kMaxPath && path[length]) length++;
    if (length >= kMaxPath) return false;
    for (int i = 0; i <= length; i++) buffer[i] = path[i];
    return true;
}

}  // namespace

void CNavVectorBox::SetTextColor(COLORREF color)
{
    textColor = color;
}

void CNavVectorBox::SetFont(HFONT newFont)
{
    font = newFont;
}

void CNavVectorBox::Show(int nCmdShow)
{
    if (!::IsWindow(hWnd)) return;
    ShowWindow(hWnd, nCmdShow);
    InvalidateRect(hWnd, nullptr, FALSE);
}

void CNavVectorBox::SetPassControlWidth(int width)
{
    if (width < 0 || width > kMaxPassWidth) return;
    passWidth = width;
    if (!::IsWindow(hWnd)) return;
    RECT c;
    GetClientRect(hWnd, &c);
    if (boxType == VBOX_HORZ) {
        passRect[0] = {c.left, c.top, c.left + width, c.bottom};
        passRect[1] = {c.right - width, c.top, c.right, c.bottom};
    } else if (boxType == VBOX_VERT) {
        passRect[0] = {c.left, c.top, c.right, c.top + width};
        passRect[1] = {c.left, c.bottom - width, c.right, c.bottom};
    }
}

void CNavVectorBox::SetOwnerDrawBmp(void** image, int kind)
{
    if (!image) return;
    if (kind == 0) {
        ReleaseFileImage();
        ownerDrawImage = *image;
        ownerDrawKind = 0;
        return;
    }
    WCHAR path[kMaxPath];
    if (!CopyPath(static_cast<const WCHAR*>(*image), path)) return;
    ReleaseFileImage();
    // Kept even when the file does not decode: its draws then draw nothing and the frame stays empty.
    auto* picture = new CNavImage;
    picture->LoadFromFile(path);
    ownerDrawImage = picture;
    ownerDrawKind = kind;
}

int CNavVectorBox::SetAnimationInterval(int ms)
{
    if (!kit::IsAnimationInterval(ms)) return 0;
    const bool changed = ms != animationInterval;
    animationInterval = ms;
    if (changed && slideTimer && ::IsWindow(hWnd))
        SetTimer(hWnd, slideTimer, kit::FramePeriod(ms, kSlidePeriod), nullptr);
    return 1;
}
