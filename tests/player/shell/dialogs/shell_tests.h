// The Qt Test programs of the player's shell, run one after another by shell_tests_main.cpp.
#pragma once

int RunDialogUnitsTests(int argc, char** argv);
int RunInputNameDialogTests(int argc, char** argv);
int RunPlayerMessageTests(int argc, char** argv);
