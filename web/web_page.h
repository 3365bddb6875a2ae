// What the C++ half of the browser edition asks of its page (web/site):
// each function is written in JavaScript in web_page.cpp and calls the
// page's script. Texts cross as bytes of the Windows code page, as the
// Windows edition holds them.
#pragma once

#include <cstdint>

extern "C" {
// The field's picture: `rgba` holds width x height pixels as the canvas
// takes them (red, green, blue, alpha bytes).
void pageDrawField(const uint32_t* rgba, int width, int height);
// The three information lines, each "left\tmiddle", joined by "\n".
void pageShowInformation(const char* lines);
void pageShowStatus(const char* text);
void pageShowPaused(int paused);
void pageShowOrientation(int horizontal);
void pagePlaySound(int sound);
void pageEndProgram();

// Boxes captioned "Zembal": kind 0 information, 1 question, 2 fatal.
// Waits for the player; 1 when a question was answered Yes.
int pageShowBox(int kind, const char* text);

// Dialogs, by the id of their element in the page. A dialog opened over
// another one leaves that one on screen behind it.
void pageOpenDialog(const char* dialog);
// Waits for the player: 1 accept, 2 cancel (Escape, the close box), or the
// number a button of the dialog carries.
int pageWaitDialog(const char* dialog);
void pageCloseDialog(const char* dialog);
// The controls of the open dialogs, by their element ids.
void pageSetText(const char* control, const char* text);
// Copies the control's text, cut to size - 1 bytes.
void pageGetText(const char* control, char* buffer, int size);
void pageSetChecked(const char* control, int checked);
int pageGetChecked(const char* control);
void pageSetEnabled(const char* control, int enabled);
// A drop-down list: its entries joined by "\n", and the selected position
// (-1: none).
void pageSetList(const char* control, const char* entries, int selected);
int pageGetSelected(const char* control);
void pageFocus(const char* control);

// The browser's storage: a file of the game kept under its path. False when
// the storage refuses it (blocked, full).
int pageStoreFile(const char* path, const char* bytes, int size, const char* date);
void pageForgetFile(const char* path);
// The stored date of a file, "day month year", into buffer; 0 when none.
int pageFileDate(const char* path, char* buffer, int size);
// Offers the bytes as a download named `name`.
void pageDownload(const char* name, const char* bytes, int size);
}
