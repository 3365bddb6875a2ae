// One ball frame: a bitmap from the program's resources drawn with
// transparent surroundings through a monochrome mask.
#pragma once

#include <windows.h>

#include <cstdint>

class Sprite {
  public:
    Sprite() = default;
    ~Sprite() { release(); }
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Fails when the low 16 bits of id are 0.
    bool loadResource(HINSTANCE instance, UINT id);
    bool loadNamed(HINSTANCE instance, LPCSTR name);
    // Draws a bitmap the caller keeps owning (ownsBitmap stays 0).
    bool useBitmap(HBITMAP source);

    bool prepareContext(HDC target);
    // A negative keyX or keyY takes keyColour itself as the transparent
    // colour; otherwise the colour of the pixel at (keyX, keyY).
    void makeMask(COLORREF keyColour, int keyX, int keyY);
    bool draw(HDC target, int x, int y);
    // The first drawing builds the mask from the pixel at (0, 0).
    bool drawCentred(HDC target, int cx, int cy);
    void release();

    int width() const { return info.bmWidth; }
    int height() const { return info.bmHeight; }

    BITMAP info = {};
    HBITMAP bitmap = nullptr;
    HGDIOBJ savedObject = nullptr;
    HBITMAP mask = nullptr;
    HDC memoryContext = nullptr;
    int32_t ownsBitmap = 0;

  private:
    void reset();
};
