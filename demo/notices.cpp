#include "notices.h"

namespace demo {

namespace {

const char16_t* kSeparator = u"  ·  ";

std::u16string Ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string Number(long value)
{
    return Ascii(std::to_string(value));
}

std::u16string OneLine(const WCHAR* text, int length)
{
    std::u16string line;
    for (int i = 0; i < length && text[i]; i++) line.push_back(text[i] == u'\n' ? u' ' : char16_t(text[i]));
    return line;
}

Notice ItemNotice(WPARAM wParam, const tagNAVLVITME& item, const std::u16string& what)
{
    const char16_t* gesture = item.notifyCode == NAVLV_NOTIFY_DBLTAP      ? u"double tap"
                              : item.notifyCode == NAVLV_NOTIFY_KEYSELECT ? u"key"
                                                                          : u"tap";
    return Notice{u"WM_NAVLV_ITEMNOTIFY" + std::u16string(kSeparator) + u"id " + Number(long(wParam)) + kSeparator +
                      u"row " + Number(item.index) + kSeparator + gesture,
                  what};
}

Notice PageScrollNotice(WPARAM wParam, const std::u16string& what)
{
    return Notice{u"WM_NAVLV_PAGESCROLL" + std::u16string(kSeparator) + u"id " + Number(LOWORD(wParam)) + kSeparator +
                      u"button " + Number(HIWORD(wParam)),
                  what};
}

Notice CommandNotice(WPARAM wParam, const std::u16string& what, const std::u16string& codeName)
{
    std::u16string code = u"code " + Number(HIWORD(wParam));
    if (!codeName.empty()) code += u" " + codeName;
    return Notice{u"WM_COMMAND" + std::u16string(kSeparator) + u"id " + Number(LOWORD(wParam)) + kSeparator + code,
                  what};
}

Notice KeyNotice(const std::u16string& message, const std::u16string& key, const std::u16string& what)
{
    return Notice{message + kSeparator + key, what};
}

}  // namespace demo
