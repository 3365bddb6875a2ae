// Every text of every dialog template, drawn with the dialog's own font,
// fits the control that shows it: a player never meets a clipped label.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK quietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

BOOL CALLBACK collectDialog(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
    reinterpret_cast<std::vector<LPSTR>*>(list)->push_back(name);
    return TRUE;
}

// Pixels of a control's client rect that frame its text: a push button's
// raised edge and focus rectangle, a check box's or radio button's box and
// the gap after it. Statics draw their text from the rect's edges.
SIZE frameOf(const std::string& className, LONG style) {
    const int edge = GetSystemMetrics(SM_CXEDGE);
    if (className != "Button") {
        return {0, 0};
    }
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return {GetSystemMetrics(SM_CXMENUCHECK) + 2 * edge, 0};
        default:
            return {4 * edge, 2 * GetSystemMetrics(SM_CYEDGE)};
    }
}

// A static's text types other than these draw a picture or a frame.
bool showsText(const std::string& className, LONG style) {
    const LONG type = style & SS_TYPEMASK;
    return className == "Button" ||
           (className == "Static" && (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT ||
                                      type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE));
}

// How the control lays its text out: statics of the three aligned types
// wrap at word breaks, buttons and the other statics keep one line.
UINT layoutOf(const std::string& className, LONG style) {
    if (className != "Static") {
        return DT_SINGLELINE;
    }
    return ((style & SS_TYPEMASK) <= SS_RIGHT ? DT_WORDBREAK : DT_SINGLELINE) |
           ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
}

// "text: needs W x H in W x H" for every text of the dialog that does not fit.
std::string misfits(HWND dialog, HFONT font) {
    std::string found;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {}, text[256] = {};
        GetClassNameA(child, name, sizeof name);
        GetWindowTextA(child, text, sizeof text);
        const std::string className = name;
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (text[0] == '\0' || !showsText(className, style)) {
            continue;
        }
        RECT client;
        GetClientRect(child, &client);
        const SIZE frame = frameOf(className, style);
        const SIZE room = {client.right - frame.cx, client.bottom - frame.cy};
        RECT needed = {0, 0, room.cx, 0};
        HDC dc = GetDC(child);
        HGDIOBJ old = SelectObject(dc, font);
        DrawTextA(dc, text, -1, &needed, DT_CALCRECT | layoutOf(className, style));
        SelectObject(dc, old);
        ReleaseDC(child, dc);
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
    EnumResourceNamesA(module, RT_DIALOG, collectDialog, reinterpret_cast<LONG_PTR>(&dialogs));
    ASSERT_FALSE(dialogs.empty());
    for (LPSTR id : dialogs) {
        HWND dialog = CreateDialogParamA(module, id, nullptr, quietDialog, 0);
        ASSERT_NE(dialog, nullptr) << reinterpret_cast<UINT_PTR>(id);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
        HDC dc = GetDC(dialog);
        HGDIOBJ old = SelectObject(dc, font);
        char caption[64] = {}, face[LF_FACESIZE] = {};
        GetTextFaceA(dc, sizeof face, face);
        SelectObject(dc, old);
        ReleaseDC(dialog, dc);
        GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_EQ(misfits(dialog, font), "") << caption << ", drawn in " << face;
        DestroyWindow(dialog);
    }
}

}  // namespace
