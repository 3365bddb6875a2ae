// The resources linked into the program, read back through the platform's
// own loaders: the menu bar, the accelerators, the ball frames, the icons
// and the WAVE sounds.
#include <windows.h>
#include <mmreg.h>
#include <msacm.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/host/tools/ms_adpcm_decoder.h"

namespace {

HINSTANCE module() {
    return GetModuleHandleA(nullptr);
}

// The items as "text id", "-" for a separator, "text(items)" for a submenu,
// separated by "|".
std::string listMenu(HMENU menu) {
    std::string list;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        list += i > 0 ? "|" : "";
        if (info.fType & MFT_SEPARATOR) {
            list += "-";
        } else if (info.hSubMenu != nullptr) {
            list += std::string(text) + "(" + listMenu(info.hSubMenu) + ")";
        } else {
            list += std::string(text) + " " + std::to_string(info.wID);
        }
    }
    return list;
}

TEST(MainMenu, HasTheGameViewAndHelpMenusWithEveryItemInOrder) {
    HMENU menu = LoadMenuA(module(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(
        listMenu(menu),
        "&Game(&Restart 40010|&Pause\tF2 40006|Op&tions(&Display\tF3 40012|&Game\tF4 40013)|"
        "The &Wall of Fame 40009|-|&Open\tCtrl+O 40019|&Save\tCtrl+S 40018|-|E&xit 8)|"
        "&View(&Toolbar 40016|&Status Bar 40017)|"
        "&Help(&About 40002|&Help\tF1 40014|-|Zembal on the &Web(&Product's Home Page 40008|-|"
        "Zembal for &Linux 40011|Zembal for Pocket &Devices 40015|-|"
        "The &Maker's Home Page 40007))");
    DestroyMenu(menu);
}

TEST(Accelerators, HoldTheSixKeysWithoutMenuHighlight) {
    const ACCEL expected[] = {{FVIRTKEY | FNOINVERT, VK_F1, 40014},
                              {FVIRTKEY | FNOINVERT, VK_F2, 40006},
                              {FVIRTKEY | FNOINVERT, VK_F3, 40012},
                              {FVIRTKEY | FNOINVERT, VK_F4, 40013},
                              {FNOINVERT, 15, 40019},   // Ctrl+O
                              {FNOINVERT, 19, 40018}};  // Ctrl+S
    HACCEL table = LoadAcceleratorsA(module(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[8] = {};
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 8), 6);
    DestroyAcceleratorTable(table);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(entries[i].fVirt & 0x7F, expected[i].fVirt) << i;  // 0x80 ends the table
        EXPECT_EQ(entries[i].key, expected[i].key) << i;
        EXPECT_EQ(entries[i].cmd, expected[i].cmd) << i;
    }
}

// Every frame loads at its size; the Classic ones read back with their
// colours (black key corner, red and white halves).
TEST(BallFrames, EveryFrameLoadsWithItsSizeAndColours) {
    const COLORREF black = RGB(0, 0, 0), red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    const struct {
        int id, x, y;
        COLORREF colour;
    } points[] = {{110, 0, 0, black},   {110, 7, 7, red},    {110, 2, 7, red},
                  {112, 3, 7, red},     {112, 10, 7, white}, {114, 7, 7, white},
                  {114, 13, 13, black}, {116, 3, 7, white},  {116, 10, 7, red},
                  {115, 0, 0, black},   {115, 14, 7, red},   {115, 7, 7, white}};
    HDC dc = CreateCompatibleDC(nullptr);
    for (int id = 110; id <= 139; ++id) {
        HBITMAP frame = static_cast<HBITMAP>(
            LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        ASSERT_NE(frame, nullptr) << id;
        BITMAP info{};
        GetObjectA(frame, sizeof info, &info);
        const int size = (id == 115 || id == 123) ? 15 : 14;
        EXPECT_EQ(info.bmWidth, size) << id;
        EXPECT_EQ(info.bmHeight, size) << id;
        HGDIOBJ old = SelectObject(dc, frame);
        for (const auto& p : points) {
            if (p.id == id) {
                EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << id << " at " << p.x << "," << p.y;
            }
        }
        SelectObject(dc, old);
        DeleteObject(frame);
    }
    DeleteDC(dc);
}

// Each icon group holds an image of exactly each size the program asks
// for, so the platform never has to scale one.
TEST(Icons, EveryIconHoldsItsSizes) {
    const struct {
        int id;
        std::vector<int> sizes;
    } cases[] = {{102, {16, 32, 48}}, {134, {16}}, {135, {16}}, {136, {16}},
                 {137, {16}},         {146, {32}}, {148, {16}}, {149, {16}}};
    for (const auto& c : cases) {
        HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(c.id), RT_GROUP_ICON);
        ASSERT_NE(found, nullptr) << c.id;
        const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module(), found)));
        std::vector<int> sizes;  // each entry: 14 bytes after a 6-byte header
        for (int i = 0; i < (group[4] | group[5] << 8); ++i) {
            sizes.push_back(group[6 + 14 * i]);
        }
        EXPECT_EQ(sizes, c.sizes) << c.id;
        EXPECT_NE(LoadIconA(module(), MAKEINTRESOURCEA(c.id)), nullptr) << c.id;
    }
}

test_files::Bytes waveResource(int id) {
    HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(id), "WAVE");
    if (found == nullptr) {
        return {};
    }
    const auto* bytes =
        static_cast<const unsigned char*>(LockResource(LoadResource(module(), found)));
    return test_files::Bytes(bytes, bytes + SizeofResource(module(), found));
}

// Every sound is a whole RIFF WAVE image with its format and its samples.
TEST(Sounds, EveryWaveResourceIsACompleteRiffWaveImage) {
    for (int id : {139, 140, 141, 142}) {
        const auto chunks = test_files::riffChunks(waveResource(id));
        EXPECT_EQ(chunks.count("fmt ") + chunks.count("data"), 2u) << id;
    }
}

// The click is the one compressed sound: the platform's own ADPCM decoder
// (the one sndPlaySoundA goes through) must turn its one 1024-byte block
// into the same 1012 stereo samples as a decoder written from the format's
// description.
TEST(Sounds, PlatformDecodesTheClickLikeTheFormatSays) {
    auto chunks = test_files::riffChunks(waveResource(IDW_CLICK));
    const test_files::Bytes& fmt = chunks["fmt "];
    test_files::Bytes& data = chunks["data"];
    ASSERT_GE(fmt.size(), 50u);
    ASSERT_EQ(test_files::u16(fmt, 0), WAVE_FORMAT_ADPCM);

    WAVEFORMATEX pcm{WAVE_FORMAT_PCM, 2, 22050, 22050 * 4, 4, 16, 0};
    auto* adpcm = reinterpret_cast<WAVEFORMATEX*>(const_cast<std::uint8_t*>(fmt.data()));
    HACMSTREAM stream = nullptr;
    ASSERT_EQ(
        acmStreamOpen(&stream, nullptr, adpcm, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME),
        0u);
    std::vector<std::int16_t> decoded(2 * 1012 + 64);
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof header;
    header.pbSrc = data.data();
    header.cbSrcLength = static_cast<DWORD>(data.size());
    header.pbDst = reinterpret_cast<LPBYTE>(decoded.data());
    header.cbDstLength = static_cast<DWORD>(decoded.size() * 2);
    ASSERT_EQ(acmStreamPrepareHeader(stream, &header, 0), 0u);
    EXPECT_EQ(acmStreamConvert(stream, &header,
                               ACM_STREAMCONVERTF_BLOCKALIGN | ACM_STREAMCONVERTF_START |
                                   ACM_STREAMCONVERTF_END),
              0u);
    acmStreamUnprepareHeader(stream, &header, 0);
    acmStreamClose(stream, 0);
    EXPECT_EQ(header.cbSrcLengthUsed, 1024u);
    ASSERT_EQ(header.cbDstLengthUsed, 1012u * 4);
    decoded.resize(2 * 1012);

    std::vector<std::pair<int, int>> coefficients;
    for (int i = 0; i < 7; ++i) {
        coefficients.emplace_back(test_files::s16(fmt, 22 + 4 * i),
                                  test_files::s16(fmt, 24 + 4 * i));
    }
    const auto expected = test_files::decodeMsAdpcm(data, 2, 1024, coefficients);
    ASSERT_EQ(expected.size(), decoded.size());
    int loud = 0;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        EXPECT_LE(std::abs(decoded[i] - expected[i]), 2) << "sample " << i;
        loud += std::abs(decoded[i]) > 3000 ? 1 : 0;
    }
    EXPECT_GT(loud, 20);
}

}  // namespace
