// What the combo box tests share: a probe into the control, an owner window that paints stripes
// (on screen and when the field asks for its background) and records what it is told.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "NavComboboxEx.h"
#include "support/host_fixture.h"
#include "support/message_log.h"

struct ComboProbe : CNavComboboxEx {
    using CNavComboboxEx::ComboboxListProc;
    using CNavComboboxEx::dropRect;
    using CNavComboboxEx::hListBox;
    using CNavComboboxEx::oldListBoxProc;
    HWND List() { return pDropList ? pDropList->GetSafeHand() : nullptr; }
};

inline void Tap(int x, int y)
{
    wincore::PenDown(x, y);
    wincore::PenUp(x, y);
}

inline std::string Str(RECT rect)
{
    std::ostringstream text;
    text << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    return text.str();
}

inline std::string ScreenRect(HWND hwnd)
{
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(hwnd, &rect);
    return Str(rect);
}

inline std::string Text(CNavComboboxEx& combo)
{
    WCHAR buffer[101] = {};
    return combo.GetComboxText(buffer, 100) < 0 ? "<none>" : Utf8(buffer);
}

class ComboTest : public HostTest {
protected:
    // A visible owner showing stripes; with `parent` it is a child window.
    HWND MakeOwner(int x, int y, int width, int height, HWND parent = nullptr)
    {
        HWND owner = CreateRecorder("owner", (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE, x, y, width, height, parent);
        SetHandler(owner, [this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
            return Answer(hwnd, message, wParam, lParam);
        });
        UpdateWindow(owner);
        return owner;
    }

    // A visible field at `rect` in `owner` with the comma-separated `items`.
    bool Make(ComboProbe& combo, HWND owner, RECT rect, const std::string& items)
    {
        if (!combo.Create(nullptr, WS_VISIBLE, nullptr, rect, owner, 20)) return false;
        std::istringstream names(items);
        for (std::string name; std::getline(names, name, ',');) combo.AddString(U16(name).c_str());
        Log().Name(combo.List(), "list");
        watched = &combo;
        wincore::Pump();
        return true;
    }

    // The events without activation and focus.
    std::vector<std::string> Notifications()
    {
        std::vector<std::string> lines;
        for (const std::string& line : events)
            if (line.rfind("notify", 0) == 0 || line.rfind("command", 0) == 0) lines.push_back(line);
        return lines;
    }

    // What the owner was told, with what the combo box reports while the owner handles it.
    std::vector<std::string> events;
    CNavComboboxEx* watched = nullptr;
    std::function<void()> onCommand;

private:
    static void Stripes(HDC dc, RECT area, POINT offset)
    {
        for (int x = area.left - area.left % 16; x < area.right; x += 16) {
            RECT band = {x + offset.x, area.top + offset.y, x + 16 + offset.x, area.bottom + offset.y};
            HBRUSH brush = CreateSolidBrush((x / 16) & 1 ? 0x005AAAC8 : 0x003C5A28);
            FillRect(dc, &band, brush);
            DeleteObject(brush);
        }
    }

    bool Answer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        std::ostringstream line;
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            RECT client;
            GetClientRect(hwnd, &client);
            Stripes(BeginPaint(hwnd, &paint), client, {0, 0});
            EndPaint(hwnd, &paint);
            return true;
        }
        if (message == WM_NAVCTRL_PAINTBK) {
            const RECT& area = *reinterpret_cast<RECT*>(lParam);
            Stripes(reinterpret_cast<HDC>(wParam), area, {-area.left, -area.top});
            return true;
        }
        if (message == WM_NAVLV_ITEMNOTIFY) {
            auto* item = reinterpret_cast<tagNAVLVITME*>(lParam);
            line << "notify " << wParam << " code " << item->notifyCode << " " << Utf8(item->text1);
        } else if (message == WM_ACTIVATE || message == WM_SETFOCUS) {
            HWND other = reinterpret_cast<HWND>(message == WM_ACTIVATE ? lParam : wParam);
            line << (message == WM_ACTIVATE ? "activate " + std::to_string(LOWORD(wParam)) : "focus") << " "
                 << Log().NameOf(other);
        } else if (message == WM_COMMAND) {
            line << "command " << LOWORD(wParam) << " code " << HIWORD(wParam);
            if (auto* combo = static_cast<ComboProbe*>(watched))
                line << " '" << Text(*combo) << "' sel " << combo->GetCurSel() << " list " << IsWindowVisible(combo->List());
        } else {
            return false;
        }
        events.push_back(line.str());
        if (message == WM_COMMAND && onCommand) onCommand();
        return false;
    }
};
