/* tarsel_io.h -- decimal text and the 16-byte record of a double-double value.
 *
 * Text is written with truncated (never rounded) digits, each one produced by
 * a multiplication by ten in double-double arithmetic, and read back by one
 * forward pass that stops at the first character that does not fit.  The six
 * conversion functions are ordinary exported functions (C linkage, default
 * visibility); the small helpers here are inline.  The powers of ten that
 * the conversions use are in src/text/powers_of_ten.h.
 * Valid C11 and C++17.
 */
#ifndef TARSEL_IO_H
#define TARSEL_IO_H

#include <math.h>
#include <stddef.h>
#include <stdint.h>

#include "tarsel/tarsel.h"

#if defined(__GNUC__)
#define TARSEL_IO_API __attribute__((visibility("default")))
#else
#define TARSEL_IO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* --- internal helpers --- */

static inline int _tarsel_fold_ascii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

/* 0 when the first three characters match with A-Z folded to lower case.
   It stops at the first difference, so a shorter text is never read past its
   terminating zero byte. */
static inline int _tarsel_strncasecmp3(const char *s1, const char *s2)
{
    for (int i = 0; i < 3; i++) {
        int c1 = _tarsel_fold_ascii((unsigned char)s1[i]);
        int c2 = _tarsel_fold_ascii((unsigned char)s2[i]);
        if (c1 != c2)
            return c1 - c2;
        if (c1 == 0)
            return 0;
    }
    return 0;
}

static inline void _tarsel_extract_internal(tarsel x, double *hi, double *lo)
{
    tarsel_extract(x, hi, lo);
}

/* --- text --- */

/* Writes x with `digits` significant digits (clamped to 1..60) into buf, at
   most buf_size bytes including the terminating zero; longer text is cut.
   A null buf or a zero buf_size writes nothing. */
TARSEL_IO_API void tarsel_to_string_prec(char *buf, size_t buf_size, tarsel x, int digits);

/* tarsel_to_string_prec with 32 significant digits. */
TARSEL_IO_API void tarsel_to_string(char *buf, size_t buf_size, tarsel x);

/* The 32-digit text and a newline on standard output. */
TARSEL_IO_API void tarsel_print(tarsel x);

/* The value of the decimal text at str, read up to the first character that
   does not fit; a null str gives zero.  Never reads past the terminating zero. */
TARSEL_IO_API tarsel tarsel_from_string(const char *str);

/* --- the 16-byte record: hi in bytes 0-7, lo in bytes 8-15, host order --- */

/* Writes both parts bit for bit; a null out writes nothing. */
TARSEL_IO_API void tarsel_to_bytes(uint8_t *out, tarsel x);

/* Both parts restored bit for bit, not renormalised; a null in gives zero. */
TARSEL_IO_API tarsel tarsel_from_bytes(const uint8_t *in);

#ifdef __cplusplus
}
#endif

#endif /* TARSEL_IO_H */
