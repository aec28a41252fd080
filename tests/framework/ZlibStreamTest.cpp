#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TZCompressionStream.h"
#include "tessel/framework/TZDecompressionStream.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {
std::vector<uint8_t> Inflate(const std::vector<uint8_t>& compressed)
{
    TMemoryStream in(compressed);
    TZDecompressionStream z(in);
    std::vector<uint8_t> out;
    uint8_t buf[1000];
    while (size_t n = z.Read(buf, sizeof buf))
        out.insert(out.end(), buf, buf + n);
    return out;
}
} // namespace

TEST(ZlibStreams, RoundTripAtTheBestLevel)
{
    std::vector<uint8_t> data;
    for (int i = 0; i < 100000; ++i)
        data.push_back(static_cast<uint8_t>((i * 31) ^ (i >> 7)));
    std::vector<uint8_t> packed = test::Compress(data, 9);
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(packed[0], 0x78);
    EXPECT_EQ(packed[1], 0xDA);
    EXPECT_EQ(Inflate(packed), data);
    EXPECT_EQ(Inflate(test::Compress({})), std::vector<uint8_t> {});
}

TEST(ZlibStreams, CorruptAndTruncatedDataAreDecompressionErrors)
{
    std::vector<uint8_t> packed = test::Compress(std::vector<uint8_t>(5000, 'a'));
    std::vector<uint8_t> truncated(packed.begin(), packed.begin() + static_cast<long>(packed.size() / 2));
    EXPECT_THROW(Inflate(truncated), EZDecompressionError);
    std::vector<uint8_t> corrupt = packed;
    corrupt[0] = 0x12;
    EXPECT_THROW(Inflate(corrupt), EZDecompressionError);
    std::vector<uint8_t> bad_checksum = packed;
    bad_checksum.back() ^= 0xFF;
    EXPECT_THROW(Inflate(bad_checksum), EZDecompressionError);
}
