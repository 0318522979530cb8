// Every function's result bits over its seeded cases, hashed and compared
// with the digests recorded from the x86-64 GCC build in
// tests/golden/digests.txt.  Each function is a test of its own, so a
// changed digest names the function.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/golden/digest_file.hpp"
#include "tests/golden/golden_table.hpp"

using namespace tarsel_golden;

namespace {

struct Recorded {
    DigestMap digests;
    std::string problem;
};

const Recorded &recorded()
{
    static const Recorded r = [] {
        Recorded loaded;
        loaded.digests = read_digest_file(TARSEL_GOLDEN_DIGESTS_FILE, &loaded.problem);
        return loaded;
    }();
    return r;
}

std::vector<std::string> row_names()
{
    std::vector<std::string> names;
    for (const GoldenRow &row : golden_rows())
        names.push_back(row.name);
    return names;
}

} // namespace

class GoldenDigest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenDigest, ResultBitsMatchTheRecordedDigest)
{
    const std::string &name = GetParam();
    ASSERT_EQ(recorded().problem, "");
    auto it = recorded().digests.find(name);
    ASSERT_NE(it, recorded().digests.end())
        << "no digest recorded for " << name << "; record with: bash tests/golden/record.sh";
    EXPECT_EQ(digest_of(*find_row(name)), it->second)
        << name << " gives other result bits than the x86-64 GCC build recorded.  To see the cases, diff\n"
        << "  tests/tarsel_golden dump " << name << "\nof this build against build/ctest's.  If the new bits "
        << "are intended, re-record with: bash tests/golden/record.sh";
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, GoldenDigest, ::testing::ValuesIn(row_names()),
                         [](const ::testing::TestParamInfo<std::string> &info) { return info.param; });

TEST(GoldenDigestFile, RecordsNoFunctionThatTheTableLacks)
{
    ASSERT_EQ(recorded().problem, "");
    for (const auto &entry : recorded().digests)
        EXPECT_NE(find_row(entry.first), nullptr)
            << entry.first << " has a recorded digest but no row: re-record with: bash tests/golden/record.sh";
}
