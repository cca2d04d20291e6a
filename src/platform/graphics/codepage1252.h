// The desktop's single-byte code page, Windows-1252: Latin-1, but with its own signs (€, “, –, …)
// on 0x80 to 0x9F, where five codes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for no character.
#pragma once

// The character of a code; 0 for the five undefined codes.
char16_t windows1252Char(unsigned char code);
// The same, but the five undefined codes stand for the C1 controls of the same value, so that every
// byte survives a round trip through text.
char16_t windows1252CharOrControl(unsigned char code);
// The code of a character; -1 when the code page lacks it.
int windows1252Code(char16_t c);
