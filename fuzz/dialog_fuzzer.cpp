// Templates the reader accepts go through CreateDialogIndirectParamW, which takes no size.
#include <cstring>
#include <memory>

#include "support/session.h"
#include "window/dialog_template.h"

namespace {

void CreateFromTemplate(const uint8_t* data, size_t size)
{
    // Exactly the template's size, so that the sanitizer sees any read past it.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size]);
    memcpy(copy.get(), data, size);
    HWND owner = CreateOwner(WS_POPUP | WS_VISIBLE, 0, 0, 800, 480, nullptr);
    HWND dialog = CreateDialogIndirectParamW(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(copy.get()), owner,
        [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; }, 7);
    if (dialog) DestroyWindow(dialog);
    DestroyWindow(owner);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    wincore::DialogTemplate parsed;
    if (!wincore::ParseDialogTemplate(data, size, parsed)) return 0;
    return OnFreshHost([&] { CreateFromTemplate(data, size); });
}
