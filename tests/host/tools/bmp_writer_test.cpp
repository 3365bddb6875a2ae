#include "tools/assets/bmp_writer.h"

#include <gtest/gtest.h>

#include "tests/host/tools/file_fields.h"

using namespace test_files;

namespace {

// A 3 x 2 picture: odd width, so every row needs 3 bytes of padding.
assets::Image smallPicture() {
    assets::Image image(3, 2);
    image.set(0, 0, assets::rgb(10, 20, 30));
    image.set(1, 0, assets::rgb(40, 50, 60));
    image.set(2, 0, assets::rgb(70, 80, 90));
    image.set(0, 1, assets::rgb(255, 0, 0));
    image.set(1, 1, assets::rgb(0, 255, 0));
    image.set(2, 1, assets::rgb(0, 0, 255));
    return image;
}

TEST(BmpWriter, HeadersDescribeAnUncompressed24BitBottomUpBitmap) {
    const Bytes file = assets::writeBmp(smallPicture());
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(u32(file, 2), file.size());
    EXPECT_EQ(u32(file, 6), 0u);
    EXPECT_EQ(u32(file, 10), 54u);
    EXPECT_EQ(u32(file, 14), 40u);
    EXPECT_EQ(s32(file, 18), 3);
    EXPECT_EQ(s32(file, 22), 2);  // positive height: bottom row first
    EXPECT_EQ(u16(file, 26), 1u);
    EXPECT_EQ(u16(file, 28), 24u);
    EXPECT_EQ(u32(file, 30), 0u);
    EXPECT_EQ(u32(file, 34), 24u);
}

TEST(BmpWriter, StoresTheBottomRowFirstInBlueGreenRedOrderWithZeroPadding) {
    const Bytes file = assets::writeBmp(smallPicture());
    const Bytes bottomRow = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
    const Bytes topRow = {30, 20, 10, 60, 50, 40, 90, 80, 70, 0, 0, 0};
    EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 66), bottomRow);
    EXPECT_EQ(Bytes(file.begin() + 66, file.end()), topRow);
}

TEST(BmpWriter, RowsArePaddedToFourBytes) {
    const struct {
        int width;
        int rowBytes;
    } cases[] = {{1, 4}, {4, 12}, {14, 44}, {15, 48}, {16, 48}};
    for (const auto& c : cases) {
        EXPECT_EQ(assets::bmpRowBytes(c.width), c.rowBytes) << "width " << c.width;
        const Bytes file = assets::writeBmp(assets::Image(c.width, 5));
        EXPECT_EQ(file.size(), 54u + 5u * c.rowBytes) << "width " << c.width;
    }
}

}  // namespace
