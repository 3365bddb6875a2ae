#include "shell/kit/kit_classes.h"

void registerKitClasses(HINSTANCE instance) {
    // A class that exists already stays as it is; that is not an error here.
    registerPanelClass(instance);
    registerToolTipClass(instance);
}
