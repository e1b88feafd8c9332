// One QApplication on the offscreen platform for every test class of the shell.
#include <cstdlib>

#include <QApplication>

#include "tests/player/shell/dialogs/shell_tests.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QTEST_DISABLE_STACK_DUMP", "1", 1);  // no debugger attached to a failing test
    QApplication application(argc, argv);
    int failures = RunDialogUnitsTests(argc, argv);
    failures += RunInputNameDialogTests(argc, argv);
    failures += RunPlayerMessageTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
