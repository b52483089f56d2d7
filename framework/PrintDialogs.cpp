#include "PrintDialogs.h"

#include <QDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace {

class SystemPrintDialogs : public PrintDialogs {
  public:
    bool RunPageSetup(QPrinter& printer, QWidget* parent) override {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    bool RunPrint(QPrinter& printer, QWidget* parent) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

std::unique_ptr<PrintDialogs>& Installed() {
    static std::unique_ptr<PrintDialogs> dialogs = std::make_unique<SystemPrintDialogs>();
    return dialogs;
}

} // namespace

PrintDialogs& CurrentPrintDialogs() {
    return *Installed();
}

std::unique_ptr<PrintDialogs> SetPrintDialogs(std::unique_ptr<PrintDialogs> dialogs) {
    if (!dialogs) {
        dialogs = std::make_unique<SystemPrintDialogs>();
    }
    Installed().swap(dialogs);
    return dialogs;
}
