#pragma once
// The field notation of graphics command records and settings lines:
// Iw, Ew.d, Fw.d, Aw written; Iw, Ew.d, Fw.d, Gw.d, Aw read.
//
// Writers fill exactly w characters at `out` (right-justified numbers,
// left-aligned text); a number that does not fit becomes w asterisks.
// Every rounding is to the nearest, halves away from zero, applied to the
// shortest decimal form of the value (so 0.15 in F4.1 gives " 0.2").
// Readers ignore blanks anywhere in the field, read an all-blank field as 0
// and return nothing when the field cannot be read.

#include <optional>
#include <string>
#include <string_view>

namespace plv::fmt {

void write_int(char* out, int width, long long value);
void write_exp(char* out, int width, int decimals, double value);
void write_fixed(char* out, int width, int decimals, double value);
void write_text(char* out, int width, std::string_view text);

// A real rounded to the nearest integer (halves away from zero) in Iw.
void write_rounded_int(char* out, int width, double value);

std::optional<long long> read_int(std::string_view field);
// Ew.d, Fw.d and Gw.d read alike: a value written without a decimal point
// is divided by 10 to the power `decimals`.
std::optional<double> read_real(std::string_view field, int decimals);

// Conveniences returning the w characters as a string.
std::string int_text(int width, long long value);
std::string exp_text(int width, int decimals, double value);
std::string fixed_text(int width, int decimals, double value);

// Nearest integer, halves away from zero; nothing when out of range.
std::optional<long long> round_half_away(double value);

}  // namespace plv::fmt
