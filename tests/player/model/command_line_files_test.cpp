// The files of the player's command line, without a window.
#include "player/model/command_line_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

namespace {

TEST(CommandLineFilesTest, NamesAreMadeAbsoluteAgainstTheWorkingFolderAndOptionsPassedOver) {
    char* saved = getcwd(nullptr, 0);
    ASSERT_EQ(chdir("/tmp"), 0);
    std::vector<std::string> arguments = {
        "tesalo-player", "a.mid", "./b.mid", "/x//y/./c.mid", "-platform", "../d.mid", "--",
        "-e.mid",        "--"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    const std::vector<std::string> files =
        CommandLineFiles(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(chdir(saved), 0);
    free(saved);
    EXPECT_EQ(files, (std::vector<std::string>{"/tmp/a.mid", "/tmp/b.mid", "/x/y/c.mid",
                                               "/tmp/../d.mid", "/tmp/-e.mid", "/tmp/--"}));
}

}  // namespace
