// The stored digests: a text file of "name sha256" lines, '#' starting a
// comment line.
#ifndef TARSEL_TEST_DIGEST_FILE_HPP
#define TARSEL_TEST_DIGEST_FILE_HPP

#include <map>
#include <string>

namespace tarsel_golden {

using DigestMap = std::map<std::string, std::string>;

// Empty when the file cannot be read; a malformed line is an error, named in
// *problem.
DigestMap read_digest_file(const std::string &path, std::string *problem);

// The digest of every row of the table, under the given comment lines.
bool write_digest_file(const std::string &path, const std::string &comment);

} // namespace tarsel_golden

#endif
