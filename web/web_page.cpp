// The page's side of web_page.h: each function hands over to the page's
// script, window.zembalPage (web/site/zembal.js).
#include "web/web_page.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, pageDrawField, (const uint32_t* rgba, int width, int height), {
    zembalPage.drawField(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});
EM_JS(void, pageShowInformation, (const char* lines), {
    zembalPage.showInformation(zembalPage.text(HEAPU8, lines));
});
EM_JS(void, pageShowStatus, (const char* text), { zembalPage.showStatus(zembalPage.text(HEAPU8, text)); });
EM_JS(void, pageShowPaused, (int paused), { zembalPage.showPaused(paused != 0); });
EM_JS(void, pageShowOrientation, (int horizontal), {
    zembalPage.showOrientation(horizontal != 0);
});
EM_JS(void, pagePlaySound, (int sound), { zembalPage.playSound(sound); });
EM_JS(void, pageEndProgram, (), { zembalPage.endProgram(); });
EM_ASYNC_JS(int, waitForBox, (int kind, const char* text), {
    return await zembalPage.showBox(kind, zembalPage.text(HEAPU8, text));
});
EM_JS(void, pageOpenDialog, (const char* dialog), {
    zembalPage.openDialog(UTF8ToString(dialog));
});
EM_ASYNC_JS(int, waitForDialog, (const char* dialog), {
    return await zembalPage.waitDialog(UTF8ToString(dialog));
});
EM_JS(void, pageCloseDialog, (const char* dialog), {
    zembalPage.closeDialog(UTF8ToString(dialog));
});
EM_JS(void, pageSetText, (const char* control, const char* text), {
    zembalPage.setText(UTF8ToString(control), zembalPage.text(HEAPU8, text));
});
EM_JS(void, pageGetText, (const char* control, char* buffer, int size), {
    zembalPage.putBytes(HEAPU8, zembalPage.getText(UTF8ToString(control)), buffer, size);
});
EM_JS(void, pageSetChecked, (const char* control, int checked), {
    zembalPage.control(UTF8ToString(control)).checked = checked != 0;
});
EM_JS(int, pageGetChecked, (const char* control), {
    return zembalPage.control(UTF8ToString(control)).checked ? 1 : 0;
});
EM_JS(void, pageSetEnabled, (const char* control, int enabled), {
    zembalPage.control(UTF8ToString(control)).disabled = enabled == 0;
});
EM_JS(void, pageSetList, (const char* control, const char* entries, int selected), {
    zembalPage.setList(UTF8ToString(control), zembalPage.text(HEAPU8, entries).split("\n"), selected);
});
EM_JS(int, pageGetSelected, (const char* control), {
    return zembalPage.control(UTF8ToString(control)).selectedIndex;
});
EM_JS(void, pageFocus, (const char* control), { zembalPage.control(UTF8ToString(control)).focus(); });
EM_JS(int, pageStoreFile, (const char* path, const char* bytes, int size, const char* date), {
    return zembalPage.storeFile(UTF8ToString(path), HEAPU8.slice(bytes, bytes + size),
                                UTF8ToString(date)) ? 1 : 0;
});
EM_JS(void, pageForgetFile, (const char* path), { zembalPage.forgetFile(UTF8ToString(path)); });
EM_JS(int, pageFileDate, (const char* path, char* buffer, int size), {
    const date = zembalPage.fileDate(UTF8ToString(path));
    if (!date) return 0;
    zembalPage.putBytes(HEAPU8, date, buffer, size);
    return 1;
});
EM_JS(void, pageDownload, (const char* name, const char* bytes, int size), {
    zembalPage.download(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size));
});
// clang-format on

// The waits are imported under names of their own, which only this file's
// declarations carry.
int pageShowBox(int kind, const char* text) {
    return waitForBox(kind, text);
}

int pageWaitDialog(const char* dialog) {
    return waitForDialog(dialog);
}
