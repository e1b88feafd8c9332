// The raise channel's requests as bytes: what a later start writes is read back whole however it
// arrives, and what a stranger writes is passed over or ends the client, never misread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/shell/window/raise_request.h"

namespace {

using namespace std::string_literals;

// Takes every complete request of the buffer; stops at kNeedMore or kBroken, which it returns.
RequestRead TakeAll(std::string& buffer, std::vector<RaiseRequest>* taken) {
    for (;;) {
        RaiseRequest request;
        const RequestRead read = TakeRaiseRequest(buffer, &request);
        if (read != RequestRead::kTaken) return read;
        taken->push_back(request);
    }
}

TEST(RaiseRequestTest, WithoutFilesItIsTheRaiseLineOfOldAndRaises) {
    EXPECT_EQ(EncodeRaiseRequest({}), "raise\n");
    std::string buffer = "raise\n";
    std::vector<RaiseRequest> taken;
    EXPECT_EQ(TakeAll(buffer, &taken), RequestRead::kNeedMore);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].kind, RaiseRequest::kRaise);
    EXPECT_TRUE(buffer.empty());
}

TEST(RaiseRequestTest, FileNamesWithAnyByteComeBackInOrderWhateverPiecesTheyArriveIn) {
    const std::vector<std::string> files = {"/home/u/a b.mid", "/tmp/line\nbreak.mid",
                                            "/tmp/\xE9t\xE9.mid", "/tmp/open 1 5\n.mid"};
    const std::string bytes = EncodeRaiseRequest(files) + "raise\n";
    EXPECT_EQ(bytes.compare(0, 7, "open 1 "), 0);
    std::string buffer;
    std::vector<RaiseRequest> taken;
    for (char byte : bytes) {  // one byte at a time, as a slow socket may hand them over
        buffer += byte;
        ASSERT_NE(TakeAll(buffer, &taken), RequestRead::kBroken);
    }
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].kind, RaiseRequest::kOpen);
    EXPECT_EQ(taken[0].files, files);
    EXPECT_EQ(taken[1].kind, RaiseRequest::kRaise);
    EXPECT_TRUE(buffer.empty());
}

TEST(RaiseRequestTest, NamesThatAreNotAbsoluteOrDoNotFitAreLeftOut) {
    const std::string tooLong = "/" + std::string(kMaxOpenPath, 'x');
    EXPECT_EQ(EncodeRaiseRequest({"relative.mid", "", tooLong}), "raise\n");
    // The payload stops short of its bound: the names that would pass it are left out.
    const std::string big = "/" + std::string(kMaxOpenPath - 1, 'y');
    std::vector<std::string> many(kMaxOpenPayload / big.size() + 3, big);
    std::string buffer = EncodeRaiseRequest(many);
    RaiseRequest request;
    ASSERT_EQ(TakeRaiseRequest(buffer, &request), RequestRead::kTaken);
    EXPECT_EQ(request.files.size(), kMaxOpenPayload / (big.size() + 1));
}

TEST(RaiseRequestTest, AMalformedPayloadIsPassedOverWholeAndTheNextRequestServed) {
    const std::vector<std::string> payloads = {
        "relative.mid\0"s,       // not absolute
        "/a.mid\0\0"s,           // an empty name
        "/a.mid"s,               // the last name without its zero
        "/a.mid\0/b.mid"s,       // likewise after a good one
    };
    for (const std::string& payload : payloads) {
        std::string buffer = "open 1 " + std::to_string(payload.size()) + "\n" + payload + "raise\n";
        std::vector<RaiseRequest> taken;
        EXPECT_EQ(TakeAll(buffer, &taken), RequestRead::kNeedMore);
        ASSERT_EQ(taken.size(), 2u) << payload;
        EXPECT_EQ(taken[0].kind, RaiseRequest::kIgnored) << payload;
        EXPECT_TRUE(taken[0].files.empty());
        EXPECT_EQ(taken[1].kind, RaiseRequest::kRaise);
    }
}

TEST(RaiseRequestTest, ALaterVersionAndUnknownLinesArePassedOver) {
    std::string buffer = "open 2 7\n/a.mid\0"s + "hello\n" + "raise\n";
    std::vector<RaiseRequest> taken;
    EXPECT_EQ(TakeAll(buffer, &taken), RequestRead::kNeedMore);
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].kind, RaiseRequest::kIgnored);
    EXPECT_EQ(taken[1].kind, RaiseRequest::kIgnored);
    EXPECT_EQ(taken[2].kind, RaiseRequest::kRaise);
}

TEST(RaiseRequestTest, AnUnreadableOrTooLargeLengthOrAnEndlessLineBreaksTheStream) {
    for (const std::string& line : {"open 1\n"s, "open 1 x\n"s, "open 1 12 \n"s, "open one 3\n"s,
                                    "open 1 -3\n"s, "open 1 99999999999999999999999\n"s,
                                    "open 1 " + std::to_string(kMaxOpenPayload + 1) + "\n",
                                    std::string(kMaxRequestLine + 1, 'r') + "\n",
                                    std::string(kMaxRequestLine + 1, 'r')}) {
        std::string buffer = line;
        RaiseRequest request;
        EXPECT_EQ(TakeRaiseRequest(buffer, &request), RequestRead::kBroken) << line;
    }
    // A payload not yet all there is waited for, not misread.
    std::string buffer = "open 1 7\n/a.m";
    RaiseRequest request;
    EXPECT_EQ(TakeRaiseRequest(buffer, &request), RequestRead::kNeedMore);
    EXPECT_EQ(buffer, "open 1 7\n/a.m");
}

}  // namespace
