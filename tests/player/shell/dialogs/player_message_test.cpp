// The player's message boxes: caption, buttons, icon and owner, answered from the event loop.
#include "player/shell/dialogs/player_message.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "tests/player/qt_support/modal_script.h"
#include "tests/player/shell/dialogs/shell_tests.h"

namespace {

// The box's caption, buttons, icon and owner, then the answer.
ModalScript::Step Describe(QString* seen, QMessageBox::StandardButton answer) {
    return [seen, answer](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        *seen = QStringLiteral("%1|%2|%3|%4")
                    .arg(box->windowTitle())
                    .arg(int(box->standardButtons()), 0, 16)
                    .arg(int(box->icon()))
                    .arg(box->parentWidget() != nullptr ? box->parentWidget()->objectName()
                                                        : QStringLiteral("no owner"));
        box->button(answer)->click();
    };
}

}  // namespace

class PlayerMessageTest : public QObject {
    Q_OBJECT

private slots:
    void noticeAndQuestionBoxes() {
        QWidget owner;
        owner.setObjectName(QStringLiteral("main window"));
        QString notice, question;
        ModalScript script;
        script.Then(Describe(&notice, QMessageBox::Ok))
            .Then(Describe(&question, QMessageBox::Cancel))
            .Then([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); })
            .Then(Describe(&question, QMessageBox::Ok));
        QCOMPARE(ShowPlayerMessage(u"再生中の項目は削除できません"), kMessageOk);
        QCOMPARE(notice, QStringLiteral("Tesalo|400|0|no owner"));  // OK only, no icon
        QCOMPARE(AskPlayerQuestion(&owner, u"May I delete the songlist displayed now?"),
                 kMessageCancel);
        QCOMPARE(question, QStringLiteral("Tesalo|400400|0|main window"));  // OK and Cancel
        QCOMPARE(AskPlayerQuestion(&owner, u"Escape"), kMessageCancel);
        QCOMPARE(AskPlayerQuestion(&owner, u"OK"), kMessageOk);
    }
};

int RunPlayerMessageTests(int argc, char** argv) {
    PlayerMessageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "player_message_test.moc"
