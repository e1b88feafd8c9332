// Answers the modal windows a test opens: each step runs once on the next modal window that
// shows, from inside its exec(). A modal window beyond the script is cancelled and counted, so
// a test never hangs on a dialog it did not expect.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript();
    ModalScript& Then(Step step);
    // A step for the progress window of a long pre-scan. Without one such windows, which close
    // themselves (and show only when a scan is slow, as under the sanitizers), are left alone.
    ModalScript& ThenProgress(Step step);
    int Unexpected() const { return unexpected_; }
    std::size_t Pending() const { return steps_.size(); }

private:
    void Poll();
    QTimer timer_;
    QPointer<QWidget> handled_;
    struct ScriptStep {
        Step step;
        bool forProgress;
    };
    std::deque<ScriptStep> steps_;
    int unexpected_ = 0;
};

// Steps for the naming dialog: type the text and press OK (Enter when byEnter), or Cancel.
ModalScript::Step TypeName(const QString& text, bool byEnter = false);
ModalScript::Step CancelDialog();
// A step for a message box: record its text, then press the button.
ModalScript::Step AnswerMessage(std::u16string* shownText,
                                QMessageBox::StandardButton button = QMessageBox::Ok);
