#include "presentation/sprite.h"

bool Sprite::loadResource(HINSTANCE instance, UINT id) {
    if (LOWORD(id) == 0) {
        return false;
    }
    return loadNamed(instance, MAKEINTRESOURCEA(LOWORD(id)));
}

bool Sprite::loadNamed(HINSTANCE instance, LPCSTR name) {
    if (name == nullptr) {
        return false;
    }
    reset();
    ownsBitmap = 1;
    // As a DIB section: under Wine, transfers from a device-dependent
    // bitmap cost about five times as much, which adds up over 199 balls.
    bitmap =
        static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) {
        return false;
    }
    return GetObjectA(bitmap, sizeof info, &info) != 0;
}

bool Sprite::useBitmap(HBITMAP source) {
    reset();
    if (source == nullptr) {
        return false;
    }
    bitmap = source;
    return GetObjectA(bitmap, sizeof info, &info) != 0;
}

void Sprite::reset() {
    release();
    if (ownsBitmap == 0) {
        bitmap = nullptr;
    }
    ownsBitmap = 0;
    savedObject = nullptr;
    info = BITMAP{};
}

bool Sprite::prepareContext(HDC target) {
    if (memoryContext == nullptr) {
        memoryContext = CreateCompatibleDC(target);
        if (memoryContext == nullptr) {
            return false;
        }
    }
    savedObject = SelectObject(memoryContext, bitmap);
    return true;
}

void Sprite::makeMask(COLORREF keyColour, int keyX, int keyY) {
    if (bitmap == nullptr) {
        return;
    }
    if (mask != nullptr) {
        DeleteObject(mask);
    }
    mask = CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, nullptr);
    HDC source = CreateCompatibleDC(nullptr);
    HDC maskContext = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldMask = SelectObject(maskContext, mask);

    COLORREF key = (keyX < 0 || keyY < 0) ? keyColour : GetPixel(source, keyX, keyY);
    COLORREF oldBack = SetBkColor(source, key);
    // Colour to monochrome: pixels of the background colour become 1.
    BitBlt(maskContext, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    // Monochrome to colour: 1 becomes the background colour (black), 0 the
    // text colour (white), so the AND blacks out exactly the key pixels.
    COLORREF oldText = SetTextColor(source, RGB(255, 255, 255));
    SetBkColor(source, RGB(0, 0, 0));
    BitBlt(source, 0, 0, info.bmWidth, info.bmHeight, maskContext, 0, 0, SRCAND);
    SetTextColor(source, oldText);
    SetBkColor(source, oldBack);

    SelectObject(maskContext, oldMask);
    SelectObject(source, oldSource);
    DeleteDC(maskContext);
    DeleteDC(source);
}

bool Sprite::draw(HDC target, int x, int y) {
    if (!prepareContext(target)) {
        return false;
    }
    if (mask != nullptr) {
        SelectObject(memoryContext, mask);
        BitBlt(target, x, y, info.bmWidth, info.bmHeight, memoryContext, 0, 0, SRCAND);
        SelectObject(memoryContext, bitmap);
        BitBlt(target, x, y, info.bmWidth, info.bmHeight, memoryContext, 0, 0, SRCPAINT);
    } else if (!BitBlt(target, x, y, info.bmWidth, info.bmHeight, memoryContext, 0, 0, SRCCOPY)) {
        SelectObject(memoryContext, savedObject);
        return false;
    }
    return SelectObject(memoryContext, savedObject) != nullptr;
}

bool Sprite::drawCentred(HDC target, int cx, int cy) {
    if (bitmap == nullptr) {
        return false;
    }
    if (memoryContext == nullptr) {
        makeMask(RGB(0, 0, 0), 0, 0);
    }
    return draw(target, cx - info.bmWidth / 2, cy - info.bmHeight / 2);
}

void Sprite::release() {
    if (savedObject != nullptr && memoryContext != nullptr) {
        SelectObject(memoryContext, savedObject);
    }
    savedObject = nullptr;
    if (memoryContext != nullptr) {
        DeleteDC(memoryContext);
        memoryContext = nullptr;
    }
    if (mask != nullptr) {
        DeleteObject(mask);
        mask = nullptr;
    }
    if (ownsBitmap == 1 && bitmap != nullptr) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
}
