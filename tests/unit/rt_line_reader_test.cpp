// Reading console lines from a stream: line ends, long lines and the end of input.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "rt/line_reader.h"
#include "rt/rt.h"

namespace {

// A temporary stream holding text, rewound for reading.
class LineStream {
public:
    explicit LineStream(const char* text) : file_(std::tmpfile()) {
        if (file_) {
            std::fwrite(text, 1, std::strlen(text), file_);
            std::rewind(file_);
        }
    }
    ~LineStream() {
        if (file_) {
            std::fclose(file_);
        }
    }
    std::FILE* get() const { return file_; }

private:
    std::FILE* file_;
};

TEST(RtLineReader, ReadsLinesWithoutTheirEnds) {
    LineStream in("first\nsecond\r\n\nlast");
    ASSERT_NE(in.get(), nullptr);
    char buffer[32];
    ASSERT_EQ(rt_read_line(in.get(), buffer, sizeof buffer), buffer);
    EXPECT_STREQ(buffer, "first");
    ASSERT_NE(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "second");
    ASSERT_NE(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "");
    ASSERT_NE(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "last");
}

TEST(RtLineReader, EndOfInputGivesNullAndLeavesTheBuffer) {
    LineStream in("");
    ASSERT_NE(in.get(), nullptr);
    char buffer[8] = "old";
    EXPECT_EQ(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "old");
}

TEST(RtLineReader, ALongLineIsCutAndItsRestDropped) {
    LineStream in("abcdefghij\nnext\n");
    ASSERT_NE(in.get(), nullptr);
    char buffer[5];
    ASSERT_NE(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_NE(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "next");
}

TEST(RtLineReader, ALineThatExactlyFillsTheBufferLeavesNoEmptyLineBehind) {
    LineStream in("abcd\nnext\n");
    ASSERT_NE(in.get(), nullptr);
    char buffer[5];
    ASSERT_NE(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_NE(rt_read_line(in.get(), buffer, sizeof buffer), nullptr);
    EXPECT_STREQ(buffer, "next");
}

TEST(RtLineReader, AOneByteBufferTakesWholeLinesAsEmpty) {
    LineStream in("xyz\nq\n");
    ASSERT_NE(in.get(), nullptr);
    char buffer[1] = {'!'};
    ASSERT_NE(rt_read_line(in.get(), buffer, 1), nullptr);
    EXPECT_EQ(buffer[0], '\0');
    ASSERT_NE(rt_read_line(in.get(), buffer, 1), nullptr);
    EXPECT_EQ(rt_read_line(in.get(), buffer, 1), nullptr);
}

TEST(RtLineInput, BadBufferIsRefusedWithError1) {
    RuntimeHooks saved = rt_hooks;
    rt_hooks = RuntimeHooks{};
    rt_set_error(RT_ERR_NONE);
    EXPECT_EQ(rt_line_input(nullptr, 10), nullptr);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    char buffer[4];
    rt_set_error(RT_ERR_NONE);
    EXPECT_EQ(rt_line_input(buffer, 0), nullptr);
    EXPECT_EQ(rt_last_error(), RT_ERR_ILLEGAL_CALL);
    rt_hooks = saved;
}

} // namespace
