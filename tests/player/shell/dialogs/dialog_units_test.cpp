// Dialog units to pixels, worked by hand: x = units x width / 4, y = units x height / 8, each
// edge rounded to the nearest pixel on its own.
#include "player/shell/dialogs/dialog_units.h"

#include <QTest>

#include "tests/player/shell/dialogs/shell_tests.h"

class DialogUnitsTest : public QObject {
    Q_OBJECT

private slots:
    void edgesAreScaledAndRounded() {
        // Base 6 x 13: 133 x 6 / 4 = 199.5 -> 200; 65 x 13 / 8 = 105.625 -> 106.
        QCOMPARE(DialogUnitsToPixels(QRect(0, 0, 133, 65), QSize(6, 13)), QRect(0, 0, 200, 106));
        // 3 x 6 / 4 = 4.5 -> 5, 130 x 6 / 4 = 195;
        // 23 x 13 / 8 = 37.375 -> 37, 37 x 13 / 8 = 60.125 -> 60.
        QCOMPARE(DialogUnitsToPixels(QRect(3, 23, 127, 14), QSize(6, 13)), QRect(5, 37, 190, 23));
    }

    void neighboursKeepTheirGap() {
        // Base 7 x 15: OK 41..85 -> 71.75..148.75 -> 72..149;
        // Cancel 86..130 -> 150.5..227.5 -> 151..228.
        QCOMPARE(DialogUnitsToPixels(QRect(41, 48, 44, 14), QSize(7, 15)), QRect(72, 90, 77, 26));
        QCOMPARE(DialogUnitsToPixels(QRect(86, 48, 44, 14), QSize(7, 15)), QRect(151, 90, 77, 26));
    }
};

int RunDialogUnitsTests(int argc, char** argv) {
    DialogUnitsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialog_units_test.moc"
