// The naming dialog, run modally and answered from the event loop as a user would.
#include "player/shell/input_name_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "player/shell/dialog_units.h"
#include "tests/player/qt_support/modal_script.h"
#include "tests/player/shell/shell_tests.h"

namespace {

// What a step saw of the dialog before it answered it.
struct SeenDialog {
    QString id, caption, prompt, cancelText, focus;
    QSize size;
    QRect prompt1055, edit1027, ok1, cancel2;
    QFont font;
};

ModalScript::Step Look(SeenDialog* seen, ModalScript::Step answer) {
    return [seen, answer](QWidget* dialog) {
        seen->id = dialog->objectName();
        seen->caption = dialog->windowTitle();
        seen->size = dialog->size();
        seen->font = dialog->font();
        seen->focus = dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : QString();
        auto* prompt = dialog->findChild<QLabel*>(QStringLiteral("id1055"));
        seen->prompt = prompt->text();
        seen->prompt1055 = prompt->geometry();
        seen->edit1027 = dialog->findChild<QLineEdit*>(QStringLiteral("id1027"))->geometry();
        seen->ok1 = dialog->findChild<QPushButton*>(QStringLiteral("id1"))->geometry();
        auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("id2"));
        seen->cancelText = cancel->text();
        seen->cancel2 = cancel->geometry();
        answer(dialog);
    };
}

}  // namespace

class InputNameDialogTest : public QObject {
    Q_OBJECT

private slots:
    void okGivesAtMostLimitMinusOneCharacters() {
        QString typed;
        for (int i = 0; i < 140; ++i) typed += QChar(u'a' + i % 26);
        ModalScript script;
        script.Then(TypeName(typed));
        char16_t name[128] = u"old";
        QCOMPARE(InputNameDialog(false, u"NewSongList", u"Input new song name.", 127, name), 1);
        QCOMPARE(QString::fromUtf16(name), typed.left(126));
        QCOMPARE(script.Pending(), std::size_t{0});
    }

    void theCutNeverSplitsAPair() {
        ModalScript script;
        script.Then(TypeName(QString(125, u'a') + QString::fromUtf16(u"\U0001F600")));
        char16_t name[128] = {};
        QCOMPARE(InputNameDialog(false, u"c", u"p", 127, name), 1);
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

    void japaneseTemplateShowsTheCallersTexts() {
        SeenDialog seen;
        ModalScript script;
        script.Then(Look(&seen, CancelDialog()));
        char16_t name[128] = {};
        InputNameDialog(true, u"ソングリストの名前変更", u"現在:ロック", 127, name);
        QCOMPARE(seen.id, QStringLiteral("id151"));
        QCOMPARE(seen.caption, QString::fromUtf16(u"ソングリストの名前変更"));
        QCOMPARE(seen.prompt, QString::fromUtf16(u"現在:ロック"));
        QCOMPARE(seen.cancelText, QString::fromUtf16(u"キャンセル"));
        QCOMPARE(seen.focus, QStringLiteral("id1027"));
        QCOMPARE(seen.font.family(), QString::fromUtf16(u"ＭＳ Ｐゴシック"));
        QCOMPARE(seen.font.pointSize(), 9);
    }

    void englishTemplateShowsTheCallersTexts() {
        SeenDialog seen;
        ModalScript script;
        script.Then(Look(&seen, CancelDialog()));
        char16_t name[128] = {};
        InputNameDialog(false, u"Change song name.", u"now:Rock", 127, name);
        QCOMPARE(seen.id, QStringLiteral("id163"));
        QCOMPARE(seen.caption, QStringLiteral("Change song name."));
        QCOMPARE(seen.prompt, QStringLiteral("now:Rock"));
        QCOMPARE(seen.cancelText, QStringLiteral("&Cancel"));
        QCOMPARE(seen.font.family(), QStringLiteral("Tahoma"));
    }

    // 133 x 65 units; prompt and edit field equally wide, the buttons equal, side by side, below.
    void controlsStandWhereTheTemplatePutsThem() {
        SeenDialog seen;
        ModalScript script;
        script.Then(Look(&seen, CancelDialog()));
        char16_t name[128] = {};
        InputNameDialog(false, u"c", u"p", 127, name);
        const QSize base = DialogBaseUnits(seen.font);
        QCOMPARE(seen.size, DialogUnitsToPixels(QRect(0, 0, 133, 65), base).size());
        QCOMPARE(seen.edit1027, DialogUnitsToPixels(QRect(3, 23, 127, 14), base));
        QCOMPARE(seen.prompt1055.left(), seen.edit1027.left());
        QCOMPARE(seen.prompt1055.width(), seen.edit1027.width());
        QVERIFY(seen.prompt1055.bottom() < seen.edit1027.top());
        QVERIFY(seen.edit1027.bottom() < seen.ok1.top());
        QCOMPARE(seen.ok1.size(), seen.cancel2.size());
        QCOMPARE(seen.ok1.top(), seen.cancel2.top());
        QVERIFY(seen.ok1.right() < seen.cancel2.left());
        QVERIFY(seen.cancel2.right() < seen.size.width());
        QVERIFY(seen.ok1.bottom() < seen.size.height());
    }
};

int RunInputNameDialogTests(int argc, char** argv) {
    InputNameDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "input_name_dialog_test.moc"
