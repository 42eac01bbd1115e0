// Library-wide tables that other parts of the library read while a screen is open.
#pragma once

#include <cstdint>

// A table of 32-bit entries that lives exactly as long as a screen: set-mode allocates it
// zero-filled for every screen it opens and frees it (leaving null) when the screen closes.
struct ScreenTable {
    uint32_t** storage; // the library-wide pointer to the table
    int entries;
};

// Every such table, ended by a row with null storage. Each part that reads one defines its row.
extern const ScreenTable SCREEN_TABLES[];
