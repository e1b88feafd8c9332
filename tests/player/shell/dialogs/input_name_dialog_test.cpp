// The naming dialog, run modally and answered from the event loop as a user would.
#include "player/shell/dialogs/input_name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "player/shell/dialogs/dialog_units.h"
#include "tests/player/qt_support/modal_script.h"
#include "tests/player/shell/dialogs/shell_tests.h"

namespace {

QString TextOf(QWidget* dialog, const char* id) {
    QWidget* control = dialog->findChild<QWidget*>(QString::fromLatin1(id));
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
    return QStringLiteral("(no text control %1)").arg(QString::fromLatin1(id));
}

// The dialog's template, caption, prompt, Cancel text and focus, one line.
ModalScript::Step Describe(QString* seen) {
    return [seen](QWidget* dialog) {
        *seen = QStringList{dialog->objectName(), dialog->windowTitle(), TextOf(dialog, "id1055"),
                            TextOf(dialog, "id2"), dialog->focusWidget()->objectName()}
                    .join(u'|');
        CancelDialog()(dialog);
    };
}

}  // namespace

class InputNameDialogTest : public QObject {
    Q_OBJECT

private slots:
    void okGivesAtMostLimitMinusOneCharactersNeverHalfAPair() {
        QString typed;
        for (int i = 0; i < 140; ++i) typed += QChar(u'a' + i % 26);
        ModalScript script;
        const QString pairAtTheCut = QString(125, u'a') + QString::fromUtf16(u"\U0001F600");
        script.Then(TypeName(typed)).Then(TypeName(pairAtTheCut));
        char16_t name[128] = {};
        QCOMPARE(InputNameDialog(false, u"NewSongList", u"Input new song name.", 127, name), 1);
        QCOMPARE(QString::fromUtf16(name), typed.left(126));
        QCOMPARE(InputNameDialog(false, u"NewSongList", u"Input new song name.", 127, name), 1);
        QCOMPARE(QString::fromUtf16(name), QString(125, u'a'));
    }

    void enterConfirmsAndAnEmptyNameIsConfirmedToo() {
        ModalScript script;
        script.Then(TypeName(QStringLiteral("By Enter"), true)).Then(TypeName(QString()));
        char16_t name[128] = u"old";
        QCOMPARE(InputNameDialog(false, u"c", u"p", 127, name), 1);
        QCOMPARE(QString::fromUtf16(name), QStringLiteral("By Enter"));
        QCOMPARE(InputNameDialog(false, u"c", u"p", 127, name), 1);
        QCOMPARE(name[0], u'\0');
    }

    void cancelAndEscapeLeaveTheOutputUntouched() {
        ModalScript script;
        script.Then(CancelDialog()).Then([](QWidget* dialog) {
            QTest::keyClicks(dialog->focusWidget(), QStringLiteral("typed"));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        char16_t name[128] = u"old";
        QCOMPARE(InputNameDialog(false, u"c", u"p", 127, name), 0);
        QCOMPARE(InputNameDialog(true, u"c", u"p", 127, name), 0);
        QCOMPARE(QString::fromUtf16(name), QStringLiteral("old"));
        QCOMPARE(script.Unexpected(), 0);
    }

    void eachLanguageRunsItsTemplateWithTheCallersTexts() {
        QString japanese, english;
        ModalScript script;
        script.Then(Describe(&japanese)).Then(Describe(&english));
        char16_t name[128] = {};
        InputNameDialog(true, u"ソングリストの名前変更", u"現在:ロック", 127, name);
        InputNameDialog(false, u"Change song name.", u"now:Rock", 127, name);
        QCOMPARE(japanese,
                 QString::fromUtf16(u"id151|ソングリストの名前変更|現在:ロック|キャンセル|id1027"));
        QCOMPARE(english, QStringLiteral("id163|Change song name.|now:Rock|&Cancel|id1027"));
    }

    // 133 x 65 units in the dialog's own font; the buttons side by side below the edit field.
    void controlsStandWhereTheTemplatePutsThem() {
        QSize size, expected;
        QRect edit, ok, cancel;
        ModalScript script;
        script.Then([&](QWidget* dialog) {
            const QSize base = DialogBaseUnits(dialog->font());
            size = dialog->size();
            expected = DialogUnitsToPixels(QRect(0, 0, 133, 65), base).size();
            edit = dialog->findChild<QWidget*>(QStringLiteral("id1027"))->geometry();
            ok = dialog->findChild<QWidget*>(QStringLiteral("id1"))->geometry();
            cancel = dialog->findChild<QWidget*>(QStringLiteral("id2"))->geometry();
            CancelDialog()(dialog);
        });
        char16_t name[128] = {};
        InputNameDialog(false, u"c", u"p", 127, name);
        QCOMPARE(size, expected);
        QVERIFY(edit.bottom() < ok.top() && ok.top() == cancel.top());
        QVERIFY(ok.right() < cancel.left() && cancel.right() < size.width());
    }
};

int RunInputNameDialogTests(int argc, char** argv) {
    InputNameDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "input_name_dialog_test.moc"
