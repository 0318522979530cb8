#include "tests/golden/case_source.hpp"

#include <emmintrin.h>

#include <cstring>

namespace tarsel_golden {

namespace {

const std::uint64_t sign_bit = 0x8000000000000000ULL;
const std::uint64_t significand_mask = 0x000FFFFFFFFFFFFFULL;
const std::uint64_t infinity_bits = 0x7FF0000000000000ULL;
const std::uint64_t one_bits = 0x3FF0000000000000ULL;
const int largest_finite_field = 2046;

std::uint64_t exponent_field(std::uint64_t bits) { return (bits >> 52) & 0x7FF; }

std::uint64_t make_bits(std::uint64_t sign, long long field, std::uint64_t significand)
{
    if (field < 0)
        field = 0;
    if (field > largest_finite_field)
        field = largest_finite_field;
    return sign | (std::uint64_t(field) << 52) | (significand & significand_mask);
}

// Pairs that every function must get right whatever its working range:
// signed zeros, a zero high part with a non-zero low part, subnormals, the
// largest doubles and the largest double-double, infinities, quiet and
// signalling NaNs with payloads and of either sign, a finite high part
// beside a NaN or infinite low part, and +-1 with and without a low part.
const PairBits special_pairs[] = {
    {0, 0},
    {sign_bit, 0},
    {0, sign_bit},
    {sign_bit, sign_bit},
    {0, 1},
    {sign_bit, sign_bit | 1},
    {1, 0},
    {sign_bit | 1, 0},
    {0x000FFFFFFFFFFFFFULL, 0},
    {0x0010000000000000ULL, 0},
    {sign_bit | 0x0010000000000000ULL, 0x8000000000000001ULL},
    {0x7FEFFFFFFFFFFFFFULL, 0},
    {0x7FEFFFFFFFFFFFFFULL, 0x7C9FFFFFFFFFFFFFULL},
    {sign_bit | 0x7FEFFFFFFFFFFFFFULL, sign_bit | 0x7C9FFFFFFFFFFFFFULL},
    {0x7FEFFFFFFFFFFFFFULL, 0x7FEFFFFFFFFFFFFFULL},
    {infinity_bits, 0},
    {sign_bit | infinity_bits, 0},
    {infinity_bits, one_bits},
    {0x7FF8000000000000ULL, 0},
    {0x7FF80000DEADBEEFULL, 0},
    {0xFFF8000000000001ULL, 0},
    {0x7FF0000000000001ULL, 0},
    {0x7FF400000C0FFEE0ULL, one_bits},
    {one_bits, 0x7FF8000000000000ULL},
    {one_bits, 0x7FF0000000000123ULL},
    {one_bits, infinity_bits},
    {one_bits, sign_bit | infinity_bits},
    {one_bits, 0},
    {sign_bit | one_bits, 0},
    {one_bits, 0x3C30000000000000ULL},
    {one_bits, sign_bit | 0x3C30000000000000ULL},
    {0x3FE0000000000000ULL, 0},
    {0x4000000000000000ULL, 0},
};

// Unbiased binary exponents of a product (or quotient) at the edges of the
// range: the subnormal range, around 1, and the overflow threshold.
const int range_edge_exponents[] = {-1075, -1074, -1023, -1022, -1, 0, 1, 1022, 1023, 1024};

const char *const special_words[] = {"nan", "NaN", "NAN", "inf", "Inf", "INFINITY", "infinity",
                                     "nan(123)", "in", "na", "nanx", "iNf"};

const char *const trailing_junk[] = {"x", " ", "e", ".", "+", "-", "..5", "e+", "_1", "E-", "\t7"};

std::uint64_t name_hash(const std::string &name)
{
    std::uint64_t h = 0xCBF29CE484222325ULL; // FNV-1a
    for (unsigned char c : name) {
        h ^= c;
        h *= 0x100000001B3ULL;
    }
    return h;
}

} // namespace

tarsel to_tarsel(PairBits bits)
{
    unsigned char bytes[16];
    for (int i = 0; i < 8; i++) {
        bytes[i] = static_cast<unsigned char>(bits.hi >> (8 * i));
        bytes[8 + i] = static_cast<unsigned char>(bits.lo >> (8 * i));
    }
    return _mm_castsi128_pd(_mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes)));
}

PairBits bits_of(tarsel x)
{
    unsigned char bytes[16];
    _mm_storeu_si128(reinterpret_cast<__m128i *>(bytes), _mm_castpd_si128(x));
    PairBits bits = {0, 0};
    for (int i = 7; i >= 0; i--) {
        bits.hi = (bits.hi << 8) | bytes[i];
        bits.lo = (bits.lo << 8) | bytes[8 + i];
    }
    return bits;
}

std::uint64_t double_bits(double d)
{
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

CaseSource::CaseSource(std::uint64_t seed) : state_(seed) {}

CaseSource CaseSource::for_function(const std::string &name)
{
    return CaseSource(name_hash(name) ^ 0x7A25E1D1CE5EED5ULL);
}

// splitmix64 (Steele, Lea and Flood 2014).
std::uint64_t CaseSource::next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t CaseSource::below(std::uint64_t bound) { return next() % bound; }

std::uint64_t CaseSource::random_sign() { return next() & sign_bit; }

// Sign first, then significand, each in a statement of its own: compilers
// evaluate the arguments of one call in different orders.
std::uint64_t CaseSource::random_double_bits(long long field)
{
    std::uint64_t sign = random_sign();
    std::uint64_t significand = next();
    return make_bits(sign, field, significand);
}

// A low part below half an ulp of hi, of either sign, or zero where that
// would fall below the subnormal range.
std::uint64_t CaseSource::normalised_low_part(std::uint64_t hi)
{
    long long field = (long long)exponent_field(hi) - 54 - (long long)below(4);
    if (field <= 0 || exponent_field(hi) == 0x7FF)
        return 0;
    return random_double_bits(field);
}

PairBits CaseSource::working_value(const Domain &domain)
{
    long long exponent = domain.min_exponent + (long long)below(domain.max_exponent - domain.min_exponent + 1);
    if ((int)below(100) < domain.integral_percent) {
        if (exponent < 0)
            exponent = 0;
        std::uint64_t fraction_bits = exponent < 52 ? (significand_mask >> exponent) : 0;
        return {random_double_bits(exponent + 1023) & ~fraction_bits, 0};
    }
    std::uint64_t hi = random_double_bits(exponent + 1023);
    return {hi, below(8) == 0 ? 0 : normalised_low_part(hi)};
}

PairBits CaseSource::wide_value()
{
    std::uint64_t hi = random_double_bits((long long)below(largest_finite_field + 1));
    return {hi, below(8) == 0 ? 0 : normalised_low_part(hi)};
}

PairBits CaseSource::special_value()
{
    return special_pairs[below(sizeof special_pairs / sizeof special_pairs[0])];
}

// An edge, or a neighbour up to three ulps away, of either sign.
PairBits CaseSource::edge_value(const Domain &domain)
{
    if (domain.edges.empty())
        return special_value();
    std::uint64_t bits = double_bits(domain.edges[below(domain.edges.size())]);
    std::uint64_t sign = bits & sign_bit, magnitude = bits & ~sign_bit;
    long long step = (long long)below(7) - 3;
    if (step < 0 && magnitude < std::uint64_t(-step))
        step = 0;
    magnitude += (std::uint64_t)step;
    if (magnitude > infinity_bits)
        magnitude = infinity_bits;
    if (below(4) == 0)
        sign ^= sign_bit;
    std::uint64_t hi = sign | magnitude;
    return {hi, below(2) == 0 ? 0 : normalised_low_part(hi)};
}

// A pair whose low part is not below half an ulp of the high part, up to
// larger than it.
PairBits CaseSource::unnormalised_value(const Domain &domain)
{
    PairBits v = working_value(domain);
    long long field = (long long)exponent_field(v.hi) - ((long long)below(64) - 4);
    return {v.hi, random_double_bits(field)};
}

PairBits CaseSource::value(const Domain &domain)
{
    std::uint64_t kind = below(64);
    if (kind < 30)
        return working_value(domain);
    if (kind < 46)
        return wide_value();
    if (kind < 54)
        return edge_value(domain);
    if (kind < 60)
        return special_value();
    return unnormalised_value(domain);
}

PairBits CaseSource::partner(PairBits first, const Domain &domain)
{
    std::uint64_t kind = below(16);
    if (kind < 10)
        return value(domain);
    if (kind == 10)
        return first;
    if (kind == 11)
        return {first.hi ^ sign_bit, first.lo ^ sign_bit};
    if (kind == 12)
        return {first.hi, normalised_low_part(first.hi)};
    if (kind == 13)
        return {first.hi, first.lo ^ 1};
    long long first_exponent = (long long)exponent_field(first.hi) - 1023;
    long long edge = range_edge_exponents[below(sizeof range_edge_exponents / sizeof range_edge_exponents[0])];
    edge += (long long)below(3) - 1;
    long long exponent = kind == 14 ? edge - first_exponent : first_exponent - edge;
    std::uint64_t hi = random_double_bits(exponent + 1023);
    return {hi, normalised_low_part(hi)};
}

tarsel_complex CaseSource::complex_value(const Domain &domain)
{
    PairBits real = value(domain), imag = value(domain);
    std::uint64_t kind = below(8);
    if (kind == 0)
        imag = real;
    else if (kind == 1)
        imag = {real.hi ^ sign_bit, real.lo ^ sign_bit};
    else if (kind == 2)
        imag = {0, 0};
    else if (kind == 3)
        real = {0, 0};
    tarsel_complex z;
    z.real = to_tarsel(real);
    z.imag = to_tarsel(imag);
    return z;
}

std::string CaseSource::digit_run(int max_length)
{
    std::string digits;
    int length = (int)below((std::uint64_t)max_length + 1);
    for (int i = 0; i < length; i++)
        digits += char('0' + below(10));
    return digits;
}

std::string CaseSource::decimal_text()
{
    std::string text;
    if (below(8) == 0) {
        std::uint64_t first = below(4);
        text += std::string(" \t\n\r").substr(first, 1 + below(2));
    }
    std::uint64_t sign = below(4);
    if (sign == 0)
        text += '-';
    else if (sign == 1)
        text += '+';
    if (below(16) == 0) {
        text += special_words[below(sizeof special_words / sizeof special_words[0])];
        return text;
    }
    std::uint64_t integer_kind = below(8);
    if (integer_kind == 1)
        text += std::string(1 + below(30), '0');
    if (integer_kind != 0)
        text += digit_run(integer_kind < 6 ? 17 : 40);
    if (below(2) == 0)
        text += "." + digit_run(40);
    if (below(3) == 0) {
        text += below(2) == 0 ? 'e' : 'E';
        std::uint64_t exponent_sign = below(3);
        if (exponent_sign == 0)
            text += '-';
        else if (exponent_sign == 1)
            text += '+';
        std::uint64_t exponent_kind = below(4);
        if (exponent_kind == 0)
            text += std::to_string(below(1000));
        else if (exponent_kind == 1)
            text += std::to_string(290 + below(40));
        else if (exponent_kind == 2)
            text += digit_run(9);
        else
            text += std::to_string(below(10));
    }
    if (below(8) == 0)
        text += trailing_junk[below(sizeof trailing_junk / sizeof trailing_junk[0])];
    return text;
}

void CaseSource::record_bytes(unsigned char out[16])
{
    PairBits bits;
    if (below(2) == 0) {
        bits.hi = next();
        bits.lo = next();
    } else {
        bits = value(Domain{-1022, 1023, {}, 0});
    }
    for (int i = 0; i < 8; i++) {
        out[i] = static_cast<unsigned char>(bits.hi >> (8 * i));
        out[8 + i] = static_cast<unsigned char>(bits.lo >> (8 * i));
    }
}

} // namespace tarsel_golden
