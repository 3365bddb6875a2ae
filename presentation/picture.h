// A picture in memory that GDI draws into and the program also writes
// straight into: a top-down 32-bit DIB section (pixels 0x00RRGGBB, one row
// after another) with a memory context of its own.
#pragma once

#include <windows.h>

#include <cstdint>

class Picture {
  public:
    Picture() = default;
    ~Picture() { release(); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Makes the picture width x height; one of that size is kept as it is.
    // True when it was made anew (its pixels are then undefined); a failure
    // leaves no picture.
    bool resize(int width, int height);
    void release();

    bool exists() const { return bits_ != nullptr; }
    HDC context() const { return context_; }
    uint32_t* pixels() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Takes the pixels inside `part` from a picture of the same size.
    void copyPixelsFrom(const Picture& source, const RECT& part);

  private:
    HDC context_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
