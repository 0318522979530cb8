#include "tests/golden/digest_file.hpp"

#include <fstream>
#include <sstream>

#include "tests/golden/golden_table.hpp"

namespace tarsel_golden {

namespace {

bool is_hex_digest(const std::string &s)
{
    if (s.size() != 64)
        return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

} // namespace

DigestMap read_digest_file(const std::string &path, std::string *problem)
{
    DigestMap digests;
    std::ifstream in(path);
    if (!in) {
        *problem = "cannot read " + path;
        return digests;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); number++) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, digest, extra;
        fields >> name >> digest;
        if (!is_hex_digest(digest) || (fields >> extra) || digests.count(name)) {
            *problem = path + ":" + std::to_string(number) + ": not a \"name sha256\" line of a new name: " + line;
            return DigestMap();
        }
        digests[name] = digest;
    }
    return digests;
}

bool write_digest_file(const std::string &path, const std::string &comment)
{
    std::ofstream out(path);
    out << comment;
    for (const GoldenRow &row : golden_rows())
        out << row.name << ' ' << digest_of(row) << '\n';
    return bool(out);
}

} // namespace tarsel_golden
