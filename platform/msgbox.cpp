#include "platform/msgbox.h"

#include <atomic>
#include <cstdio>

#include "platform/codepage.h"

namespace platform {

namespace {

// Without a GUI there is no one to press OK: the text goes to stderr and the box is answered.
int PresentOnStderr(const std::u16string& text, const std::u16string& caption, unsigned) {
    std::string line = Utf16ToUtf8(caption) + ": " + Utf16ToUtf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return kBoxResultOk;
}

// nullptr stands for the default presenter, so replacing and restoring are symmetric.
std::atomic<MessageBoxPresenter> installedPresenter{nullptr};

}  // namespace

int ShowMessageBox(const std::u16string& text, const std::u16string& caption, unsigned flags) {
    MessageBoxPresenter presenter = installedPresenter.load();
    return (presenter != nullptr ? presenter : &PresentOnStderr)(text, caption, flags);
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    return installedPresenter.exchange(presenter);
}

}  // namespace platform
