#pragma once
// Constant data kept in flash on the AVR, where it would otherwise be copied into the 2 KiB
// of RAM at start-up, and read with the pgm_read functions; plain data elsewhere (the host
// builds of kavel-board and the tests).

#ifdef __AVR__
#include <avr/pgmspace.h>
#else
#include <string.h>
#define PROGMEM
#define pgm_read_byte(address) (*(address))
#define pgm_read_dword(address) (*(address))
#define pgm_read_ptr(address) (*(address))
#define memcpy_P memcpy
#endif
