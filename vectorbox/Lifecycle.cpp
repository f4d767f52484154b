// The vector box object, its copies, and its subclassed "BUTTON" window.
#include "frame/NavImage.h"
#include "kit/FocusCue.h"
#include "vectorbox/VectorBoxDefs.h"

using namespace vectorbox;

CNavVectorBox::CNavVectorBox() = default;

CNavVectorBox::CNavVectorBox(const CNavVectorBox& other)
{
    *this = other;
}

// The window and a file image belong to one object only; the caller's bitmap, font and owner
// are handles the control never releases, so sharing them is safe.
CNavVectorBox& CNavVectorBox::operator=(const CNavVectorBox& other)
{
    if (this == &other) return *this;
    ReleaseWindow();
    ReleaseFileImage();
    NavVectorBoxSettings::operator=(other);
    ownerDrawImage = other.ownerDrawKind ? nullptr : other.ownerDrawImage;
    return *this;
}

CNavVectorBox::~CNavVectorBox()
{
    ReleaseWindow();
    ReleaseFileImage();
}

// The window is unsubclassed before it is destroyed: its last messages go to the button alone.
void CNavVectorBox::ReleaseWindow()
{
    HWND window = hWnd;
    ForgetWindow();
    if (::IsWindow(window)) DestroyWindow(window);
}

void CNavVectorBox::ReleaseFileImage()
{
    if (ownerDrawKind && ownerDrawImage) {
        auto* image = static_cast<CNavImage*>(ownerDrawImage);
        image->Unload();
        delete image;
        ownerDrawImage = nullptr;
    }
    ownerDrawKind = 0;
}

// Also runs when the host destroys the window (for instance with its parent), so that the
// destructor never touches a handle that may name another window by then.
void CNavVectorBox::ForgetWindow()
{
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldWndProc));
    hWnd = nullptr;
    oldWndProc = nullptr;
    pressedPass = -1;
    slideOffset = tickedOffset = 0;
    slideTimer = 0;
    focusCue.reset();
}

int CNavVectorBox::Create(HINSTANCE hInstance, DWORD dwStyle, const WCHAR* text, const RECT& rect, HWND parent,
                          UINT id, VBoxType type)
{
    if (::IsWindow(hWnd)) return 1;
    boxType = type;
    // Another button type in the style would keep the system from asking for the drawing.
    DWORD style = (dwStyle & ~DWORD(BS_TYPEMASK)) | DWORD(BS_OWNERDRAW);
    hWnd = CreateWindowExW(0, TEXT("BUTTON"), text, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(UINT_PTR(id)), hInstance,
                           nullptr);
    if (!hWnd) return 0;
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    oldWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BitmapButtonProc)));
    hOwner = parent;
    focusCue = std::make_unique<kit::FocusCue>();
    SetPassControlWidth(passWidth);
    return 1;
}
