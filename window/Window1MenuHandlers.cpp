#include "Window1.h"

#include "Globals.h"
#include "Printing.h"
#include "WindowRegistry.h"

namespace {

// Reached by class name: the about window belongs to the application shell, which builds on
// this window and registers the class at start-up.
constexpr const char* kAboutWindowClass = "Window2.Window2";

} // namespace

void Window1::AddMenuHandlers(Window& window) {
    window.AddMenuHandler("aboutItem", [this] { return aboutItem_Action(); });
    window.AddMenuHandler("FilePageSetup", [this] { return FilePageSetup_Action(); });
    window.AddMenuHandler("FilePrint", [this] { return FilePrint_Action(); });
}

bool Window1::aboutItem_Action() {
    ImplicitWindow(kAboutWindowClass).Show();
    return false;
}

bool Window1::FilePageSetup_Action() {
    if (Globals::myPrinterSetup == nullptr) {
        throw NilObjectException("NilObjectException: Page Setup before the page set-up exists");
    }
    if (Globals::myPrinterSetup->PageSetupDialog(nullptr)) {
        Globals::printerSetupDone = true;
    }
    return false;
}

bool Window1::FilePrint_Action() {
    PrinterSetup* setup = Globals::printerSetupDone ? Globals::myPrinterSetup.get() : nullptr;
    // One page, named after this window: the page's drawing context finishes the job when it
    // goes.
    if (std::unique_ptr<Graphics> page =
            OpenPrinterDialog(setup, nullptr, static_cast<double>(Globals::gw),
                              static_cast<double>(Globals::gh), Title())) {
        Globals::Print(*page);
    }
    return false;
}
