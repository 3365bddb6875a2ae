#include "tools/assets/ico_writer.h"

#include <gtest/gtest.h>

#include <map>

#include "tools/assets/icons.h"
#include "tests/host/tools/file_fields.h"

using namespace test_files;

namespace {

constexpr std::size_t kEntry = 16;

struct Entry {
    unsigned width, height, planes, bits;
    std::uint32_t bytes, offset;
};

Entry entry(const Bytes& file, int index) {
    const std::size_t at = 6 + kEntry * static_cast<std::size_t>(index);
    return {file.at(at),       file.at(at + 1),   u16(file, at + 4),
            u16(file, at + 6), u32(file, at + 8), u32(file, at + 12)};
}

TEST(IcoWriter, DirectoryListsEveryImageWithItsSizeAndPlace) {
    const Bytes file = assets::writeIco({assets::Image(16, 16), assets::Image(32, 32)});
    EXPECT_EQ(u16(file, 0), 0u);
    EXPECT_EQ(u16(file, 2), 1u);  // an icon
    ASSERT_EQ(u16(file, 4), 2u);
    const Entry small = entry(file, 0);
    const Entry large = entry(file, 1);
    EXPECT_EQ(small.width, 16u);
    EXPECT_EQ(small.height, 16u);
    EXPECT_EQ(small.planes, 1u);
    EXPECT_EQ(small.bits, 32u);
    EXPECT_EQ(small.bytes, 40u + 16 * 16 * 4 + 16 * 4);  // header, BGRA, mask rows of 4 bytes
    EXPECT_EQ(small.offset, 6u + 2 * kEntry);
    EXPECT_EQ(large.width, 32u);
    EXPECT_EQ(large.bytes, 40u + 32 * 32 * 4 + 32 * 4);
    EXPECT_EQ(large.offset, small.offset + small.bytes);
    EXPECT_EQ(file.size(), large.offset + large.bytes);
}

TEST(IcoWriter, ImageHeaderCountsColourAndMaskRows) {
    const Bytes file = assets::writeIco({assets::Image(48, 48)});
    const std::uint32_t at = entry(file, 0).offset;
    EXPECT_EQ(u32(file, at), 40u);
    EXPECT_EQ(s32(file, at + 4), 48);
    EXPECT_EQ(s32(file, at + 8), 96);  // twice the height: colours and mask
    EXPECT_EQ(u16(file, at + 12), 1u);
    EXPECT_EQ(u16(file, at + 14), 32u);
    EXPECT_EQ(u32(file, at + 16), 0u);
    EXPECT_EQ(entry(file, 0).bytes, 40u + 48 * 48 * 4 + 48 * 8);
}

TEST(IcoWriter, MaskMarksExactlyTheTransparentPixels) {
    assets::Image image(16, 16);             // transparent
    image.set(0, 0, assets::rgb(1, 2, 3));   // top-left: opaque
    image.set(9, 15, assets::rgb(4, 5, 6));  // bottom row: opaque
    const Bytes file = assets::writeIco({image});
    const std::uint32_t colours = entry(file, 0).offset + 40;
    const std::uint32_t mask = colours + 16 * 16 * 4;
    // Bottom row first in both parts.
    const std::uint32_t bottomRowPixel9 = colours + 9 * 4;
    EXPECT_EQ(file[bottomRowPixel9], 6);  // blue
    EXPECT_EQ(file[bottomRowPixel9 + 1], 5);
    EXPECT_EQ(file[bottomRowPixel9 + 2], 4);
    EXPECT_EQ(file[bottomRowPixel9 + 3], 255);
    EXPECT_EQ(file[mask + 0], 0xFF);  // bottom row, pixels 0..7 transparent
    EXPECT_EQ(file[mask + 1], 0xBF);  // pixel 9 opaque
    const std::uint32_t topRowMask = mask + 15 * 4;
    EXPECT_EQ(file[topRowMask], 0x7F);  // pixel 0 opaque
    EXPECT_EQ(file[topRowMask + 1], 0xFF);
}

TEST(Icons, EachIconHasTheSizesTheProgramLoads) {
    const std::map<int, std::vector<int>> expected = {{102, {16, 32, 48}}, {134, {16}}, {135, {16}},
                                                      {136, {16}},         {137, {16}}, {146, {32}},
                                                      {148, {16}},         {149, {16}}};
    std::map<int, std::vector<int>> actual;
    for (const assets::IconPictures& icon : assets::icons()) {
        const Bytes file = assets::writeIco(icon.images);
        for (unsigned i = 0; i < u16(file, 4); ++i) {
            const Entry e = entry(file, static_cast<int>(i));
            EXPECT_EQ(e.width, e.height) << icon.id;
            actual[icon.id].push_back(static_cast<int>(e.width));
        }
    }
    EXPECT_EQ(actual, expected);
}

TEST(Icons, EveryPictureHasBothDrawnAndTransparentOrFramedParts) {
    for (const assets::IconPictures& icon : assets::icons()) {
        for (const assets::Image& image : icon.images) {
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    opaque += image.at(x, y).a == 255 ? 1 : 0;
                }
            }
            const int all = image.width() * image.height();
            EXPECT_GT(opaque, all / 5) << icon.id << " " << image.width();
            if (icon.id != 102) {  // the program icon fills its square
                EXPECT_LT(opaque, all) << icon.id;
            }
        }
    }
}

}  // namespace
