// The combo box tests' host: an owner in stripes recording what it is told and the box's state then.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "NavComboboxEx.h"
#include "support/owner_fixture.h"

// What a deriving host reaches: the drop-down list, and the procedure for a system list box.
struct ComboProbe : CNavComboboxEx {
    // The box the owner's log reports; it lets go before its windows go (Win32 may still notify).
    static inline ComboProbe* watched = nullptr;
    ~ComboProbe() { if (watched == this) watched = nullptr; }
    using CNavComboboxEx::ComboboxListProc;
    using CNavComboboxEx::hListBox;
    using CNavComboboxEx::oldListBoxProc;
    HWND List() { return pDropList ? pDropList->GetSafeHand() : nullptr; }
};

inline std::string Text(CNavComboboxEx& combo)
{
    WCHAR buffer[101] = {};
    return combo.GetComboxText(buffer, 100) < 0 ? "<none>" : Utf8(buffer);
}

class ComboTest : public OwnerTest {
protected:
    void SetUp() override
    {
        OwnerTest::SetUp();
        PaintBackdrop([](HDC dc) {
            for (int x = 0; x < 800; x += 16) Fill(dc, {x, 0, x + 16, 480}, (x / 16) & 1 ? 0x005AAAC8 : 0x003C5A28);
        });
        onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam) { Record(message, wParam, lParam); };
    }
    HWND Inner()
    {
        HWND inner = CreateRecorder("inner", WS_CHILD | WS_VISIBLE, 100, 50, 600, 400, owner);
        SetHandler(inner, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
            return Record(message, wParam, lParam), false;
        });
        return inner;
    }
    bool Make(ComboProbe& combo, HWND parent, RECT rect, const std::string& items)
    {
        if (!combo.Create(nullptr, WS_VISIBLE, nullptr, rect, parent, 20)) return false;
        std::istringstream names(items);
        for (std::string name; std::getline(names, name, ',');) combo.AddString(U16(name).c_str());
        Log().Name(combo.List(), "list");
        ComboProbe::watched = &combo;
        wincore::Pump();
        return true;
    }
    std::vector<std::string> Notifications()
    {
        std::vector<std::string> lines;
        for (const std::string& line : events)
            if (line.rfind("notify", 0) == 0 || line.rfind("command", 0) == 0) lines.push_back(line);
        return lines;
    }

    std::vector<std::string> events;

private:
    void Record(UINT message, WPARAM wParam, LPARAM lParam)
    {
        std::ostringstream line;
        const auto* item = reinterpret_cast<const tagNAVLVITME*>(lParam);
        if (message == WM_NAVLV_ITEMNOTIFY)
            line << "notify " << wParam << " code " << item->notifyCode << " " << Utf8(item->text1);
        else if (message == WM_ACTIVATE)
            line << "activate " << LOWORD(wParam) << " " << Log().NameOf(reinterpret_cast<HWND>(lParam));
        else if (message == WM_SETFOCUS)
            line << "focus " << Log().NameOf(reinterpret_cast<HWND>(wParam));
        else if (ComboProbe* box = ComboProbe::watched; message == WM_COMMAND && box)
            line << "command " << LOWORD(wParam) << " code " << HIWORD(wParam) << " '" << Text(*box) << "' sel "
                 << box->GetCurSel() << " list " << IsWindowVisible(box->List());
        else
            return;
        events.push_back(line.str());
    }
};
