#include "shell/frame.h"

#include "persistence/win32_binding.h"
#include "presentation/game_door.h"
#include "presentation/process_state.h"
#include "resources/resource.h"
#include "shell/kit/kit_classes.h"
#include "shell/shell_texts.h"

HWND gameViewWindow = nullptr;

namespace {

void openGameDialog(DialogKind dialog) {
    if (GameDoor* game = gameDoor()) {
        game->openDialog(dialog);
    }
}

void openWebPage(int command) {
    const char* commandLine = webPageCommandLine(command);
    if (commandLine != nullptr) {
        WinExec(commandLine, SW_HIDE);
    }
}

// Only the whole command word is compared: accelerator commands carry
// notification code 1 and so always go on to the game view.
void onFrameCommand(HWND frameWindow, WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
        case IDM_EXIT:
            DestroyWindow(frameWindow);
            break;
        case IDM_ABOUT:
            openGameDialog(DialogKind::kAbout);
            break;
        case IDM_PAUSE:
            if (GameDoor* game = gameDoor()) {
                game->togglePause();
            }
            break;
        case IDM_WEB_MAKER:
        case IDM_WEB_PRODUCT:
        case IDM_WEB_EDITION_1:
        case IDM_WEB_EDITION_2:
            openWebPage(static_cast<int>(wParam));
            break;
        case IDM_WALL_OF_FAME:
            openGameDialog(DialogKind::kWallOfFame);
            break;
        case IDM_DISPLAY_OPTIONS:
            openGameDialog(DialogKind::kDisplayOptions);
            break;
        case IDM_GAME_OPTIONS:
            openGameDialog(DialogKind::kGameOptions);
            break;
        case IDM_HELP:
            openGameDialog(DialogKind::kHelp);
            break;
        default:
            forwardToGameView(WM_COMMAND, wParam, lParam);
            break;
    }
}

}  // namespace

// WM_DPICHANGED, which older SDK headers lack.
constexpr UINT kDpiChangedMessage = 0x02E0;

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            gameViewWindow = createGameView(nullptr, window);
            return 0;
        case WM_DESTROY:
            gameViewWindow = nullptr;
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
        case WM_KEYDOWN:
        case WM_CHAR:
        case kDpiChangedMessage:
            // The game view lays the frame out anew for a screen of
            // another scale.
            forwardToGameView(message, wParam, lParam);
            return 0;
        case WM_COMMAND:
            onFrameCommand(window, wParam, lParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void forwardToGameView(UINT message, WPARAM wParam, LPARAM lParam) {
    if (gameViewWindow != nullptr) {
        SendMessageA(gameViewWindow, message, wParam, lParam);
    }
}

HWND createGameView(HINSTANCE instance, HWND parent) {
    if (instance == nullptr && parent != nullptr) {
        instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    }
    registerGameViewClass(instance);
    registerPanelClass(instance);
    registerToolTipClass(instance);
    if (parent == nullptr) {
        return CreateWindowExA(WS_EX_CONTROLPARENT, kGameViewClassName, shellTexts::kFrameTitle,
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    }
    RECT client = {};
    GetClientRect(parent, &client);
    return CreateWindowExA(WS_EX_CONTROLPARENT, kGameViewClassName, "",
                           WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, client.right, client.bottom,
                           parent, nullptr, instance, nullptr);
}

void registerFrameClass(HINSTANCE instance) {
    WNDCLASSA frameClass = {};
    frameClass.style = CS_HREDRAW | CS_VREDRAW;
    frameClass.lpfnWndProc = frameProc;
    frameClass.hInstance = instance;
    frameClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZEMBAL));
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    frameClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    frameClass.lpszClassName = kFrameClassName;
    RegisterClassA(&frameClass);
}

HWND createFrame(HINSTANCE instance) {
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    return CreateWindowExA(0, kFrameClassName, shellTexts::kFrameTitle,
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, (desktop.right - kFrameWidth) / 2,
                           (desktop.bottom - kFrameHeight) / 2, kFrameWidth, kFrameHeight, nullptr,
                           nullptr, instance, nullptr);
}

void processMessage(HWND frameWindow, HACCEL accelerators, MSG& message) {
    if (accelerators != nullptr &&
        TranslateAcceleratorA(frameWindow, accelerators, &message) != 0) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop(HWND frameWindow, HACCEL accelerators) {
    MSG message = {};
    // A failed read (-1) is handled like a message; only the quit ends it.
    while (GetMessageA(&message, nullptr, 0, 0) != 0) {
        processMessage(frameWindow, accelerators, message);
    }
    return static_cast<int>(message.wParam);
}

int runProgram(HINSTANCE instance, HINSTANCE previousInstance, int showCommand) {
    programInstance = instance;
    // The player's settings live in their own application data folder.
    setSettingsFilesProvider(win32SettingsFiles);
    if (previousInstance == nullptr) {
        registerFrameClass(instance);
    }
    HWND frameWindow = createFrame(instance);
    if (frameWindow == nullptr) {
        return 1;  // no window would ever end the message loop
    }
    ShowWindow(frameWindow, showCommand);
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    return runMessageLoop(frameWindow, accelerators);
}
