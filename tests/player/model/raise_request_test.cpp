// The raise channel's requests as bytes: what a later start writes is read back whole however it
// arrives, and what a stranger writes is passed over or ends the client, never misread.
#include "player/model/raise_request.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

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
        "relative.mid\0"s,  // not absolute
        "/a.mid\0\0"s,      // an empty name
        "/a.mid"s,          // the last name without its zero
        "/a.mid\0/b.mid"s,  // likewise after a good one
    };
    for (const std::string& payload : payloads) {
        std::string buffer =
            "open 1 " + std::to_string(payload.size()) + "\n" + payload + "raise\n";
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
    for (const std::string& line :
         {"open 1\n"s, "open 1 x\n"s, "open 1 12 \n"s, "open one 3\n"s, "open 1 -3\n"s,
          "open 1 99999999999999999999999\n"s,
          "open 1 " + std::to_string(kMaxOpenPayload + 1) + "\n",
          std::string(kMaxRequestLine + 1, 'r') + "\n", std::string(kMaxRequestLine + 1, 'r')}) {
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

// The token a later start was given comes after its raise or open request, on a line of its own.
class ActivationRequestTest : public ::testing::Test {
protected:
    static std::string LongestToken() {
        std::string token;
        for (std::size_t i = 0; i < kMaxActivationToken; ++i)
            token += static_cast<char>('!' + i % 94);
        return token;
    }
};

TEST_F(ActivationRequestTest, BothKindsOfTokenComeBackBehindTheRequestTheyFollow) {
    const std::string x11 = "tesalo-launch/12-3_TIME4017";
    const std::string bytes = EncodeRaiseRequest({"/a.mid"}) +
                              EncodeActivationRequest({ActivationToken::kWayland, LongestToken()}) +
                              EncodeActivationRequest({ActivationToken::kX11, x11});
    EXPECT_NE(bytes.find("\0activate wayland "s), std::string::npos);
    EXPECT_NE(bytes.find("\nactivate x11 " + x11 + "\n"), std::string::npos);
    std::string buffer;
    std::vector<RaiseRequest> taken;
    for (char byte : bytes) {
        buffer += byte;
        ASSERT_NE(TakeAll(buffer, &taken), RequestRead::kBroken);
    }
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].kind, RaiseRequest::kOpen);
    EXPECT_EQ(taken[1].kind, RaiseRequest::kActivate);
    EXPECT_EQ(taken[1].activation.kind, ActivationToken::kWayland);
    EXPECT_EQ(taken[1].activation.token, LongestToken());
    EXPECT_EQ(taken[2].kind, RaiseRequest::kActivate);
    EXPECT_EQ(taken[2].activation.kind, ActivationToken::kX11);
    EXPECT_EQ(taken[2].activation.token, x11);
    EXPECT_TRUE(buffer.empty());
}

// A start sends the tokens its environment holds, the Wayland one first; an unset or a bad one
// is not sent.
TEST_F(ActivationRequestTest, TheTokensComeFromTheStartsEnvironment) {
    setenv("XDG_ACTIVATION_TOKEN", "w-1", 1);
    setenv("DESKTOP_STARTUP_ID", "x_TIME5", 1);
    EXPECT_EQ(EnvironmentActivationRequests(), "activate wayland w-1\nactivate x11 x_TIME5\n");
    setenv("XDG_ACTIVATION_TOKEN", "two words", 1);
    unsetenv("DESKTOP_STARTUP_ID");
    EXPECT_EQ(EnvironmentActivationRequests(), "");
    unsetenv("XDG_ACTIVATION_TOKEN");
}

TEST_F(ActivationRequestTest, ATokenThatIsEmptyTooLongOrNotPlainTextIsNotSent) {
    for (const std::string& token : {""s, LongestToken() + "x", "two words"s, "tab\there"s,
                                     "new\nline"s, "caf\xC3\xA9"s, "zero\0byte"s, "del\x7F"s}) {
        EXPECT_EQ(EncodeActivationRequest({ActivationToken::kX11, token}), "") << token;
    }
}

TEST_F(ActivationRequestTest, ABadTokenOrKindIsPassedOverAndTheNextRequestServed) {
    for (const std::string& line :
         {"activate x11 two words\n"s, "activate x11 \x01\x02\n"s, "activate x11 \n"s,
          "activate x11\n"s, "activate mir abc\n"s, "activate  x11 abc\n"s,
          "activate x11 caf\xC3\xA9\n"s, "activate wayland zero\0byte\n"s}) {
        std::string buffer = line + "raise\n";
        std::vector<RaiseRequest> taken;
        EXPECT_EQ(TakeAll(buffer, &taken), RequestRead::kNeedMore);
        ASSERT_EQ(taken.size(), 2u) << line;
        EXPECT_EQ(taken[0].kind, RaiseRequest::kIgnored) << line;
        EXPECT_TRUE(taken[0].activation.token.empty()) << line;
        EXPECT_EQ(taken[1].kind, RaiseRequest::kRaise);
    }
}

TEST_F(ActivationRequestTest, OnlyTheActivateLineMayPassTheBoundOfTheOtherLines) {
    const std::string longest = "activate wayland " + LongestToken();
    std::string buffer = longest;  // not yet ended: waited for
    RaiseRequest request;
    EXPECT_EQ(TakeRaiseRequest(buffer, &request), RequestRead::kNeedMore);
    buffer += "\n";
    EXPECT_EQ(TakeRaiseRequest(buffer, &request), RequestRead::kTaken);
    EXPECT_EQ(request.kind, RaiseRequest::kActivate);
    for (const std::string& line :
         {longest + "x", longest + "x\n", "hello " + std::string(kMaxRequestLine, 'h') + "\n"}) {
        buffer = line;
        EXPECT_EQ(TakeRaiseRequest(buffer, &request), RequestRead::kBroken) << line;
    }
}

}  // namespace
