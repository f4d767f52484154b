// Dialog templates through the reader, then those it accepts through CreateDialogIndirectParamW,
// which takes no size: the template's own structure must keep every read inside it.
#include <cstring>
#include <memory>

#include <wincore/host.h>

#include "support/session.h"
#include "window/dialog_template.h"

namespace {

INT_PTR CALLBACK FuzzDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

void CreateFromTemplate(const uint8_t* data, size_t size)
{
    // Heap memory of exactly the template's size, so that the sanitizer sees any read past it.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    memcpy(copy.get(), data, size);
    HWND owner = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
    HWND dialog = CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(copy.get()), owner,
                                             FuzzDialogProc, 7);
    if (dialog) {
        ShowWindow(dialog, SW_SHOW);
        wincore::Pump();
        RECT rect = {1, 2, 30, 40};
        MapDialogRect(dialog, &rect);
        DestroyWindow(dialog);
    }
    DestroyWindow(owner);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    wincore::DialogTemplate parsed;
    if (!wincore::ParseDialogTemplate(data, size, parsed)) return 0;
    return OnFreshHost([&] { CreateFromTemplate(data, size); });
}
