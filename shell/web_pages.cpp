// The Help menu's web pages, opened through the system's URL handler.
#include "resources/resource.h"
#include "shell/frame.h"
#include "shell/shell_texts.h"

namespace {

struct WebPage {
    int command;
    const char* commandLine;
};

constexpr WebPage kWebPages[] = {
    {IDM_WEB_PRODUCT, shellTexts::kProductPage},
    {IDM_WEB_EDITION_1, shellTexts::kLinuxEditionPage},
    {IDM_WEB_EDITION_2, shellTexts::kSourceEditionPage},
    {IDM_WEB_MAKER, shellTexts::kMakerPage},
};

}  // namespace

const char* webPageCommandLine(int command) {
    for (const WebPage& page : kWebPages) {
        if (page.command == command) {
            return page.commandLine;
        }
    }
    return nullptr;
}
