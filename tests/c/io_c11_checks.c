/* Compiled as C11: the text and record header must stay valid C, and its
   exported functions callable from C. */
#include <string.h>

#include "tarsel/tarsel_io.h"
#include "src/text/powers_of_ten.h"

int tarsel_c11_text_round_trip_of_one_half(void)
{
    char buf[64];
    tarsel_to_string_prec(buf, sizeof buf, tarsel_from_string("0.5"), 3);
    return strcmp(buf, "0.50") == 0;
}

int tarsel_c11_record_of_ten_ends_in_zero_low_part(void)
{
    uint8_t record[16];
    tarsel_to_bytes(record, _tarsel_pow10_int(1));
    return record[7] == 0x40 && record[15] == 0x00;
}
