#include "digest/sha256.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// The example messages of FIPS 180, fed in parts of the size given (0: in one piece), so that a hash that
// loses or repeats bytes between parts is caught as well.
TEST(Sha256, FipsExampleVectors) {
    const std::string million(1000000, 'a');
    struct Case {
        std::string message;
        std::size_t part;
        const char* digest;
    };
    const Case cases[] = {
        {"abc", 0, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 0,
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 7,
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {million, 0, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        {million, 65537, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.substr(0, 60) + " in parts of " + std::to_string(c.part));
        digest::Sha256 hash;
        const std::size_t part = c.part == 0 ? c.message.size() : c.part;
        for (std::size_t at = 0; at < c.message.size(); at += part)
            hash.Update(c.message.data() + at, std::min(part, c.message.size() - at));
        const auto digest = hash.Finish();
        ASSERT_TRUE(digest.has_value());
        EXPECT_EQ(digest::HexText(*digest), c.digest);
    }
}

}  // namespace
