// Every text of every dialog template, drawn with the dialog's own font,
// fits the control that shows it: a player never meets a clipped label.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// How a control lays out its text within its client rect, less a frame: a
// push button's raised edge and focus rectangle, a check box's or radio
// button's box and the gap after it. Statics of the three aligned types
// wrap at word breaks; the other static types draw pictures or frames.
struct TextLayout {
    bool showsText;
    UINT format;
    SIZE frame;
};

TextLayout layoutOf(const std::string& className, LONG style) {
    const int edge = GetSystemMetrics(SM_CXEDGE);
    if (className == "Button") {
        const LONG type = style & BS_TYPEMASK;
        const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                         type == BS_AUTORADIOBUTTON;
        return {
            true, DT_SINGLELINE,
            box ? SIZE{GetSystemMetrics(SM_CXMENUCHECK) + 2 * edge, 0} : SIZE{4 * edge, 2 * edge}};
    }
    const LONG type = style & SS_TYPEMASK;
    return {className == "Static" &&
                (type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP),
            static_cast<UINT>((type <= SS_RIGHT ? DT_WORDBREAK : DT_SINGLELINE) |
                              ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0)),
            {0, 0}};
}

// "text: needs W x H in W x H" for every text of the dialog that does not fit.
std::string misfits(HWND dialog, HDC dc) {
    std::string found;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {}, text[256] = {};
        GetClassNameA(child, name, sizeof name);
        GetWindowTextA(child, text, sizeof text);
        const TextLayout layout = layoutOf(name, GetWindowLongA(child, GWL_STYLE));
        if (text[0] == '\0' || !layout.showsText) {
            continue;
        }
        RECT client;
        GetClientRect(child, &client);
        const SIZE room = {client.right - layout.frame.cx, client.bottom - layout.frame.cy};
        RECT needed = {0, 0, room.cx, 0};
        DrawTextA(dc, text, -1, &needed, DT_CALCRECT | layout.format);
        if (needed.right > room.cx || needed.bottom > room.cy) {
            found += "\"" + std::string(text) + "\": needs " + std::to_string(needed.right) +
                     " x " + std::to_string(needed.bottom) + " in " + std::to_string(room.cx) +
                     " x " + std::to_string(room.cy) + "\n";
        }
    }
    return found;
}

TEST(DialogTexts, EveryLabelFitsItsControlWithTheDialogFont) {
    HMODULE module = GetModuleHandleA(nullptr);
    std::vector<LPSTR> dialogs;
    EnumResourceNamesA(
        module, RT_DIALOG,
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR list) -> BOOL {
            reinterpret_cast<std::vector<LPSTR>*>(list)->push_back(name);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&dialogs));
    ASSERT_FALSE(dialogs.empty());
    for (LPSTR id : dialogs) {
        HWND dialog = CreateDialogParamA(
            module, id, nullptr,
            [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; },
            0);
        ASSERT_NE(dialog, nullptr) << reinterpret_cast<UINT_PTR>(id);
        HDC dc = GetDC(dialog);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
        EXPECT_EQ(misfits(dialog, dc), "") << "dialog " << reinterpret_cast<UINT_PTR>(id);
        SelectObject(dc, old);
        ReleaseDC(dialog, dc);
        DestroyWindow(dialog);
    }
}

}  // namespace
