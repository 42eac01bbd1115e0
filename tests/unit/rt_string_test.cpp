// The runtime string: assignment, the temporary mark and releasing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "rt/string.h"

namespace {

// A string owned by the test, freed at the end of its scope.
struct OwnedString {
    RtString s{nullptr, 0, 0};
    ~OwnedString() { rt_string_clear(&s); }
};

std::string contents(const RtString& s) { return std::string(s.data, rt_string_length(&s)); }

TEST(RtString, AssignCopiesTheBytesAndTerminatesThem) {
    OwnedString o;
    ASSERT_EQ(rt_string_assign(&o.s, "hello world", 5), &o.s);
    EXPECT_EQ(contents(o.s), "hello");
    EXPECT_EQ(o.s.data[5], '\0');
    EXPECT_GE(o.s.capacity, 6u);
    EXPECT_FALSE(rt_string_is_temp(&o.s));
}

TEST(RtString, NegativeLengthMeansUpToTheTerminator) {
    OwnedString o;
    ASSERT_NE(rt_string_assign(&o.s, "abc", -1), nullptr);
    EXPECT_EQ(rt_string_length(&o.s), 3u);
    EXPECT_STREQ(o.s.data, "abc");
}

TEST(RtString, ExplicitLengthKeepsEmbeddedZeros) {
    OwnedString o;
    const char bytes[] = {'a', '\0', 'b'};
    ASSERT_NE(rt_string_assign(&o.s, bytes, 3), nullptr);
    ASSERT_EQ(rt_string_length(&o.s), 3u);
    EXPECT_EQ(std::memcmp(o.s.data, bytes, 3), 0);
}

TEST(RtString, ReassigningGrowsAndShrinks) {
    OwnedString o;
    ASSERT_NE(rt_string_assign(&o.s, "ab", -1), nullptr);
    const std::string longer(300, 'x');
    ASSERT_NE(rt_string_assign(&o.s, longer.c_str(), -1), nullptr);
    EXPECT_EQ(contents(o.s), longer);
    EXPECT_GE(o.s.capacity, 301u);
    ASSERT_NE(rt_string_assign(&o.s, "q", 1), nullptr);
    EXPECT_STREQ(o.s.data, "q");
    EXPECT_EQ(rt_string_length(&o.s), 1u);
}

TEST(RtString, SourceMayLieInsideTheDestination) {
    OwnedString o;
    ASSERT_NE(rt_string_assign(&o.s, "0123456789", -1), nullptr);
    ASSERT_NE(rt_string_assign(&o.s, o.s.data + 3, 4), nullptr);
    EXPECT_STREQ(o.s.data, "3456");
    const std::string longer(100, 'y');
    ASSERT_NE(rt_string_assign(&o.s, longer.c_str(), -1), nullptr);
    ASSERT_NE(rt_string_assign(&o.s, o.s.data, 100), nullptr);
    EXPECT_EQ(contents(o.s), longer);
}

TEST(RtString, EmptyAndNullSourcesGiveAnEmptyTerminatedString) {
    OwnedString o;
    ASSERT_NE(rt_string_assign(&o.s, nullptr, 10), nullptr);
    ASSERT_NE(o.s.data, nullptr);
    EXPECT_STREQ(o.s.data, "");
    EXPECT_EQ(rt_string_length(&o.s), 0u);
    ASSERT_NE(rt_string_assign(&o.s, "abc", -1), nullptr);
    ASSERT_NE(rt_string_assign(&o.s, "abc", 0), nullptr);
    EXPECT_STREQ(o.s.data, "");
}

TEST(RtString, NullDestinationIsRefused) {
    EXPECT_EQ(rt_string_assign(nullptr, "abc", 3), nullptr);
}

TEST(RtString, TemporaryCarriesTheTopBitAndItsText) {
    RtString* t = rt_string_temp("temp", -1);
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(rt_string_is_temp(t));
    EXPECT_EQ(t->length, 4u | RT_STRING_TEMP);
    EXPECT_EQ(rt_string_length(t), 4u);
    EXPECT_STREQ(t->data, "temp");
    rt_string_release_temp(t);
}

TEST(RtString, AssigningIntoATemporaryKeepsItTemporary) {
    RtString* t = rt_string_temp("", 0);
    ASSERT_NE(t, nullptr);
    ASSERT_NE(rt_string_assign(t, "longer text", -1), nullptr);
    EXPECT_TRUE(rt_string_is_temp(t));
    EXPECT_EQ(rt_string_length(t), 11u);
    rt_string_release_temp(t);
}

TEST(RtString, ReleaseLeavesStringsThatAreNotTemporaries) {
    RtString owned{nullptr, 0, 0};
    ASSERT_NE(rt_string_assign(&owned, "kept", -1), nullptr);
    rt_string_release_temp(&owned);
    EXPECT_STREQ(owned.data, "kept");
    rt_string_clear(&owned);
    rt_string_release_temp(nullptr);
}

TEST(RtString, ClearEmptiesTheStringButKeepsTheTemporaryMark) {
    RtString* t = rt_string_temp("abc", 3);
    ASSERT_NE(t, nullptr);
    rt_string_clear(t);
    EXPECT_EQ(t->data, nullptr);
    EXPECT_EQ(t->capacity, 0u);
    EXPECT_EQ(rt_string_length(t), 0u);
    EXPECT_TRUE(rt_string_is_temp(t));
    rt_string_release_temp(t);
}

TEST(RtString, LengthAndTempQueriesAcceptNull) {
    EXPECT_EQ(rt_string_length(nullptr), 0u);
    EXPECT_FALSE(rt_string_is_temp(nullptr));
}

} // namespace
