// Loading whole files and validating their header chunk.
#include <gtest/gtest.h>

#include "midi/smf_image.h"
#include "tests/midi/smf_test_support.h"

namespace {

using smf::Bytes;
using smf::Track;
using smftest::ImageOf;
using smftest::ShownBoxes;

const std::u16string kNotRecognisedText =
    u"SMFﾌｧｲﾙをﾛｰﾄﾞできませんでした\n認識できない形式か,ﾌｧｲﾙが壊れています";
const std::u16string kBadDivisionText =
    u"SMFﾌｧｲﾙをﾛｰﾄﾞできませんでした\n無効な範囲のﾀｲﾑﾃﾞｨﾋﾞｼﾞｮﾝです";

Bytes OneNoteFormat0(std::uint16_t division) {
    const Track note = Track().Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).End();
    return smf::File(0, division, {note});
}

class PrepareTest : public smftest::SmfTest {
protected:
    void ExpectOneBox(const std::u16string& text) {
        ASSERT_EQ(ShownBoxes().size(), 1u);
        EXPECT_EQ(ShownBoxes()[0].text, text);
        EXPECT_EQ(ShownBoxes()[0].caption, u"ERROR");
        EXPECT_EQ(ShownBoxes()[0].flags, platform::kBoxIconError);
    }
};

TEST_F(PrepareTest, LoadsTheWholeFileWithZerosBehind) {
    const Bytes bytes = OneNoteFormat0(96);
    const std::string path = WriteFile("song.mid", bytes);
    std::uint8_t* image = nullptr;
    std::uint32_t size = 0;
    ASSERT_TRUE(LoadFileImage(path, &image, &size));
    ASSERT_EQ(size, bytes.size());
    EXPECT_EQ(Bytes(image, image + size), bytes);
    EXPECT_EQ(Bytes(image + size, image + size + 8), Bytes(8, 0));
    FreeFileImage(image);
}

TEST_F(PrepareTest, LoadFailsWithoutTouchingTheOutputs) {
    std::uint8_t marker = 0;
    std::uint8_t* image = &marker;
    std::uint32_t size = 77;
    EXPECT_FALSE(LoadFileImage(directory_ + "/missing.mid", &image, &size));
    EXPECT_FALSE(LoadFileImage(directory_, &image, &size));  // a folder is no file
    EXPECT_EQ(image, &marker);
    EXPECT_EQ(size, 77u);

    ASSERT_TRUE(LoadFileImage(WriteFile("empty.mid", {}), &image, &size));
    EXPECT_EQ(size, 0u);
    FreeFileImage(image);
}

TEST_F(PrepareTest, DivisionUpTo960IsAccepted) {
    EXPECT_EQ(Prepare(OneNoteFormat0(960)), 0);
    EXPECT_EQ(Prepare(OneNoteFormat0(1)), 0);
    EXPECT_TRUE(ShownBoxes().empty());
}

TEST_F(PrepareTest, BadDivisionIsRejectedWithItsMessage) {
    for (std::uint16_t division : {961, 0, 0xE250}) {
        ShownBoxes().clear();
        EXPECT_EQ(Prepare(OneNoteFormat0(division)), -1) << division;
        ExpectOneBox(kBadDivisionText);
    }
    // The division is checked before the format.
    ShownBoxes().clear();
    EXPECT_EQ(Prepare(smf::File(2, 961, {Track().End()})), -1);
    ExpectOneBox(kBadDivisionText);
}

TEST_F(PrepareTest, MissingHeaderChunkIsRejectedWithItsMessage) {
    Bytes bytes = OneNoteFormat0(96);
    bytes[3] = 'D';  // "MThD"
    EXPECT_EQ(Prepare(bytes), -1);
    ExpectOneBox(kNotRecognisedText);

    ShownBoxes().clear();
    EXPECT_EQ(Prepare({'M', 'T', 'h'}), -1);
    ExpectOneBox(kNotRecognisedText);
}

TEST_F(PrepareTest, OtherFormatsAreRejectedSilently) {
    EXPECT_EQ(Prepare(smf::File(2, 96, {Track().End(), Track().End()})), -1);
    EXPECT_EQ(Prepare(smf::File(3, 96, {Track().End()})), -1);
    EXPECT_TRUE(ShownBoxes().empty());
}

TEST_F(PrepareTest, Format0IsHandedOnUnchanged) {
    const Bytes bytes = OneNoteFormat0(480);
    std::uint8_t* image = ImageOf(bytes);
    std::uint8_t* const original = image;
    auto size = static_cast<std::uint32_t>(bytes.size());
    EXPECT_EQ(PrepareSmfImage(&image, &size), 0);
    EXPECT_EQ(image, original);
    EXPECT_EQ(Bytes(image, image + size), bytes);
    FreeFileImage(image);
}

TEST_F(PrepareTest, WrappedFormat0StartsAtItsHeaderChunk) {
    const Bytes song = OneNoteFormat0(96);
    const auto dataLength = static_cast<std::uint8_t>(song.size());
    const Bytes riff = {'R', 'I',        'F', 'F', static_cast<std::uint8_t>(dataLength + 12),
                        0,   0,          0,   'R', 'M',
                        'I', 'D',        'd', 'a', 't',
                        'a', dataLength, 0,   0,   0};
    EXPECT_EQ(Prepare(smftest::Concat({riff, song})), static_cast<int>(song.size()));
    EXPECT_EQ(prepared_, song);
    EXPECT_TRUE(ShownBoxes().empty());
}

}  // namespace
