// The Help menu's web pages, opened through the system's URL handler.
#include "shell/frame.h"
#include "resources/resource.h"

namespace {

struct WebPage {
    int command;
    const char* commandLine;
};

#define ZEMBAL_URL_HANDLER "rundll32 url.dll,FileProtocolHandler "

constexpr WebPage kWebPages[] = {
    {IDM_WEB_PRODUCT, ZEMBAL_URL_HANDLER "https://zembal.example.org/"},
    {IDM_WEB_EDITION_1, ZEMBAL_URL_HANDLER "https://zembal.example.org/linux/"},
    {IDM_WEB_EDITION_2, ZEMBAL_URL_HANDLER "https://zembal.example.org/source/"},
    {IDM_WEB_MAKER, ZEMBAL_URL_HANDLER "https://zembal.example.org/team/"},
};

#undef ZEMBAL_URL_HANDLER

}  // namespace

const char* webPageCommandLine(int command) {
    for (const WebPage& page : kWebPages) {
        if (page.command == command) {
            return page.commandLine;
        }
    }
    return nullptr;
}
