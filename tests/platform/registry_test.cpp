#include "platform/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/registry_text.h"
#include "tests/platform/registry_support.h"

using namespace platform;
using namespace registrytest;

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";
const std::string kProductHeader =
    "[HKEY_CURRENT_USER\\Software]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n"
    "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n";

// UTF-16LE with the terminating zero, as a string value holds its text.
Bytes StringBytes(std::u16string_view text) {
    Bytes bytes;
    for (char16_t unit : text) {
        bytes.insert(bytes.end(), {std::uint8_t(unit & 0xFF), std::uint8_t(unit >> 8)});
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

int Set(RegistryKey key, std::u16string_view name, std::uint32_t type, const Bytes& data) {
    return SetRegistryValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
}

// The value's bytes; none when the query fails.
Bytes Query(RegistryKey key, std::u16string_view name, std::uint32_t* type = nullptr) {
    Bytes data(200000);
    std::uint32_t size = static_cast<std::uint32_t>(data.size());
    data.resize(QueryRegistryValue(key, name, type, data.data(), &size) ? size : 0);
    return data;
}

RegistryKey Open(std::u16string_view path) {
    RegistryKey key = kRegistryNoKey;
    EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, path, &key), 1);
    return key;
}

}  // namespace

TEST(RegistryKeys, PathsMustNameEveryKeyAndParentsMustBeOpen) {
    TemporaryConfigHome home;
    RegistryKey key = 77;
    for (std::u16string_view bad :
         {u"", u"\\Software", u"Software\\", u"Software\\\\Vantrel", u"Soft\nware"}) {
        EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, bad, &key), 0);
        EXPECT_EQ(key, kRegistryNoKey);
    }
    RegistryKey vendor = Open(u"Software\\Vantrel");
    EXPECT_EQ(CreateRegistryKey(vendor, u"", &key), 0);
    CloseRegistryKey(vendor);
    EXPECT_EQ(CreateRegistryKey(vendor, u"Tesalo", &key), 0);
    EXPECT_EQ(Set(kRegistryCurrentUser, u"x", kRegistryBinary, {1}), 0);
    EXPECT_FALSE(std::filesystem::exists(home.StorePath())) << "opening keys writes nothing";
}

TEST(RegistryValues, AreWrittenInTheExportFormatAndReadBack) {
    TemporaryConfigHome home;
    const struct {
        std::u16string_view name;
        std::uint32_t type;
        Bytes data;
    } values[] = {{u"polyLimit", kRegistryDword, {0x10, 0, 0, 0}},
                  {u"name", kRegistryString, StringBytes(u"C:\\Songs \"best\" \u00e9")},
                  {u"blob", kRegistryBinary, {0x01, 0x02, 0xFF}},
                  {u"big", 11, {1, 0, 0, 0, 0, 0, 0, 0}},
                  {u"two lines", kRegistryString, StringBytes(u"a\nb")},
                  {u"short", kRegistryDword, {0x34, 0x12}},
                  {u"", kRegistryString, StringBytes(u"x")},
                  {u"none", 0, {}}};
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    for (const auto& value : values) EXPECT_EQ(Set(key, value.name, value.type, value.data), 1);
    CloseRegistryKey(key);
    EXPECT_EQ(ReadText(home.StorePath()), kHeader + kProductHeader +
                                              "\"polyLimit\"=dword:00000010\n"
                                              "\"name\"=\"C:\\\\Songs \\\"best\\\" \xC3\xA9\"\n"
                                              "\"blob\"=hex:01,02,ff\n"
                                              "\"big\"=hex(b):01,00,00,00,00,00,00,00\n"
                                              "\"two lines\"=hex(1):61,00,0a,00,62,00,00,00\n"
                                              "\"short\"=hex(4):34,12\n"
                                              "@=\"x\"\n"
                                              "\"none\"=hex(0):\n\n");

    key = Open(u"software\\VANTREL\\Tesalo");  // a fresh read, names without regard to case
    for (const auto& value : values) {
        std::uint32_t type = 0;
        EXPECT_EQ(Query(key, value.name, &type), value.data);
        EXPECT_EQ(type, value.type);
    }
    CloseRegistryKey(key);
}

TEST(RegistryValues, AQueryIntoTooSmallABufferFailsButTellsTypeAndSize) {
    TemporaryConfigHome home;
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    ASSERT_EQ(Set(key, u"name", kRegistryString, StringBytes(u"loud")), 1);
    std::uint8_t buffer[10] = {9, 9, 9, 9};
    std::uint32_t size = 4;
    std::uint32_t type = 0;
    EXPECT_EQ(QueryRegistryValue(key, u"name", &type, buffer, &size), 0);
    EXPECT_EQ(type, kRegistryString);
    EXPECT_EQ(size, 10u);  // four characters and the zero, two bytes each
    EXPECT_EQ(buffer[0], 9);
    EXPECT_EQ(QueryRegistryValue(key, u"name", &type, buffer, &size), 1);
    EXPECT_EQ(QueryRegistryValue(key, u"absent", &type, buffer, &size), 0);
    CloseRegistryKey(key);
}

TEST(RegistryFile, ReadsAnExportWrittenElsewhere) {
    TemporaryConfigHome home;
    WriteText(home.StorePath(),
              "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
              "[hkey_current_user\\SOFTWARE\\Vantrel\\Tesalo]\r\n"
              "\"polyLimit\"=dword:0000001F\r\n"
              "\"blob\"=hex:01,02,\\\r\n"
              "  03,04\r\n"
              "@=\"default\"\r\n");
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    EXPECT_EQ(Query(key, u"polyLimit"), (Bytes{0x1F, 0, 0, 0}));
    EXPECT_EQ(Query(key, u"blob"), (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(Query(key, u""), StringBytes(u"default"));
    CloseRegistryKey(key);
}

TEST(RegistryFile, ADamagedFileGivesWhatCanBeReadAndLosesNoLine) {
    TemporaryConfigHome home;
    const std::string binaryJunk("\x00\x01\xFE\xFF]\x00", 6);
    const std::string longJunk(100000, 'x');
    std::string longValue = "\"long\"=hex:7f";
    for (int i = 1; i < 20000; ++i) longValue += ",7f";
    const std::string unread =
        "\"truncated\"=\"no closing quote\n"
        "\"cut\"=dword:000000\n"
        "\"half\"=hex:01,\\\n" +
        binaryJunk + "\n" + longJunk + "\n" +
        "[HKEY_CURRENT_USER\\Software\\Other\n"
        "\"stray\"=dword:00000005\n";
    WriteText(home.StorePath(), kHeader + "garbage before any key\n" +
                                    "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n" +
                                    "\"polyLimit\"=dword:00000063\n" + longValue + "\n" + unread +
                                    "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo\\Deep]\n"
                                    "\"masterVolume\"=dword:0000000");  // ends inside the line

    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    EXPECT_EQ(Query(key, u"polyLimit"), (Bytes{0x63, 0, 0, 0}));
    EXPECT_EQ(Query(key, u"long"), Bytes(20000, 0x7F));
    for (std::u16string_view name : {u"truncated", u"cut", u"half", u"stray"}) {
        EXPECT_EQ(Query(key, name), Bytes()) << "a damaged value must not be guessed at";
    }
    // Writing keeps every unread line in its section, behind the values read there; the
    // lines below the broken header stay below it.
    ASSERT_EQ(Set(key, u"new", kRegistryDword, {1, 0, 0, 0}), 1);
    CloseRegistryKey(key);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + "garbage before any key\n\n" + kProductHeader +
                  "\"polyLimit\"=dword:00000063\n" + longValue + "\n" + "\"new\"=dword:00000001\n" +
                  unread + "\n" +
                  "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo\\Deep]\n"
                  "\"masterVolume\"=dword:0000000\n\n");
}

// Values wait in memory for a flush, which writes them all in one replacement of the file, or
// for the last close; a flush with nothing new writes nothing.
TEST(RegistryFlush, ValuesReachTheFileAtTheFlushOrTheLastClose) {
    TemporaryConfigHome home;
    RegistryKey vendor = Open(u"Software\\Vantrel");
    RegistryKey product = kRegistryNoKey;
    ASSERT_EQ(CreateRegistryKey(vendor, u"Tesalo", &product), 1);
    ASSERT_EQ(Set(product, u"a", kRegistryDword, {1, 0, 0, 0}), 1);
    ASSERT_EQ(Set(product, u"b", kRegistryDword, {2, 0, 0, 0}), 1);
    EXPECT_FALSE(std::filesystem::exists(home.StorePath()));
    EXPECT_EQ(FlushRegistryKey(product), 1);
    const std::string both =
        kHeader + kProductHeader + "\"a\"=dword:00000001\n\"b\"=dword:00000002\n\n";
    EXPECT_EQ(ReadText(home.StorePath()), both);
    std::filesystem::remove(home.StorePath());
    EXPECT_EQ(FlushRegistryKey(vendor), 1);
    EXPECT_FALSE(std::filesystem::exists(home.StorePath())) << "nothing new: nothing written";

    ASSERT_EQ(Set(product, u"b", kRegistryDword, {3, 0, 0, 0}), 1);
    CloseRegistryKey(product);
    EXPECT_FALSE(std::filesystem::exists(home.StorePath())) << "a key is still open";
    CloseRegistryKey(vendor);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kProductHeader + "\"a\"=dword:00000001\n\"b\"=dword:00000003\n\n");
    EXPECT_EQ(FlushRegistryKey(vendor), 0) << "a closed key";
}

TEST(RegistryFlush, AFailedFlushKeepsTheOldFileTellsWhyAndTriesAgainLater) {
    TemporaryConfigHome home;
    const std::string old = kHeader + kProductHeader + "\"polyLimit\"=dword:00000010\n\n";
    WriteText(home.StorePath(), old);
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    ASSERT_EQ(Set(key, u"polyLimit", kRegistryDword, {0x20, 0, 0, 0}), 1);
    {
        FullDisk disk(old.size() / 2);
        EXPECT_EQ(FlushRegistryKey(key), 0);
    }
    EXPECT_EQ(ReadText(home.StorePath()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Folder() + "/tesalo"),
                            std::filesystem::directory_iterator()),
              1)
        << "the temporary file is gone";
    const RegistryFileError failure = LastRegistryFileError();
    EXPECT_EQ(failure.step, kRegistryFileUnwritten);
    EXPECT_EQ(failure.error, EFBIG);
    EXPECT_EQ(failure.path, home.StorePath());
    EXPECT_EQ(Query(key, u"polyLimit"), (Bytes{0x20, 0, 0, 0})) << "kept for the next try";
    EXPECT_EQ(FlushRegistryKey(key), 1);
    EXPECT_EQ(LastRegistryFileError().step, kRegistryFileFine);
    CloseRegistryKey(key);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + kProductHeader + "\"polyLimit\"=dword:00000020\n\n");
}

TEST(RegistryFile, AStoreThatCannotBeReadIsNotOpenedSoNeverReplaced) {
    TemporaryConfigHome home;
    RegistryKey key = 5;
    std::filesystem::create_directories(home.StorePath());  // a folder where the file belongs
    EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, u"Software", &key), 0);
    EXPECT_EQ(LastRegistryFileError().error, EISDIR);
    std::filesystem::remove(home.StorePath());

    const std::string huge(17 << 20, ' ');  // larger than any settings store
    WriteText(home.StorePath(), huge);
    EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, u"Software", &key), 0);
    EXPECT_EQ(key, kRegistryNoKey);
    const RegistryFileError failure = LastRegistryFileError();
    EXPECT_EQ(failure.step, kRegistryFileUnread);
    EXPECT_EQ(failure.error, EFBIG);
    EXPECT_EQ(failure.path, home.StorePath());
}

// A damaged line ending in "\" and an indented damaged line were apart in the file: written
// back, they must stay apart, or the next read joins them into a key that was never there.
TEST(RegistryFile, DamagedLinesKeptApartStayApartWhenWrittenBack) {
    const std::string text = kHeader + "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n" +
                             "\"a\"=dword:00000001\n" +
                             "[HKEY_CURRENT_USER\\Software\\Broken \\\n" + "\n" + "  x\\Vantrel]\n";
    const RegistryStore store = ParseRegistryText(text);
    const std::string written = FormatRegistryText(store);
    const RegistryStore again = ParseRegistryText(written);
    ASSERT_EQ(again.keys.size(), store.keys.size()) << written;
    EXPECT_EQ(FormatRegistryText(again), written);
    EXPECT_NE(written.find("Broken \\\n\n  x"), std::string::npos) << written;
}

// A store kept elsewhere (a dotfiles folder) and linked in: the link stays and the file it
// leads to takes the values, keeping its permissions.
TEST(RegistryFile, ALinkedStoreStaysALinkAndItsFileTakesTheValues) {
    TemporaryConfigHome home;
    const std::string target = home.Folder() + "/dotfiles/tesalo.reg";
    WriteText(target, kHeader + kProductHeader + "\"polyLimit\"=dword:00000010\n\n");
    std::filesystem::permissions(target, std::filesystem::perms(0640));
    std::filesystem::create_directories(home.Folder() + "/tesalo");
    std::filesystem::create_symlink("../dotfiles/tesalo.reg", home.StorePath());
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    EXPECT_EQ(Query(key, u"polyLimit"), (Bytes{0x10, 0, 0, 0}));
    ASSERT_EQ(Set(key, u"polyLimit", kRegistryDword, {0x20, 0, 0, 0}), 1);
    CloseRegistryKey(key);
    EXPECT_TRUE(std::filesystem::is_symlink(home.StorePath()));
    EXPECT_EQ(ReadText(target), kHeader + kProductHeader + "\"polyLimit\"=dword:00000020\n\n");
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
}

// Temporary files that a write killed before its rename left: the program's own names go at
// start, whatever else stands beside the store stays.
TEST(RegistryFile, OnlyTheTemporaryFilesOfDeadWritesAreRemoved) {
    TemporaryConfigHome home;
    const std::string folder = home.Folder() + "/tesalo/";
    const std::string outside = home.Folder() + "/outside";
    WriteText(outside, "not the program's");
    for (const char* name : {"registry.reg", ".registry.reg.saving-a1B2c3", "registry.reg.x9Y8z7",
                             "registry.reg.backup", ".other.reg.saving-a1B2c3", "notes"}) {
        WriteText(folder + name, name);
    }
    std::filesystem::create_symlink(outside, folder + ".registry.reg.saving-Q1w2E3");
    RemoveStaleRegistryFiles();
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        left.push_back(entry.path().filename());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (std::vector<std::string>{".other.reg.saving-a1B2c3", ".registry.reg.saving-Q1w2E3",
                                        "notes", "registry.reg", "registry.reg.backup"}));
    EXPECT_EQ(ReadText(outside), "not the program's");
}
