#include "shell/kit/tool_tip.h"

#include "shell/kit/kit_classes.h"
#include "shell/kit/kit_scale.h"

namespace {

// The text's box plus the border and a pixel of air around the text.
constexpr int kExtraWidth = 5;
constexpr int kExtraHeight = 4;
// Gap between the tool's bottom edge and the tooltip.
constexpr int kGapBelowTool = 2;

SIZE measureText(HWND tip, const char* text) {
    SIZE size{};
    HDC dc = GetDC(tip);
    HGDIOBJ oldFont = SelectObject(dc, kitFont());
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, oldFont);
    ReleaseDC(tip, dc);
    return size;
}

}  // namespace

ToolTip::ToolTip() {
    visible = false;
    borderKind = BorderKind::kThin;
    edgeKind = EdgeKind::kWindow;
}

HWND ToolTip::create(HWND owner) {
    ownerWindow = owner;
    return WindowWrapper::create(kToolTipClassName, nullptr, WS_CHILD, x, y, width, height, owner,
                                 0, nullptr, WS_EX_TOPMOST);
}

void ToolTip::show(HWND tool, HWND status) {
    if (tool == currentTool) {
        return;
    }
    currentTool = tool;
    char text[kTextChars] = "";
    GetWindowTextA(tool, text, kTextChars);
    if (text[0] == '\0') {
        hide();
        return;
    }
    takeOverStatus(status, text);
    placeUnder(tool, text);
}

void ToolTip::takeOverStatus(HWND status, const char* text) {
    // The status text is saved once per showing, when the first tool takes
    // the status window over; moving on to the next tool keeps it. An empty
    // status text counts as saved too, so the previous tool's text is never
    // taken for it.
    const bool firstTool = statusWindow == nullptr;
    statusWindow = status;
    if (status == nullptr) {
        return;
    }
    if (firstTool) {
        GetWindowTextA(status, savedStatusText, kTextChars);
    }
    SetWindowTextA(status, text);
}

void ToolTip::placeUnder(HWND tool, const char* text) {
    RECT toolRect{};
    RECT ownerRect{};
    GetWindowRect(tool, &toolRect);
    GetWindowRect(ownerWindow, &ownerRect);
    int newX = toolRect.left - ownerRect.left;
    int newY = toolRect.bottom + kitPixels(kGapBelowTool) - ownerRect.top;

    setText(text);
    const SIZE textSize = measureText(window, text);
    const int newWidth = textSize.cx + kitPixels(kExtraWidth);
    const int newHeight = textSize.cy + kitPixels(kExtraHeight);

    // Kept inside the owner, so a tooltip near its right or bottom edge is
    // shifted back in.
    RECT client{};
    GetClientRect(ownerWindow, &client);
    if (newX + newWidth > client.right) {
        newX = client.right - newWidth;
    }
    if (newY + newHeight > client.bottom) {
        newY = client.bottom - newHeight;
    }

    if (newX != x || newY != y || newWidth != width || newHeight != height) {
        x = newX;
        y = newY;
        width = newWidth;
        height = newHeight;
        MoveWindow(window, x, y, width, height, TRUE);
    }
    // Moving keeps the old picture where the old and new places overlap;
    // the whole tip is painted again with the new text.
    InvalidateRect(window, nullptr, TRUE);
    setVisible(true);
}

void ToolTip::hide() {
    if (!visible) {
        return;
    }
    currentTool = nullptr;
    setVisible(false);
    if (statusWindow != nullptr) {
        SetWindowTextA(statusWindow, savedStatusText);
        savedStatusText[0] = '\0';
        statusWindow = nullptr;
    }
}
