#include "Window1.h"

void Window1::AddMenuHandlers(Window& window) {
    window.AddMenuHandler("aboutItem", [this] { return aboutItem_Action(); });
    window.AddMenuHandler("FilePageSetup", [this] { return FilePageSetup_Action(); });
    window.AddMenuHandler("FilePrint", [this] { return FilePrint_Action(); });
}

bool Window1::aboutItem_Action() {
    return false;
}

bool Window1::FilePageSetup_Action() {
    return false;
}

bool Window1::FilePrint_Action() {
    return false;
}
