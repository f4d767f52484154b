// The font a dialog makes from its template lives exactly as long as the dialog, whatever class the
// template names, whatever the dialog procedure answers and whatever font the host sets.
#include <vector>

#include "support/host_fixture.h"
#include "support/message_log.h"

namespace {

using DialogFontTest = HostTest;

// A DLGTEMPLATE with DS_SETFONT, no controls and the window class `className` (empty: the dialog class).
std::vector<WORD> FontTemplate(const std::u16string& className)
{
    const DWORD style = WS_POPUP | DS_SETFONT;
    std::vector<WORD> words = {WORD(style & 0xFFFF), WORD(style >> 16), 0, 0, 0, 0, 0, 100, 60, 0};
    words.insert(words.end(), className.begin(), className.end());
    words.push_back(0);
    words.push_back(0);  // empty title
    words.push_back(9);  // points
    for (char16_t c : std::u16string(u"Sans")) words.push_back(c);
    words.push_back(0);
    return words;
}

INT_PTR CALLBACK AnswersEverything(HWND, UINT, WPARAM, LPARAM)
{
    return TRUE;
}

HWND Create(const std::vector<WORD>& words, DLGPROC proc)
{
    return CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr, proc, 0);
}

TEST_F(DialogFontTest, TheTemplateFontGoesWithTheDialogWhateverItsClassOrProcedure)
{
    const int before = wincore::LiveGdiObjects();
    std::vector<WORD> asEdit = FontTemplate(u"EDIT");
    HWND edit = Create(asEdit, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(wincore::LiveGdiObjects(), before + 1);
    DestroyWindow(edit);
    EXPECT_EQ(wincore::LiveGdiObjects(), before) << "a template naming another class";

    std::vector<WORD> plain = FontTemplate(u"");
    HWND answered = Create(plain, AnswersEverything);
    ASSERT_NE(answered, nullptr);
    DestroyWindow(answered);
    EXPECT_EQ(wincore::LiveGdiObjects(), before) << "a procedure that answers WM_NCDESTROY";
}

TEST_F(DialogFontTest, AFontTheHostSetsStaysTheHosts)
{
    LOGFONTW description = {};
    description.lfHeight = -12;
    HFONT hostFont = CreateFontIndirectW(&description);
    const int before = wincore::LiveGdiObjects();
    std::vector<WORD> plain = FontTemplate(u"");
    HWND dialog = Create(plain, nullptr);
    ASSERT_NE(dialog, nullptr);
    SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(hostFont), FALSE);
    DestroyWindow(dialog);
    EXPECT_EQ(wincore::LiveGdiObjects(), before);
    LOGFONTW read = {};
    EXPECT_EQ(GetObjectW(hostFont, sizeof read, &read), int(sizeof read)) << "the host's font was deleted";
    DeleteObject(hostFont);
}

}  // namespace
