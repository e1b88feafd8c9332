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
    steps_.push_back({std::move(step), false});
    return *this;
}

ModalScript& ModalScript::ThenProgress(Step step) {
    steps_.push_back({std::move(step), true});
    return *this;
}

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == handled_.data()) return;
    const bool progress = qobject_cast<QProgressDialog*>(modal) != nullptr;
    if (progress && (steps_.empty() || !steps_.front().forProgress)) return;
    handled_ = modal;
    if (steps_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        return;
    }
    const Step step = std::move(steps_.front().step);
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
    return [](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("id2"))->click(); };
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
