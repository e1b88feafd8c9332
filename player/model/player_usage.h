// What `tesalo-player --help` and `tesalo-player --version` print: answered before anything
// else, with no display and no other player asked.
#pragma once

// Prints the usage (-h, --help) or the program's name and version (-V, --version) to standard
// output when an option before "--" asks for it: the exit status then, else -1.
int AnswerUsageOrVersion(int argc, char** argv);
