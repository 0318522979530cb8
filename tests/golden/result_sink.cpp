#include "tests/golden/result_sink.hpp"

#include <cstdio>

namespace tarsel_golden {

namespace {

const std::uint64_t exponent_bits = 0x7FF0000000000000ULL;
const std::uint64_t quiet_bit = 0x0008000000000000ULL;
const std::uint64_t payload_bits = 0x000FFFFFFFFFFFFFULL;

std::uint64_t double_by_class(std::uint64_t bits)
{
    bool is_nan = (bits & exponent_bits) == exponent_bits && (bits & payload_bits) != 0;
    if (!is_nan)
        return bits;
    return (bits & quiet_bit) ? exponent_bits | quiet_bit : exponent_bits | 1;
}

} // namespace

PairBits nan_by_class(PairBits bits)
{
    return {double_by_class(bits.hi), double_by_class(bits.lo)};
}

void ResultSink::result_double(double d) { result_value(_mm_set_sd(d)); }

// As two 32-bit integers, the low half first.
void ResultSink::result_int64(std::int64_t v)
{
    std::uint64_t u = static_cast<std::uint64_t>(v);
    integer(true, static_cast<int>(static_cast<std::uint32_t>(u)));
    integer(true, static_cast<int>(static_cast<std::uint32_t>(u >> 32)));
}

void HashingSink::little_endian(std::uint64_t v, int size)
{
    unsigned char bytes[8];
    for (int i = 0; i < size; i++)
        bytes[i] = static_cast<unsigned char>(v >> (8 * i));
    hash_.update(bytes, size);
}

void HashingSink::value(bool is_result, PairBits bits)
{
    if (!is_result)
        return;
    little_endian(bits.hi, 8);
    little_endian(bits.lo, 8);
}

void HashingSink::integer(bool is_result, int v)
{
    if (is_result)
        little_endian(static_cast<std::uint32_t>(v), 4);
}

// The terminating zero is hashed too, so "1" "23" and "12" "3" differ.
void HashingSink::text(bool is_result, const std::string &text)
{
    if (is_result)
        hash_.update(text.c_str(), text.size() + 1);
}

void HashingSink::raw(bool is_result, const unsigned char *bytes, std::size_t size)
{
    if (is_result)
        hash_.update(bytes, size);
}

void DumpingSink::field(bool is_result, const std::string &shown)
{
    std::string &line = is_result ? results_ : arguments_;
    if (!line.empty())
        line += ' ';
    line += shown;
}

void DumpingSink::value(bool is_result, PairBits bits)
{
    char shown[40];
    std::snprintf(shown, sizeof shown, "%016llx:%016llx", static_cast<unsigned long long>(bits.hi),
                  static_cast<unsigned long long>(bits.lo));
    field(is_result, shown);
}

void DumpingSink::integer(bool is_result, int v) { field(is_result, std::to_string(v)); }

void DumpingSink::text(bool is_result, const std::string &text)
{
    std::string shown = "\"";
    for (unsigned char c : text) {
        char escaped[8];
        if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\')
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
        else
            std::snprintf(escaped, sizeof escaped, "%c", c);
        shown += escaped;
    }
    field(is_result, shown + "\"");
}

void DumpingSink::raw(bool is_result, const unsigned char *bytes, std::size_t size)
{
    std::string shown;
    for (std::size_t i = 0; i < size; i++) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
        shown += hex;
    }
    field(is_result, shown);
}

void DumpingSink::end_case()
{
    out_ << arguments_ << " -> " << results_ << '\n';
    arguments_.clear();
    results_.clear();
}

} // namespace tarsel_golden
