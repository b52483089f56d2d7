#include "PrintDialogs.h"

#include "PageChoice.h"

#include <QChildEvent>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace {

// Qt's page set-up widget (in the page set-up dialog and in the print dialog's properties)
// starts a printer queue's list of paper sizes at the queue's default, whatever the printer's
// page size is. This selects the printer's size in that list again, where the list offers it.
void ShowPaperSize(QWidget& dialog, const QPageSize& size) {
    auto* sizes = dialog.findChild<QComboBox*>("pageSizeCombo");
    if (sizes == nullptr) {
        return;
    }
    // The same entry where the list has it, else the first of the same dimensions: a queue
    // lists "US Letter" and "ANSI A" alike.
    int same = -1;
    for (int i = sizes->count() - 1; i >= 0; --i) {
        const QVariant item = sizes->itemData(i);
        if (!item.canConvert<QPageSize>()) {
            continue;
        }
        const QPageSize listed = item.value<QPageSize>();
        if (listed == size) {
            same = i;
            break;
        }
        if (listed.isEquivalentTo(size)) {
            same = i;
        }
    }
    if (same >= 0) {
        sizes->setCurrentIndex(same);
    }
}

// The print dialog, starting from the printer or file of the printer it is given, with its page
// settings (the properties dialog) starting from that printer's paper size. Qt's dialog turns a
// PDF printer into a native one as it is built, and on confirming it builds the page settings
// afresh, at the queue's default paper, where the user did not open them for the printer
// chosen; PageSettingsUsed says whether they were.
class PrintDialog : public QPrintDialog {
  public:
    // paper and toFile: what the printer held before the dialog was built.
    PrintDialog(QPrinter& printer, const QPageSize& paper, bool toFile, QWidget* parent)
        : QPrintDialog(&printer, parent), paper_(paper), toFile_(toFile) {}

    bool PageSettingsUsed() const { return pageSettingsUsed_; }

    // Qt lists "Print to File" last, once the dialog is shown.
    void setVisible(bool visible) override {
        QPrintDialog::setVisible(visible);
        if (!visible || !toFile_) {
            return;
        }
        toFile_ = false;
        if (auto* printers = findChild<QComboBox*>("printers"); printers != nullptr) {
            printers->setCurrentIndex(printers->count() - 1);
        }
    }

    void accept() override {
        pageSettingsUsed_ = FindPageSettings() != nullptr;
        QPrintDialog::accept();
    }

  protected:
    // A child is polished when it is first shown: the properties dialog when the user opens it.
    void childEvent(QChildEvent* event) override {
        QPrintDialog::childEvent(event);
        if (event->type() == QEvent::ChildPolished && event->child() == FindPageSettings()) {
            auto* settings = static_cast<QDialog*>(event->child());
            ShowPaperSize(*settings, paper_);
            // Cancelled before it was ever confirmed, the settings go back to how Qt built them.
            auto confirmed = std::make_shared<bool>(false);
            connect(settings, &QDialog::accepted, this, [confirmed] { *confirmed = true; });
            connect(settings, &QDialog::rejected, this, [this, settings, confirmed] {
                if (!*confirmed) {
                    ShowPaperSize(*settings, paper_);
                }
            });
        }
    }

  private:
    QDialog* FindPageSettings() const {
        for (QDialog* child : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
            if (child->inherits("QPrintPropertiesDialog")) {
                return child;
            }
        }
        return nullptr;
    }

    QPageSize paper_;
    bool toFile_;
    bool pageSettingsUsed_ = false;
};

class SystemPrintDialogs : public PrintDialogs {
  public:
    bool RunPageSetup(QPrinter& printer, QWidget* parent) override {
        const QPageSize paper = printer.pageLayout().pageSize();
        QPageSetupDialog dialog(&printer, parent);
        ShowPaperSize(dialog, paper);
        return dialog.exec() == QDialog::Accepted;
    }
    bool RunPrint(QPrinter& printer, QWidget* parent) override {
        const QPageLayout before = printer.pageLayout();
        PrintDialog dialog(printer, before.pageSize(),
                           printer.outputFormat() == QPrinter::PdfFormat, parent);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        if (!dialog.PageSettingsUsed()) {
            printer.setPageLayout(before);
        }
        return true;
    }
    void ShowPrintProblem(const QString& message, QWidget* parent) override {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Printing"), message, QMessageBox::Ok,
                        parent);
        box.setObjectName(QStringLiteral("PrintProblem"));
        box.exec();
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
    CurrentPageChoice() = PageChoice();
    return dialogs;
}
