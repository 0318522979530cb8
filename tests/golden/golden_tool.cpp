// tarsel_golden: records the golden digests, or shows one function's cases.
//
//   tarsel_golden record FILE   the digest of every function, into FILE
//                               (only from an x86-64 GCC build, the reference)
//   tarsel_golden dump NAME     every case of NAME, one a line: arguments ->
//                               results in hex; diff two builds' dumps to
//                               find the cases where they differ
//   tarsel_golden list          the function names
#include <cstring>
#include <iostream>
#include <string>

#include "tests/golden/digest_file.hpp"
#include "tests/golden/golden_table.hpp"

using namespace tarsel_golden;

namespace {

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
const bool is_reference_build = true;
const char *const build_name = "x86-64 GCC " __VERSION__;
#else
const bool is_reference_build = false;
const char *const build_name = "not the reference build";
#endif

int usage()
{
    std::cerr << "usage: tarsel_golden record FILE | dump NAME | list\n";
    return 2;
}

int record(const std::string &path)
{
    if (!is_reference_build) {
        std::cerr << "tarsel_golden: the digests are recorded from an x86-64 GCC build; every other build must "
                     "reproduce them\n";
        return 1;
    }
    std::string comment = std::string("# Golden digests: SHA-256 of each function's result bits over its seeded cases\n"
                                      "# (tests/golden).  Recorded by tests/golden/record.sh from an ") +
                          build_name + " build.\n";
    if (!write_digest_file(path, comment)) {
        std::cerr << "tarsel_golden: cannot write " << path << "\n";
        return 1;
    }
    return 0;
}

int dump(const std::string &name)
{
    const GoldenRow *row = find_row(name);
    if (!row) {
        std::cerr << "tarsel_golden: no function named " << name << "\n";
        return 1;
    }
    DumpingSink sink(std::cout);
    run_cases(*row, sink);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "list") == 0) {
        for (const GoldenRow &row : golden_rows())
            std::cout << row.name << '\n';
        return 0;
    }
    if (argc != 3)
        return usage();
    if (std::strcmp(argv[1], "record") == 0)
        return record(argv[2]);
    if (std::strcmp(argv[1], "dump") == 0)
        return dump(argv[2]);
    return usage();
}
