#include "JsonText.h"

#include <gtest/gtest.h>

namespace tilvora {
namespace {

TEST(JsonString, EscapesExactlyAsTheRepliesRequire) {
    const struct {
        std::string bytes;
        std::string json;
    } cases[] = {
        {"", "\"\""},
        {"cat", "\"cat\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\\u007f\""},
        {"\xe9\xff", "\"\\u00e9\\u00ff\""},
        {std::string("a\0b", 3), "\"a\\u0000b\""},
        {"/ <>", "\"/ <>\""},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(JsonString(test.bytes), test.json);
    }
}

} // namespace
} // namespace tilvora
