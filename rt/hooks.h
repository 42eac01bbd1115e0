// The table through which the console runtime's statements reach a graphics screen.
//
// Each console statement looks at its slot before doing its own console work: when the slot is set,
// the statement calls it instead. The graphics library fills every slot while a screen is open and
// clears them all when it closes.
#pragma once

#include <cstdint>

#include "rt/string.h"

struct RuntimeHooks {
    RtString* (*inkey)();                                   //  0 read a key without waiting
    int (*getkey)();                                        //  1 wait for a key
    int (*keyhit)();                                        //  2 is a key waiting
    void (*cls)(int mode);                                  //  3 clear the screen
    int (*color)(int fg, int bg);                           //  4 set text colours
    int (*locate)(int row, int column, int cursor);         //  5 place the text cursor
    int (*width)(int columns, int rows);                    //  6 set text columns and rows
    int (*get_column)();                                    //  7 current text column
    int (*get_row)();                                       //  8 current text row
    void (*get_position)(int* column, int* row);            //  9 text cursor position
    void (*get_size)(int* columns, int* rows);              // 10 text size
    void (*print)(const char* text, int length, int flags); // 11 print text
    void (*print_wide)(const uint16_t* text, int length, int flags); // 12 print wide text
    char* (*line_input)(char* buffer, int size);                     // 13 read one line
    int (*multikey)(int scancode);                                   // 14 is this key down
    int (*getmouse)(int* x, int* y, int* wheel, int* buttons);       // 15 read the mouse
    int (*setmouse)(int x, int y, int cursor);                       // 16 place the mouse
    int (*port_in)(uint16_t port);                                   // 17 read an emulated port
    int (*port_out)(uint16_t port, uint8_t value);                   // 18 write an emulated port
    void (*view_update)();                                           // 19 console view bookkeeping
    int (*input_line)(RtString* prompt, void* dest, int size, int kind, int question,
                      int newline); // 20 input a line
    int (*input_line_wide)(const uint16_t* prompt, uint16_t* dest, int size, int question,
                           int newline);               // 21 input a wide line
    int (*screen_cell)(int column, int row, int mode); // 22 text cell contents
    void (*sleep)(int ms);                             // 23 sleep or wait for a key
    int (*reserved)();                                 // 24 consulted by no statement
};

// The runtime's one hook table; all slots null while no graphics screen is open.
extern RuntimeHooks rt_hooks;
