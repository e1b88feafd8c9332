#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/platform/registry_support.h"

using namespace platform;
using registrytest::FolderEntries;
using registrytest::FullDisk;
using registrytest::ReadText;
using registrytest::TemporaryConfigHome;
using registrytest::WriteText;

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

// UTF-16LE with the terminating zero, as a string value holds its text.
Bytes StringBytes(std::u16string_view text) {
    Bytes bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

int Set(RegistryKey key, std::u16string_view name, std::uint32_t type, const Bytes& data) {
    return SetRegistryValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
}

struct Queried {
    int result = 0;
    std::uint32_t type = 0xEEEE;
    Bytes data;
};

Queried Query(RegistryKey key, std::u16string_view name, std::uint32_t capacity = 4096) {
    Queried out;
    out.data.assign(capacity, 0xCC);
    std::uint32_t size = capacity;
    out.result = QueryRegistryValue(key, name, &out.type, out.data.data(), &size);
    out.data.resize(out.result ? size : 0);
    return out;
}

RegistryKey Open(std::u16string_view path) {
    RegistryKey key = kRegistryNoKey;
    EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, path, &key), 1) << "open failed";
    return key;
}

}  // namespace

TEST(RegistryKeys, PathsMustNameEveryKey) {
    TemporaryConfigHome home;
    RegistryKey key = 77;
    EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, u"", &key), 0);
    EXPECT_EQ(key, kRegistryNoKey);
    for (std::u16string_view bad : {u"\\Software", u"Software\\", u"Software\\\\Vantrel",
                                    u"Soft\nware"}) {
        EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, bad, &key), 0);
    }
    RegistryKey vendor = Open(u"Software\\Vantrel");
    EXPECT_EQ(CreateRegistryKey(vendor, u"", &key), 0);
    CloseRegistryKey(vendor);
    // A closed key is no parent, and the root holds no values.
    EXPECT_EQ(CreateRegistryKey(vendor, u"Tesalo", &key), 0);
    EXPECT_EQ(Set(kRegistryCurrentUser, u"x", kRegistryBinary, {1}), 0);
}

TEST(RegistryKeys, ASubkeyAndItsFullPathAreOneKeyWithoutRegardToCase) {
    TemporaryConfigHome home;
    RegistryKey vendor = Open(u"Software\\Vantrel");
    RegistryKey product = kRegistryNoKey;
    ASSERT_EQ(CreateRegistryKey(vendor, u"Tesalo", &product), 1);
    RegistryKey same = Open(u"SOFTWARE\\vantrel\\TESALO");
    EXPECT_EQ(registrytest::ReadText(home.StorePath()), "") << "opening keys writes nothing";
    ASSERT_EQ(Set(product, u"polyLimit", kRegistryDword, {0x10, 0, 0, 0}), 1);
    ASSERT_EQ(Set(same, u"POLYLIMIT", kRegistryDword, {0x18, 0, 0, 0}), 1);
    EXPECT_EQ(Query(product, u"polylimit").data, (Bytes{0x18, 0, 0, 0}));
    for (RegistryKey key : {same, product, vendor}) CloseRegistryKey(key);
    // The name keeps the spelling it was first stored under.
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader +
                  "[HKEY_CURRENT_USER\\Software]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                  "\"polyLimit\"=dword:00000018\n\n");
}

TEST(RegistryValues, AreWrittenInTheExportFormatAndReadBack) {
    TemporaryConfigHome home;
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    const Bytes name = StringBytes(u"C:\\Songs \"best\" \u00e9");
    const Bytes twoLines = StringBytes(u"a\nb");
    const Bytes qword = {1, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(Set(key, u"polyLimit", kRegistryDword, {0x10, 0, 0, 0}), 1);
    ASSERT_EQ(Set(key, u"name", kRegistryString, name), 1);
    ASSERT_EQ(Set(key, u"blob", kRegistryBinary, {0x01, 0x02, 0xFF}), 1);
    ASSERT_EQ(Set(key, u"big", 11, qword), 1);
    ASSERT_EQ(Set(key, u"two lines", kRegistryString, twoLines), 1);
    ASSERT_EQ(Set(key, u"short", kRegistryDword, {0x34, 0x12}), 1);
    ASSERT_EQ(Set(key, u"", kRegistryString, StringBytes(u"x")), 1);
    ASSERT_EQ(Set(key, u"none", 0, {}), 1);
    CloseRegistryKey(key);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader +
                  "[HKEY_CURRENT_USER\\Software]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                  "\"polyLimit\"=dword:00000010\n"
                  "\"name\"=\"C:\\\\Songs \\\"best\\\" \xC3\xA9\"\n"
                  "\"blob\"=hex:01,02,ff\n"
                  "\"big\"=hex(b):01,00,00,00,00,00,00,00\n"
                  "\"two lines\"=hex(1):61,00,0a,00,62,00,00,00\n"
                  "\"short\"=hex(4):34,12\n"
                  "@=\"x\"\n"
                  "\"none\"=hex(0):\n\n");

    // A fresh read of the file gives every value back as it was set.
    key = Open(u"Software\\Vantrel\\Tesalo");
    const struct {
        std::u16string_view name;
        std::uint32_t type;
        Bytes data;
    } expected[] = {{u"polyLimit", kRegistryDword, {0x10, 0, 0, 0}},
                    {u"name", kRegistryString, name},
                    {u"blob", kRegistryBinary, {0x01, 0x02, 0xFF}},
                    {u"big", 11, qword},
                    {u"two lines", kRegistryString, twoLines},
                    {u"short", kRegistryDword, {0x34, 0x12}},
                    {u"", kRegistryString, StringBytes(u"x")},
                    {u"none", 0, {}}};
    for (const auto& value : expected) {
        Queried got = Query(key, value.name);
        EXPECT_EQ(got.result, 1);
        EXPECT_EQ(got.type, value.type);
        EXPECT_EQ(got.data, value.data);
    }
    CloseRegistryKey(key);
}

TEST(RegistryValues, AQueryIntoTooSmallABufferFailsAndTellsTheSize) {
    TemporaryConfigHome home;
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    ASSERT_EQ(Set(key, u"name", kRegistryString, StringBytes(u"loud")), 1);

    std::uint8_t buffer[4] = {9, 9, 9, 9};
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    EXPECT_EQ(QueryRegistryValue(key, u"name", &type, buffer, &size), 0);
    EXPECT_EQ(type, kRegistryString);
    EXPECT_EQ(size, 10u);  // four characters and the terminating zero, two bytes each
    EXPECT_EQ(Bytes(buffer, buffer + 4), (Bytes{9, 9, 9, 9}));

    size = 5;
    type = 0;
    EXPECT_EQ(QueryRegistryValue(key, u"absent", &type, buffer, &size), 0);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(type, 0u);

    Queried exact = Query(key, u"name", 10);
    EXPECT_EQ(exact.result, 1);
    EXPECT_EQ(exact.data, StringBytes(u"loud"));
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
    EXPECT_EQ(Query(key, u"polyLimit").data, (Bytes{0x1F, 0, 0, 0}));
    EXPECT_EQ(Query(key, u"blob").data, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(Query(key, u"").data, StringBytes(u"default"));
    CloseRegistryKey(key);
}

TEST(RegistryFile, KeepsKeysAndValuesItDoesNotKnow) {
    TemporaryConfigHome home;
    const std::string before =
        "[HKEY_CURRENT_USER\\Software]\n\n"
        "[HKEY_CURRENT_USER\\Software\\Elsewhere]\n"
        "\"list\"=hex(7):61,00,00,00,00,00\n"
        "\"path\"=\"D:\\\\music\"\n\n"
        "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n"
        "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
        "\"future\"=hex(b):00,00,00,00,00,00,00,80\n"
        "\"polyLimit\"=dword:00000010\n"
        "\"later\"=dword:00000001\n\n";
    WriteText(home.StorePath(), kHeader + before);
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    ASSERT_EQ(Set(key, u"polyLimit", kRegistryDword, {0x20, 0, 0, 0}), 1);
    CloseRegistryKey(key);
    std::string after = before;
    after.replace(after.find("dword:00000010"), 14, "dword:00000020");
    EXPECT_EQ(ReadText(home.StorePath()), kHeader + after);
}

TEST(RegistryFile, ADamagedFileGivesWhatCanBeReadAndLosesNoLine) {
    TemporaryConfigHome home;
    const std::string binaryJunk("\x00\x01\xFE\xFF]\x00", 6);
    const std::string longJunk(1 << 20, 'x');
    std::string longValue = "\"long\"=hex:7f";
    for (int i = 1; i < 100000; ++i) longValue += ",7f";
    const std::string damaged =
        "garbage before any key\n"
        "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
        "\"polyLimit\"=dword:00000063\n"
        "\"truncated\"=\"no closing quote\n"
        "\"cut\"=dword:000000\n"
        "\"half\"=hex:01,\\\n" +
        binaryJunk + "\n" + longJunk + "\n" + longValue + "\n" +
        "[HKEY_CURRENT_USER\\Software\\Other\n"
        "\"stray\"=dword:00000005\n"
        "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo\\Deep]\n"
        "\"masterVolume\"=dword:0000000";  // the file ends inside this line
    WriteText(home.StorePath(), kHeader + damaged);

    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    EXPECT_EQ(Query(key, u"polyLimit").data, (Bytes{0x63, 0, 0, 0}));
    EXPECT_EQ(Query(key, u"long", 200000).data, Bytes(100000, 0x7F));
    for (std::u16string_view unread : {u"truncated", u"cut", u"half", u"stray"}) {
        EXPECT_EQ(Query(key, unread).result, 0);
    }
    RegistryKey deep = Open(u"Software\\Vantrel\\Tesalo\\Deep");
    EXPECT_EQ(Query(deep, u"masterVolume").result, 0);
    CloseRegistryKey(deep);

    // Writing keeps every unread line, in its own section, behind the values read there.
    ASSERT_EQ(Set(key, u"new", kRegistryDword, {1, 0, 0, 0}), 1);
    CloseRegistryKey(key);
    EXPECT_EQ(ReadText(home.StorePath()),
              kHeader + "garbage before any key\n\n"
                        "[HKEY_CURRENT_USER\\Software]\n\n"
                        "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n"
                        "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                        "\"polyLimit\"=dword:00000063\n" +
                  longValue + "\n" +
                  "\"new\"=dword:00000001\n"
                  "\"truncated\"=\"no closing quote\n"
                  "\"cut\"=dword:000000\n"
                  "\"half\"=hex:01,\\\n" +
                  binaryJunk + "\n" + longJunk + "\n" +
                  "[HKEY_CURRENT_USER\\Software\\Other\n"
                  "\"stray\"=dword:00000005\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo\\Deep]\n"
                  "\"masterVolume\"=dword:0000000\n\n");
}

TEST(RegistryFile, AFailedWriteKeepsTheOldFileAndTheOldValue) {
    TemporaryConfigHome home;
    const std::string old = kHeader +
                            "[HKEY_CURRENT_USER\\Software]\n\n"
                            "[HKEY_CURRENT_USER\\Software\\Vantrel]\n\n"
                            "[HKEY_CURRENT_USER\\Software\\Vantrel\\Tesalo]\n"
                            "\"polyLimit\"=dword:00000010\n\n";
    WriteText(home.StorePath(), old);
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");
    {
        FullDisk disk(old.size() / 2);
        EXPECT_EQ(Set(key, u"polyLimit", kRegistryDword, {0x20, 0, 0, 0}), 0);
    }
    EXPECT_EQ(ReadText(home.StorePath()), old);
    EXPECT_EQ(FolderEntries(home.StoreFolder()), std::vector<std::string>{"registry.reg"});
    EXPECT_EQ(Query(key, u"polyLimit").data, (Bytes{0x10, 0, 0, 0}));
    // With room on the disk again the same set goes through.
    EXPECT_EQ(Set(key, u"polyLimit", kRegistryDword, {0x20, 0, 0, 0}), 1);
    CloseRegistryKey(key);
    EXPECT_NE(ReadText(home.StorePath()).find("\"polyLimit\"=dword:00000020\n"), std::string::npos);
}

TEST(RegistryFile, WithoutAFolderForTheStoreASetFails) {
    TemporaryConfigHome home;
    WriteText(home.Folder() + "/plain", "a file, not a folder");
    home.PointAt(home.Folder() + "/plain/config");
    RegistryKey key = Open(u"Software\\Vantrel\\Tesalo");  // there is nothing to read yet
    EXPECT_EQ(Set(key, u"polyLimit", kRegistryDword, {0x10, 0, 0, 0}), 0);
    EXPECT_EQ(Query(key, u"polyLimit").result, 0);
    CloseRegistryKey(key);
    EXPECT_EQ(ReadText(home.Folder() + "/plain"), "a file, not a folder");
}

TEST(RegistryFile, AStoreThatCannotBeReadIsNotOpenedSoNeverReplaced) {
    TemporaryConfigHome home;
    RegistryKey key = 5;
    std::filesystem::create_directories(home.StorePath());  // a folder where the file belongs
    EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, u"Software", &key), 0);
    EXPECT_EQ(key, kRegistryNoKey);
    std::filesystem::remove(home.StorePath());

    const std::string huge(17 << 20, ' ');  // larger than any settings store
    WriteText(home.StorePath(), huge);
    EXPECT_EQ(CreateRegistryKey(kRegistryCurrentUser, u"Software", &key), 0);
    EXPECT_EQ(ReadText(home.StorePath()).size(), huge.size());
}
