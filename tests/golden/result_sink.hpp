// Where the golden cases go: hashed (results only, in a fixed little-endian
// byte order) or written out one case a line with its arguments, so that two
// builds' dumps of a function can be diffed.
//
// A NaN that arithmetic produces is taken by its class, quiet or signalling:
// its sign and payload come from whichever operand the processor sees first,
// and a compiler may swap the operands of + and *, so GCC and Clang give
// different NaN bits for the same source (found by these digests).  Where
// the functions themselves fix every bit of a NaN (negation, absolute value,
// the 16-byte record), result_exact_value keeps them.
#ifndef TARSEL_TEST_RESULT_SINK_HPP
#define TARSEL_TEST_RESULT_SINK_HPP

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "tests/golden/case_source.hpp"
#include "tests/golden/sha256.hpp"
#include "tarsel/tarsel.h"

namespace tarsel_golden {

// A NaN part replaced by the representative of its class.
PairBits nan_by_class(PairBits bits);

class ResultSink {
public:
    virtual ~ResultSink() = default;

    void argument_value(tarsel x) { value(false, bits_of(x)); }
    void argument_complex(tarsel_complex z)
    {
        argument_value(z.real);
        argument_value(z.imag);
    }
    void argument_text(const std::string &text) { this->text(false, text); }
    void argument_bytes(const unsigned char *bytes, std::size_t size) { raw(false, bytes, size); }
    void argument_int(int v) { integer(false, v); }

    void result_value(tarsel x) { value(true, nan_by_class(bits_of(x))); }
    void result_exact_value(tarsel x) { value(true, bits_of(x)); }
    void result_complex(tarsel_complex z)
    {
        result_value(z.real);
        result_value(z.imag);
    }
    void result_double(double d);
    void result_int(int v) { integer(true, v); }
    void result_int64(std::int64_t v);
    void result_text(const char *text) { this->text(true, text); }
    void result_bytes(const unsigned char *bytes, std::size_t size) { raw(true, bytes, size); }

    virtual void end_case() {}

protected:
    virtual void value(bool is_result, PairBits bits) = 0;
    virtual void integer(bool is_result, int v) = 0;
    virtual void text(bool is_result, const std::string &text) = 0;
    virtual void raw(bool is_result, const unsigned char *bytes, std::size_t size) = 0;
};

class HashingSink : public ResultSink {
public:
    std::string hex_digest() { return hash_.hex_digest(); }

protected:
    void value(bool is_result, PairBits bits) override;
    void integer(bool is_result, int v) override;
    void text(bool is_result, const std::string &text) override;
    void raw(bool is_result, const unsigned char *bytes, std::size_t size) override;

private:
    void little_endian(std::uint64_t v, int size);
    Sha256 hash_;
};

// Results are shown as they are hashed, so two dumps differ exactly where
// the digests do.
class DumpingSink : public ResultSink {
public:
    explicit DumpingSink(std::ostream &out) : out_(out) {}
    void end_case() override;

protected:
    void value(bool is_result, PairBits bits) override;
    void integer(bool is_result, int v) override;
    void text(bool is_result, const std::string &text) override;
    void raw(bool is_result, const unsigned char *bytes, std::size_t size) override;

private:
    void field(bool is_result, const std::string &shown);
    std::ostream &out_;
    std::string arguments_, results_;
};

} // namespace tarsel_golden

#endif
