#include "presentation/sprite.h"

#include <algorithm>

#include "presentation/picture.h"

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
    keptBits_.clear();
    addedBits_.clear();
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
    keptBits_.clear();
    addedBits_.clear();
}

bool Sprite::readTransfers() {
    if (!keptBits_.empty()) {
        return true;
    }
    const int width = info.bmWidth;
    const int height = info.bmHeight;
    Picture scratch;
    scratch.resize(width, height);
    if (!scratch.exists()) {
        return false;
    }
    if (memoryContext == nullptr) {
        makeMask(RGB(0, 0, 0), 0, 0);  // as the first drawCentred does
    }
    if (!prepareContext(scratch.context())) {
        return false;
    }
    HDC target = scratch.context();
    const uint32_t* bits = scratch.pixels();
    const size_t count = static_cast<size_t>(width) * height;
    // The mask's transfer, read as what it leaves of a white target; the
    // target's default colours turn its 1 pixels white and its 0 pixels black.
    PatBlt(target, 0, 0, width, height, WHITENESS);
    if (mask != nullptr) {
        SelectObject(memoryContext, mask);
        BitBlt(target, 0, 0, width, height, memoryContext, 0, 0, SRCAND);
        SelectObject(memoryContext, bitmap);
    } else {
        PatBlt(target, 0, 0, width, height, BLACKNESS);  // a plain copy keeps nothing
    }
    GdiFlush();
    keptBits_.assign(bits, bits + count);
    BitBlt(target, 0, 0, width, height, memoryContext, 0, 0, SRCCOPY);
    GdiFlush();
    addedBits_.assign(bits, bits + count);
    SelectObject(memoryContext, savedObject);
    savedObject = nullptr;
    return true;
}

bool Sprite::drawCentredInto(Picture& target, int cx, int cy, const RECT& clip) {
    if (bitmap == nullptr || !target.exists() || !readTransfers()) {
        return false;
    }
    const int width = info.bmWidth;
    const int height = info.bmHeight;
    const int left = cx - width / 2;
    const int top = cy - height / 2;
    // Cut to the target, as a transfer is, and to the clip.
    const int firstX = std::max({0, -left, static_cast<int>(clip.left) - left});
    const int endX = std::min({width, target.width() - left, static_cast<int>(clip.right) - left});
    const int firstY = std::max({0, -top, static_cast<int>(clip.top) - top});
    const int endY = std::min({height, target.height() - top, static_cast<int>(clip.bottom) - top});
    uint32_t* pixels = target.pixels();
    for (int y = firstY; y < endY; ++y) {
        uint32_t* row = pixels + static_cast<size_t>(top + y) * target.width();
        const uint32_t* kept = &keptBits_[static_cast<size_t>(y) * width];
        const uint32_t* added = &addedBits_[static_cast<size_t>(y) * width];
        for (int x = firstX; x < endX; ++x) {
            row[left + x] = (row[left + x] & kept[x]) | added[x];
        }
    }
    return true;
}
