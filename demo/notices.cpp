#include "notices.h"

namespace demo {

namespace {

const WCHAR* kSeparator = TEXT("  ·  ");

}  // namespace

Text Number(long value)
{
    return Ascii(std::to_string(value));
}

Text OneLine(const WCHAR* text, int length)
{
    Text line;
    for (int i = 0; i < length && text[i]; i++) line.push_back(text[i] == TEXT('\n') ? TEXT(' ') : WCHAR(text[i]));
    return line;
}

Notice ItemNotice(WPARAM wParam, const tagNAVLVITME& item, const Text& what)
{
    const WCHAR* gesture = item.notifyCode == NAVLV_NOTIFY_DBLTAP      ? TEXT("double tap")
                              : item.notifyCode == NAVLV_NOTIFY_KEYSELECT ? TEXT("key")
                                                                          : TEXT("tap");
    return Notice{TEXT("WM_NAVLV_ITEMNOTIFY") + Text(kSeparator) + TEXT("id ") + Number(long(wParam)) + kSeparator +
                      TEXT("row ") + Number(item.index) + kSeparator + gesture,
                  what};
}

Notice PageScrollNotice(WPARAM wParam, const Text& what)
{
    return Notice{TEXT("WM_NAVLV_PAGESCROLL") + Text(kSeparator) + TEXT("id ") + Number(LOWORD(wParam)) + kSeparator +
                      TEXT("button ") + Number(HIWORD(wParam)),
                  what};
}

Notice CommandNotice(WPARAM wParam, const Text& what, const Text& codeName)
{
    Text code = TEXT("code ") + Number(HIWORD(wParam));
    if (!codeName.empty()) code += TEXT(" ") + codeName;
    return Notice{TEXT("WM_COMMAND") + Text(kSeparator) + TEXT("id ") + Number(LOWORD(wParam)) + kSeparator + code,
                  what};
}

Notice KeyNotice(const Text& message, const Text& key, const Text& what)
{
    return Notice{message + kSeparator + key, what};
}

}  // namespace demo
