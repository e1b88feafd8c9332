// The player's message boxes: caption, buttons, icon and owner, answered from the event loop.
#include "player/shell/player_message.h"

#include <QMessageBox>
#include <QTest>

#include "tests/player/qt_support/modal_script.h"
#include "tests/player/shell/shell_tests.h"

namespace {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QWidget* owner = nullptr;
};

ModalScript::Step Look(SeenBox* seen, ModalScript::Step answer) {
    return [seen, answer](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr) {
            seen->caption = box->windowTitle();
            seen->text = box->text();
            seen->buttons = box->standardButtons();
            seen->icon = box->icon();
            seen->owner = box->parentWidget();
        }
        answer(widget);
    };
}

}  // namespace

class PlayerMessageTest : public QObject {
    Q_OBJECT

private slots:
    void noticeHasOneOkButtonNoIconNoOwner() {
        SeenBox seen;
        std::u16string shown;
        ModalScript script;
        script.Then(Look(&seen, AnswerMessage(&shown)));
        QCOMPARE(ShowPlayerMessage(u"再生中の項目は削除できません"), kMessageOk);
        QCOMPARE(seen.caption, QStringLiteral("Tesalo"));
        QCOMPARE(seen.text, QString::fromUtf16(u"再生中の項目は削除できません"));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.owner, nullptr);
    }

    void questionAnswersOkOrCancel() {
        QWidget owner;
        SeenBox seen;
        std::u16string shown;
        ModalScript script;
        script.Then(Look(&seen, AnswerMessage(&shown, QMessageBox::Cancel)))
            .Then(AnswerMessage(&shown, QMessageBox::Ok))
            .Then([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(AskPlayerQuestion(&owner, u"May I delete the songlist displayed now?"), kMessageCancel);
        QCOMPARE(seen.caption, QStringLiteral("Tesalo"));
        QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.owner, &owner);
        QCOMPARE(AskPlayerQuestion(&owner, u"again"), kMessageOk);
        QCOMPARE(AskPlayerQuestion(&owner, u"and once more"), kMessageCancel);
    }
};

int RunPlayerMessageTests(int argc, char** argv) {
    PlayerMessageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "player_message_test.moc"
