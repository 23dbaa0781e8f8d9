// SPDX-License-Identifier: MIT
// The full ASCII table shared by Code 39 and Code 93: every ASCII character outside the
// native set is written as a shift character followed by a capital letter.
#pragma once

namespace varnel {

// The standard pair (shift '$', '%', '/' or '+', as the standards name them, then a letter) for codes 1 to 127 that are not native to both symbologies;
// false for NUL, bytes from 128 and the native characters (digits, capitals, space, "-", ".").
bool full_ascii_pair(unsigned char c, char pair[2]);

// And back: the character a shift and a letter stand for, or NUL when they are no pair.
char full_ascii_char(char shift, char letter);

}  // namespace varnel
