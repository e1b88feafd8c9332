#include "tests/player/qt_support/modal_script.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

ModalScript::ModalScript() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
}

ModalScript& ModalScript::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == handled_.data()) return;
    // The progress of a long pre-scan (slow under the sanitizers) closes itself: nothing to answer.
    if (qobject_cast<QProgressDialog*>(modal) != nullptr) return;
    handled_ = modal;
    if (steps_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        return;
    }
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    step(modal);
}

ModalScript::Step TypeName(const QString& text, bool byEnter) {
    return [text, byEnter](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("id1027"));
        if (edit == nullptr) return qobject_cast<QDialog*>(dialog)->reject();
        edit->insert(text);  // as typed; key clicks cannot carry every character
        if (byEnter) {
            QTest::keyClick(edit, Qt::Key_Return);
        } else {
            dialog->findChild<QPushButton*>(QStringLiteral("id1"))->click();
        }
    };
}

ModalScript::Step CancelDialog() {
    return [](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("id2"))->click();
    };
}

ModalScript::Step AnswerMessage(std::u16string* shownText, QMessageBox::StandardButton button) {
    return [shownText, button](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || box->button(button) == nullptr) {
            return qobject_cast<QDialog*>(widget)->reject();
        }
        *shownText = box->text().toStdU16String();
        box->button(button)->click();
    };
}
