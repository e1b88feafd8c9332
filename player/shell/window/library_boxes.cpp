#include "player/shell/window/library_boxes.h"

#include <string>

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "platform/msgbox.h"

namespace {

QMessageBox::Icon BoxIcon(unsigned flags) {
    switch (flags & 0xF0) {
        case platform::kBoxIconError: return QMessageBox::Critical;
        case platform::kBoxIconWarning: return QMessageBox::Warning;
        case platform::kBoxIconInfo: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

// OK only, without owner window; on the GUI thread, while the application exists (the presenter
// is removed before it ends).
int ShowBox(const std::u16string& text, const std::u16string& caption, unsigned flags) {
    QMessageBox box(BoxIcon(flags), QString::fromStdU16String(caption),
                    QString::fromStdU16String(text), QMessageBox::Ok);
    box.exec();
    return platform::kBoxResultOk;
}

int PresentOnGuiThread(const std::u16string& text, const std::u16string& caption, unsigned flags) {
    QCoreApplication* application = QCoreApplication::instance();
    if (QThread::currentThread() == application->thread()) {
        return ShowBox(text, caption, flags);
    }
    // The library's ready thread: it waits for the GUI thread, which never waits for it while
    // the presenter is installed (RemoveLibraryBoxes comes before TeCleanUp joins it).
    int result = platform::kBoxResultOk;
    QMetaObject::invokeMethod(
        application, [&] { result = ShowBox(text, caption, flags); }, Qt::BlockingQueuedConnection);
    return result;
}

}  // namespace

void InstallLibraryBoxes() { platform::SetMessageBoxPresenter(&PresentOnGuiThread); }

void RemoveLibraryBoxes() { platform::SetMessageBoxPresenter(nullptr); }
