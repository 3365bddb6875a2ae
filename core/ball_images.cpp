#include "core/ball_images.h"

#include <array>

#include "core/ball_image_files.h"
#include "core/bmp_reader.h"

BallImage ballImageFrom(int width, int height, const std::vector<uint32_t>& pixels) {
    BallImage image;
    if (width < 1 || height < 1 || pixels.size() != static_cast<size_t>(width) * height) {
        return image;
    }
    image.width = width;
    image.height = height;
    const uint32_t key = pixels[0];
    for (const uint32_t pixel : pixels) {
        image.kept.push_back(pixel == key ? 0xFFFFFFFF : 0);
        image.added.push_back(pixel == key ? 0 : pixel);
    }
    return image;
}

const BallImage* ballImage(int index) {
    // Read once, on first use.
    static const std::array<BallImage, kBallImageCount> images = [] {
        std::array<BallImage, kBallImageCount> read;
        for (int i = 0; i < kBallImageCount && i < kBallImageFileCount; ++i) {
            BitmapImage bitmap;
            if (readBmp(kBallImageFiles[i].bytes, kBallImageFiles[i].size, bitmap)) {
                read[i] = ballImageFrom(bitmap.width, bitmap.height, bitmap.pixels);
            }
        }
        return read;
    }();
    if (index < 0 || index >= kBallImageCount || images[index].width == 0) {
        return nullptr;
    }
    return &images[index];
}

PixelBox ballBox(const BallImage& image, int cx, int cy) {
    const int left = cx - image.width / 2;
    const int top = cy - image.height / 2;
    return PixelBox{left, top, left + image.width, top + image.height};
}

void composeBall(PixelBuffer target, const BallImage& image, int cx, int cy, const PixelBox& clip) {
    const PixelBox box = ballBox(image, cx, cy);
    const PixelBox part = meeting(meeting(box, clip), PixelBox{0, 0, target.width, target.height});
    for (int y = part.top; y < part.bottom; ++y) {
        uint32_t* row = target.pixels + static_cast<size_t>(y) * target.width;
        const int from = (y - box.top) * image.width - box.left;  // the frame's pixel at x
        for (int x = part.left; x < part.right; ++x) {
            row[x] = (row[x] & image.kept[from + x]) | image.added[from + x];
        }
    }
}
