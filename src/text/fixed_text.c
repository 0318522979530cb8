/* fixed_text.c -- the exported text and record conversions of tarsel_io.h.
 *
 * Compiled with the same floating-point flags as every other translation unit
 * (SSE2 binary64, no contraction): the digits written and the values read
 * depend on each double-double step being rounded exactly as written.
 */
#include "tarsel/tarsel_io.h"
#include "src/text/powers_of_ten.h"
#include "tarsel/detail/tarsel_seeds.h"

#include <stdio.h>
#include <string.h>

/* --- constants --- */

static const double _tarsel_ten = 10.0;
static const double _tarsel_1e18 = 1e18;                          /* exact */
static const double _tarsel_1e15 = 1e15;                          /* exact */
static const double _tarsel_1e_4 = 0x1.a36e2eb1c432dp-14;         /* 1e-4,   0x3F1A36E2EB1C432D */
static const double _tarsel_1e250 = 0x1.658e3ab795204p+830;       /* 1e250,  0x73D658E3AB795204 */
static const double _tarsel_1e_250 = 0x1.6e93f5da2824cp-831;      /* 1e-250, 0x0C06E93F5DA2824C */
static const double _tarsel_1e300 = 0x1.7e43c8800759cp+996;       /* 1e300,  0x7E37E43C8800759C */

/* --- formatting --- */

/* The integer at or below the sum hi + lo: floor(hi), one less when hi is
   already an integer and a negative lo puts the sum just below it. */
static double _tarsel_floor_sum(double hi, double lo)
{
    double f = floor(hi);
    if (f == hi && lo < 0.0)
        f = f - 1.0;
    return f;
}

/* Writes count truncated digits of frac (0 <= frac < 1) and a terminating
   zero to out.  The last digit is not rounded.  The clamp is written so that
   a NaN digit, which only a pair with an unusable low part can produce,
   becomes 0 and is never converted to int. */
static void _tarsel_write_digits(char *out, tarsel frac, int count)
{
    const tarsel ten = tarsel_from_double(_tarsel_ten);
    for (int i = 0; i < count; i++) {
        double f_hi, f_lo;
        frac = tarsel_mul(frac, ten);
        _tarsel_extract_internal(frac, &f_hi, &f_lo);
        double digit = _tarsel_floor_sum(f_hi, f_lo);
        if (!(digit >= 0.0))
            digit = 0.0;
        if (digit > 9.0)
            digit = 9.0;
        out[i] = (char)('0' + (int)digit);
        frac = tarsel_sub(frac, tarsel_from_double(digit));
    }
    out[count] = '\0';
}

/* "nan", "inf" or "-inf" when hi or lo is not finite; 0 when nothing was
   written.  Only hi decides for a NaN or infinite hi; a finite hi with a NaN
   or infinite lo has no digits to show and is written as that lo. */
static int _tarsel_write_special(char *buf, size_t buf_size, double hi, double lo)
{
    if (hi != hi) {
        snprintf(buf, buf_size, "nan");
        return 1;
    }
    if (_tarsel_is_inf(hi)) {
        snprintf(buf, buf_size, "%s", hi < 0.0 ? "-inf" : "inf");
        return 1;
    }
    if (lo != lo) {
        snprintf(buf, buf_size, "nan");
        return 1;
    }
    if (_tarsel_is_inf(lo)) {
        snprintf(buf, buf_size, "%s", lo < 0.0 ? "-inf" : "inf");
        return 1;
    }
    return 0;
}

/* One leading digit, the fraction and a signed exponent, for x > 0.  The
   first decade estimate comes from the correctly rounded base-10 logarithm,
   so that it does not depend on the platform's libm. */
static void _tarsel_write_exponent_form(char *buf, size_t buf_size, const char *sign, tarsel x, double hi_abs,
                                        int digits)
{
    int exp_val = (int)floor(_tarsel_log10_cr(hi_abs));
    int shift_exp = -exp_val;
    tarsel scaled_x = x;
    /* A first step by 10^250 keeps both the power and the product in range
       for subnormal inputs and for inputs near the overflow threshold. */
    if (shift_exp > 250) {
        scaled_x = tarsel_mul(scaled_x, tarsel_from_double(_tarsel_1e250));
        shift_exp -= 250;
    } else if (shift_exp < -250) {
        scaled_x = tarsel_mul(scaled_x, tarsel_from_double(_tarsel_1e_250));
        shift_exp += 250;
    }
    scaled_x = tarsel_mul(scaled_x, _tarsel_pow10_int(shift_exp));

    /* One decade correction, judged on the high part alone: a scaled value
       of exactly 1 or 10 with a negative low part keeps the leading digit 0. */
    double s_hi, s_lo;
    _tarsel_extract_internal(scaled_x, &s_hi, &s_lo);
    if (fabs(s_hi) >= 10.0) {
        scaled_x = tarsel_div(scaled_x, tarsel_from_double(_tarsel_ten));
        exp_val += 1;
    } else if (fabs(s_hi) < 1.0) {
        scaled_x = tarsel_mul(scaled_x, tarsel_from_double(_tarsel_ten));
        exp_val -= 1;
    }

    _tarsel_extract_internal(scaled_x, &s_hi, &s_lo);
    double s_int_part = _tarsel_floor_sum(s_hi, s_lo);
    char s_int_buf[64];
    snprintf(s_int_buf, sizeof s_int_buf, "%.0f", s_int_part);
    tarsel frac = tarsel_sub(scaled_x, tarsel_from_double(s_int_part));
    char frac_buf[128] = {0};
    _tarsel_write_digits(frac_buf, frac, digits - 1);
    snprintf(buf, buf_size, "%s%s.%se%+d", sign, s_int_buf, frac_buf, exp_val);
}

/* All integer digits, then fraction digits up to `digits` in total. */
static void _tarsel_write_plain_form(char *buf, size_t buf_size, const char *sign, tarsel x, double int_part,
                                     int digits)
{
    char int_buf[128];
    snprintf(int_buf, sizeof int_buf, "%.0f", int_part);
    int int_digits = int_part == 0.0 ? 1 : (int)strlen(int_buf);
    tarsel frac = tarsel_sub(x, tarsel_from_double(int_part));
    int frac_digits_to_extract = digits - int_digits;
    if (frac_digits_to_extract < 0)
        frac_digits_to_extract = 0;
    if (frac_digits_to_extract == 0) {
        snprintf(buf, buf_size, "%s%s", sign, int_buf);
        return;
    }
    char frac_buf[128] = {0};
    _tarsel_write_digits(frac_buf, frac, frac_digits_to_extract);
    snprintf(buf, buf_size, "%s%s.%s", sign, int_buf, frac_buf);
}

void tarsel_to_string_prec(char *buf, size_t buf_size, tarsel x, int digits)
{
    if (buf == NULL || buf_size == 0)
        return;
    if (digits < 1)
        digits = 1;
    if (digits > 60)
        digits = 60;
    double hi, lo;
    _tarsel_extract_internal(x, &hi, &lo);
    if (_tarsel_write_special(buf, buf_size, hi, lo))
        return;

    /* A zero hi takes its sign from lo; -0.0 with lo = 0 is not negative and
       shows its "-" only through the "%.0f" text of the integer part. */
    int is_neg = hi < 0.0 || (hi == 0.0 && lo < 0.0);
    if (is_neg) {
        x = tarsel_sub(tarsel_from_double(0.0), x);
        _tarsel_extract_internal(x, &hi, &lo);
        /* Only a pair whose parts overflow when summed gets here. */
        if (!isfinite(hi) || !isfinite(lo)) {
            snprintf(buf, buf_size, "%s", hi != hi || lo != lo ? "nan" : "-inf");
            return;
        }
    }
    const char *sign = is_neg ? "-" : "";

    double int_part = _tarsel_floor_sum(hi, lo);
    double hi_abs = fabs(hi);
    if (hi_abs > 0.0 && (hi_abs >= _tarsel_1e15 || hi_abs < _tarsel_1e_4))
        _tarsel_write_exponent_form(buf, buf_size, sign, x, hi_abs, digits);
    else
        _tarsel_write_plain_form(buf, buf_size, sign, x, int_part, digits);
}

void tarsel_to_string(char *buf, size_t buf_size, tarsel x)
{
    tarsel_to_string_prec(buf, buf_size, x, 32);
}

void tarsel_print(tarsel x)
{
    char buf[128];
    tarsel_to_string(buf, sizeof buf, x);
    puts(buf);
}

/* --- parsing --- */

static int _tarsel_is_digit(char c)
{
    return c >= '0' && c <= '9';
}

static int _tarsel_is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

/* The double nearest to a chunk below 2^60, by SSE2 steps alone: both 30-bit
   halves convert exactly, scaling the high one is exact, and the one sum
   rounds once, to the same double as a direct conversion.  A direct
   conversion of a 64-bit integer would round in the x87 unit on 32-bit x86,
   at whatever precision its control word then holds. */
static double _tarsel_chunk_to_double(uint64_t chunk)
{
    double high = (double)(int32_t)(chunk >> 30) * 0x1p30;
    double low = (double)(int32_t)(chunk & 0x3FFFFFFF);
    return high + low;
}

/* Integer digits in chunks of 18, each chunk rounded to one double: a chunk
   of up to 18 digits fits an unsigned 64-bit integer exactly. */
static const char *_tarsel_read_integer(const char *str, tarsel *res)
{
    const tarsel chunk_scale = tarsel_from_double(_tarsel_1e18);
    uint64_t accum = 0;
    int digits = 0;
    for (; _tarsel_is_digit(*str); str++) {
        accum = accum * 10 + (uint64_t)(*str - '0');
        digits += 1;
        if (digits == 18) {
            *res = tarsel_add(tarsel_mul(*res, chunk_scale), tarsel_from_double(_tarsel_chunk_to_double(accum)));
            accum = 0;
            digits = 0;
        }
    }
    if (digits > 0)
        *res = tarsel_add(tarsel_mul(*res, _tarsel_pow10_int(digits)), tarsel_from_double(_tarsel_chunk_to_double(accum)));
    return str;
}

/* Each fraction digit times a running tenth; once the tenth underflows to
   zero further digits add nothing. */
static const char *_tarsel_read_fraction(const char *str, tarsel *res)
{
    const tarsel ten = tarsel_from_double(_tarsel_ten);
    tarsel frac_mult = tarsel_from_double(1.0);
    for (; _tarsel_is_digit(*str); str++) {
        frac_mult = tarsel_div(frac_mult, ten);
        *res = tarsel_add(*res, tarsel_mul(frac_mult, tarsel_from_double((double)(*str - '0'))));
    }
    return str;
}

/* The exponent's value, saturating: a digit read at 100000 or above is
   consumed without effect, so the value never exceeds 999999 and a long run
   of digits costs one comparison each. */
static const char *_tarsel_read_exponent(const char *str, int *exp_neg, int *exp_val)
{
    *exp_neg = 0;
    *exp_val = 0;
    if (*str == '-') {
        *exp_neg = 1;
        str++;
    } else if (*str == '+') {
        str++;
    }
    for (; _tarsel_is_digit(*str); str++) {
        if (*exp_val < 100000)
            *exp_val = *exp_val * 10 + (*str - '0');
    }
    return str;
}

/* res times 10^exp_val or, for a negative exponent, divided by 10^exp_val,
   in steps of 1e300 so that each power stays in range. */
static tarsel _tarsel_apply_exponent(tarsel res, int exp_neg, int exp_val)
{
    const tarsel big_step = tarsel_from_double(_tarsel_1e300);
    int e = exp_val;
    if (exp_neg) {
        while (e > 300) {
            res = tarsel_div(res, big_step);
            e -= 300;
        }
        return tarsel_div(res, _tarsel_pow10_int(e));
    }
    while (e > 300) {
        res = tarsel_mul(res, big_step);
        e -= 300;
    }
    return tarsel_mul(res, _tarsel_pow10_int(e));
}

tarsel tarsel_from_string(const char *str)
{
    if (str == NULL)
        return tarsel_from_double(0.0);
    while (_tarsel_is_blank(*str))
        str++;
    int is_neg = 0;
    if (*str == '-') {
        is_neg = 1;
        str++;
    } else if (*str == '+') {
        str++;
    }
    /* The sign is not applied to NaN. */
    if (_tarsel_strncasecmp3(str, "nan") == 0)
        return _tarsel_nan();
    if (_tarsel_strncasecmp3(str, "inf") == 0)
        return tarsel_from_double(is_neg ? -(double)INFINITY : (double)INFINITY);

    tarsel res = tarsel_from_double(0.0);
    str = _tarsel_read_integer(str, &res);
    if (*str == '.')
        str = _tarsel_read_fraction(str + 1, &res);
    if (*str == 'e' || *str == 'E') {
        int exp_neg, exp_val;
        str = _tarsel_read_exponent(str + 1, &exp_neg, &exp_val);
        res = _tarsel_apply_exponent(res, exp_neg, exp_val);
    }
    /* A subtraction from zero, so "-0" reads as +0.0. */
    if (is_neg)
        res = tarsel_sub(tarsel_from_double(0.0), res);
    return res;
}

/* --- the 16-byte record --- */

void tarsel_to_bytes(uint8_t *out, tarsel x)
{
    if (out == NULL)
        return;
    double hi, lo;
    tarsel_extract(x, &hi, &lo);
    memcpy(out, &hi, sizeof hi);
    memcpy(out + 8, &lo, sizeof lo);
}

tarsel tarsel_from_bytes(const uint8_t *in)
{
    if (in == NULL)
        return tarsel_from_double(0.0);
    double hi, lo;
    memcpy(&hi, in, sizeof hi);
    memcpy(&lo, in + 8, sizeof lo);
    return tarsel_from_hi_lo(hi, lo);
}
