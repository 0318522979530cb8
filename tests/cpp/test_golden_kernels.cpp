// The vector kernels of the array functions at every instruction-set level
// this processor has, against the digests recorded for the scalar functions
// they compute: the bits may not depend on the level.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/golden/digest_file.hpp"
#include "tests/golden/golden_kernels.hpp"

using namespace tarsel_golden;
using tarsel_engine::simd_level;

namespace {

const simd_level all_levels[] = {simd_level::scalar, simd_level::sse2, simd_level::avx2, simd_level::avx512};

std::vector<std::tuple<std::string, simd_level>> kernel_cases()
{
    std::vector<std::tuple<std::string, simd_level>> cases;
    for (const KernelRow &k : kernel_rows())
        for (simd_level level : all_levels)
            cases.emplace_back(k.name, level);
    return cases;
}

const KernelRow &kernel_named(const std::string &name)
{
    for (const KernelRow &k : kernel_rows())
        if (name == k.name)
            return k;
    throw std::invalid_argument(name);
}

} // namespace

class KernelDigest : public ::testing::TestWithParam<std::tuple<std::string, simd_level>> {};

TEST_P(KernelDigest, MatchesTheScalarFunctionsRecordedDigest)
{
    const std::string &name = std::get<0>(GetParam());
    simd_level level = std::get<1>(GetParam());
    if (int(level) > int(tarsel_engine::supported_level()))
        GTEST_SKIP() << "this processor lacks " << tarsel_engine::level_name(level);
    std::string problem;
    DigestMap recorded = read_digest_file(TARSEL_GOLDEN_DIGESTS_FILE, &problem);
    ASSERT_EQ(problem, "");
    ASSERT_EQ(recorded.count(name), 1u) << "no digest recorded for " << name;
    EXPECT_EQ(kernel_digest(kernel_named(name), level), recorded[name])
        << "the " << tarsel_engine::level_name(level) << " kernel of " << name
        << " gives other bits than the scalar function";
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, KernelDigest, ::testing::ValuesIn(kernel_cases()),
                         [](const ::testing::TestParamInfo<std::tuple<std::string, simd_level>> &info) {
                             return std::get<0>(info.param) + "_" +
                                    tarsel_engine::level_name(std::get<1>(info.param));
                         });
