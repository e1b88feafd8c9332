// A song's path as a file:// URL and back: every byte kept, whatever the file system's encoding.
#include "player/model/file_url.h"

#include <gtest/gtest.h>

TEST(FileUrlTest, EveryByteOutsideTheSafeOnesIsEscapedAndComesBack) {
    const std::string path = "/home/u/My Songs/caf\xE9 #1%?.mid";
    const std::string url = FileUrl(path);
    EXPECT_EQ(url, "file:///home/u/My%20Songs/caf%E9%20%231%25%3F.mid");
    EXPECT_EQ(FilePathOf(url), path);
    EXPECT_EQ(FileUrl("/a/b-c_d.e~f/G9.mid"), "file:///a/b-c_d.e~f/G9.mid");
    EXPECT_EQ(FileUrl("rel/x.mid"), "file:///rel/x.mid");
    EXPECT_TRUE(FileUrl("").empty());
}

TEST(FileUrlTest, OnlyLocalAbsoluteFileUrlsGiveAPath) {
    EXPECT_EQ(FilePathOf("file://localhost/tmp/a%20b.mid"), "/tmp/a b.mid");
    EXPECT_EQ(FilePathOf("file:///tmp/%E3%81%82.mid"), "/tmp/\xE3\x81\x82.mid");
    EXPECT_EQ(FilePathOf("file:///tmp/a%zz%4"), "/tmp/a%zz%4");  // no two hex digits: kept
    for (const char* other : {"file://host/tmp/a.mid", "http://x/a.mid", "file:a.mid", "",
                              "/tmp/a.mid", "file:///tmp/a%00b.mid"})
        EXPECT_EQ(FilePathOf(other), std::nullopt) << other;
}
