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

// One menu entry: a command, a separator or a submenu. A null text accepts
// any non-empty text (the wording of the web-page items is free).
struct MenuEntry {
    enum Kind { Command, Separator, Submenu };
    Kind kind;
    const char* text;
    UINT id;
    std::vector<MenuEntry> items;
};

MenuEntry command(const char* text, UINT id) {
    return {MenuEntry::Command, text, id, {}};
}
MenuEntry separator() {
    return {MenuEntry::Separator, "", 0, {}};
}
MenuEntry submenu(const char* text, std::vector<MenuEntry> items) {
    return {MenuEntry::Submenu, text, 0, std::move(items)};
}

std::string itemText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

void expectMenu(HMENU menu, const std::vector<MenuEntry>& expected, const std::string& where) {
    ASSERT_NE(menu, nullptr) << where;
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size())) << where;
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        const MenuEntry& e = expected[static_cast<std::size_t>(i)];
        const std::string at = where + " item " + std::to_string(i);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) << at;
        EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, e.kind == MenuEntry::Separator) << at;
        EXPECT_EQ(info.hSubMenu != nullptr, e.kind == MenuEntry::Submenu) << at;
        const std::string text = itemText(menu, i);
        if (e.kind == MenuEntry::Command) {
            EXPECT_EQ(info.wID, e.id) << at;
        }
        if (e.kind != MenuEntry::Separator) {
            if (e.text != nullptr) {
                EXPECT_EQ(text, e.text) << at;
            } else {
                EXPECT_NE(text.find('&'), std::string::npos) << at << ": \"" << text << "\"";
            }
        }
        if (e.kind == MenuEntry::Submenu) {
            expectMenu(info.hSubMenu, e.items, at + " (" + text + ")");
        }
    }
}

TEST(MainMenu, HasTheGameViewAndHelpMenusWithEveryItemInOrder) {
    const std::vector<MenuEntry> bar = {
        submenu("&Game", {command("&Restart", IDM_RESTART), command("&Pause\tF2", IDM_PAUSE),
                          submenu("Op&tions", {command("&Display\tF3", IDM_DISPLAY_OPTIONS),
                                               command("&Game\tF4", IDM_GAME_OPTIONS)}),
                          command("The &Wall of Fame", IDM_WALL_OF_FAME), separator(),
                          command("&Open\tCtrl+O", IDM_OPEN), command("&Save\tCtrl+S", IDM_SAVE),
                          separator(), command("E&xit", IDM_EXIT)}),
        submenu("&View",
                {command("&Toolbar", IDM_TOOLBAR), command("&Status Bar", IDM_STATUS_BAR)}),
        submenu("&Help", {command("&About", IDM_ABOUT), command("&Help\tF1", IDM_HELP), separator(),
                          submenu(nullptr, {command("&Product's Home Page", IDM_WEB_PRODUCT),
                                            separator(), command(nullptr, IDM_WEB_EDITION_1),
                                            command(nullptr, IDM_WEB_EDITION_2), separator(),
                                            command(nullptr, IDM_WEB_MAKER)})})};
    HMENU menu = LoadMenuA(module(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    expectMenu(menu, bar, "menu bar");
    DestroyMenu(menu);
}

TEST(Accelerators, HoldTheSixKeysWithoutMenuHighlight) {
    HACCEL table = LoadAcceleratorsA(module(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 6);
    ACCEL entries[6] = {};
    ASSERT_EQ(CopyAcceleratorTableA(table, entries, 6), 6);
    const ACCEL expected[6] = {{FVIRTKEY | FNOINVERT, VK_F1, IDM_HELP},
                               {FVIRTKEY | FNOINVERT, VK_F2, IDM_PAUSE},
                               {FVIRTKEY | FNOINVERT, VK_F3, IDM_DISPLAY_OPTIONS},
                               {FVIRTKEY | FNOINVERT, VK_F4, IDM_GAME_OPTIONS},
                               {FNOINVERT, 15, IDM_OPEN},
                               {FNOINVERT, 19, IDM_SAVE}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(entries[i].fVirt & 0x7F, expected[i].fVirt) << i;  // 0x80 ends the table
        EXPECT_EQ(entries[i].key, expected[i].key) << i;
        EXPECT_EQ(entries[i].cmd, expected[i].cmd) << i;
    }
    DestroyAcceleratorTable(table);
}

struct LoadedBitmap {
    HBITMAP handle;
    BITMAP info;
};

LoadedBitmap loadFrame(int id) {
    LoadedBitmap b{static_cast<HBITMAP>(LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0,
                                                   0, LR_DEFAULTCOLOR)),
                   {}};
    if (b.handle != nullptr) {
        GetObjectA(b.handle, sizeof b.info, &b.info);
    }
    return b;
}

TEST(BallFrames, EveryFrameLoadsWithItsSize) {
    for (int id = IDB_BALL_FIRST; id <= IDB_BALL_LAST; ++id) {
        const LoadedBitmap b = loadFrame(id);
        ASSERT_NE(b.handle, nullptr) << id;
        const int size = (id == 115 || id == 123) ? 15 : 14;
        EXPECT_EQ(b.info.bmWidth, size) << id;
        EXPECT_EQ(b.info.bmHeight, size) << id;
        DeleteObject(b.handle);
    }
}

TEST(BallFrames, ClassicFramesReadBackWithTheirColours) {
    const COLORREF black = RGB(0, 0, 0), red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    const struct {
        int id, x, y;
        COLORREF colour;
    } points[] = {{110, 0, 0, black},   {110, 7, 7, red},    {110, 2, 7, red},
                  {112, 3, 7, red},     {112, 10, 7, white}, {114, 7, 7, white},
                  {114, 13, 13, black}, {116, 3, 7, white},  {116, 10, 7, red},
                  {115, 0, 0, black},   {115, 14, 7, red},   {115, 7, 7, white}};
    HDC dc = CreateCompatibleDC(nullptr);
    for (const auto& p : points) {
        const LoadedBitmap b = loadFrame(p.id);
        ASSERT_NE(b.handle, nullptr) << p.id;
        HGDIOBJ old = SelectObject(dc, b.handle);
        EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.id << " at " << p.x << "," << p.y;
        SelectObject(dc, old);
        DeleteObject(b.handle);
    }
    DeleteDC(dc);
}

TEST(Icons, EveryIconLoadsAtItsSizes) {
    const struct {
        int id;
        int size;
    } cases[] = {{IDI_ZEMBAL, 16},
                 {IDI_ZEMBAL, 32},
                 {IDI_ZEMBAL, 48},
                 {IDI_TOOL_EXIT, 16},
                 {IDI_TOOL_DISPLAY_OPTIONS, 16},
                 {IDI_TOOL_PLAY, 16},
                 {IDI_TOOL_PAUSE, 16},
                 {IDI_TOOL_OPEN, 16},
                 {IDI_TOOL_SAVE, 16},
                 {IDI_SAVE_HINT, 16},
                 {IDI_SAVE_HINT, 32}};
    for (const auto& c : cases) {
        HICON icon = static_cast<HICON>(LoadImageA(module(), MAKEINTRESOURCEA(c.id), IMAGE_ICON,
                                                   c.size, c.size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << c.id << " at " << c.size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << c.id;
        BITMAP colour{};
        ASSERT_NE(info.hbmColor, nullptr) << c.id;
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, c.size) << c.id;
        EXPECT_EQ(colour.bmHeight, c.size) << c.id;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(Sounds, EveryWaveResourceIsACompleteRiffWaveImage) {
    for (int id : {IDW_LEVEL_START, IDW_LEVEL_DONE, IDW_CLICK, IDW_LIFE_LOST}) {
        HRSRC found = FindResourceA(module(), MAKEINTRESOURCEA(id), "WAVE");
        ASSERT_NE(found, nullptr) << id;
        HGLOBAL loaded = LoadResource(module(), found);
        ASSERT_NE(loaded, nullptr) << id;
        const auto* bytes = static_cast<const unsigned char*>(LockResource(loaded));
        ASSERT_NE(bytes, nullptr) << id;
        const DWORD size = SizeofResource(module(), found);
        ASSERT_GE(size, 44u) << id;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 4), "RIFF") << id;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes) + 8, 4), "WAVE") << id;
        DWORD riffSize = 0;
        memcpy(&riffSize, bytes + 4, 4);
        EXPECT_EQ(riffSize + 8, size) << id;
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

// The click is the one compressed sound: the platform's own ADPCM decoder
// (the one sndPlaySoundA goes through) must turn it into the same samples
// as a decoder written from the format's description.
TEST(Sounds, PlatformDecodesTheClickLikeTheFormatSays) {
    const test_files::Bytes file = waveResource(IDW_CLICK);
    const auto chunks = test_files::riffChunks(file);
    const test_files::Chunk* fmt = test_files::findChunk(chunks, "fmt ");
    const test_files::Chunk* data = test_files::findChunk(chunks, "data");
    ASSERT_TRUE(fmt != nullptr && data != nullptr);
    ASSERT_EQ(test_files::u16(fmt->body, 0), WAVE_FORMAT_ADPCM);

    WAVEFORMATEX pcm{};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    pcm.nChannels = 2;
    pcm.nSamplesPerSec = 22050;
    pcm.wBitsPerSample = 16;
    pcm.nBlockAlign = 4;
    pcm.nAvgBytesPerSec = 22050 * 4;
    auto* adpcm = reinterpret_cast<WAVEFORMATEX*>(const_cast<std::uint8_t*>(fmt->body.data()));
    HACMSTREAM stream = nullptr;
    ASSERT_EQ(
        acmStreamOpen(&stream, nullptr, adpcm, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME),
        0u);
    std::vector<std::uint8_t> source(data->body);
    std::vector<std::int16_t> decoded(2 * 1012 + 64);
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof header;
    header.pbSrc = source.data();
    header.cbSrcLength = static_cast<DWORD>(source.size());
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

    test_files::AdpcmFormat format{2, 1024, {}};
    for (int i = 0; i < 7; ++i) {
        format.coefficients.push_back(
            {test_files::s16(fmt->body, 22 + 4 * i), test_files::s16(fmt->body, 24 + 4 * i)});
    }
    const auto expected = test_files::decodeMsAdpcm(data->body, format);
    ASSERT_EQ(expected.size(), decoded.size());
    int loud = 0;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        EXPECT_LE(std::abs(decoded[i] - expected[i]), 2) << "sample " << i;
        loud += std::abs(decoded[i]) > 3000 ? 1 : 0;
    }
    EXPECT_GT(loud, 20);
}

}  // namespace
