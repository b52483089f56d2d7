#include "ShowURL.h"

#include "UiThread.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {

void OpenWithSystem(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

std::function<void(const std::string&)>& Opener() {
    static std::function<void(const std::string&)> opener = OpenWithSystem;
    return opener;
}

} // namespace

void ShowURL(std::string_view url) {
    RequireMainThread("ShowURL");
    Opener()(std::string(url));
}

std::function<void(const std::string&)>
SetUrlOpener(std::function<void(const std::string&)> opener) {
    if (!opener) {
        opener = OpenWithSystem;
    }
    Opener().swap(opener);
    return opener;
}
