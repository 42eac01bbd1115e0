// qzgfx: classic-style graphics screens for Windows programs, and the console runtime they plug into.
//
// This is the one header a program includes. With CMake:
//     find_package(qzgfx CONFIG REQUIRED)
//     target_link_libraries(app PRIVATE qzgfx::qzgfx)
//
// A program calls rt_start first, opens a screen with gfx_screen or gfx_screen_res, draws into the
// work page between gfx_screen_lock and gfx_screen_unlock, shows it (gfx_flip, gfx_screen_set),
// and talks to the user through the runtime's statements, which a graphics screen takes over while
// it is open. The screen closes by itself when the program ends. Operations that fail return a
// runtime error number (1: an invalid argument, or no screen open) and record it for rt_last_error.
//
// The environment variable QZGFX picks the display driver: DirectX, GDI or OpenGL, or null for a
// screen with a framebuffer and no window.
#pragma once

#include <cstdint>

// --- starting the runtime -----------------------------------------------------------------------

// Starts the runtime; call it first thing in main with main's arguments.
void rt_start(int argc, char** argv);

// The last runtime error number an operation recorded (0 when none did).
int rt_last_error();

// --- screens ------------------------------------------------------------------------------------

// Flags of gfx_screen and gfx_screen_res; 0 asks for a window with a software framebuffer.
#ifndef QZGFX_SCREEN_FLAGS_DEFINED
#define QZGFX_SCREEN_FLAGS_DEFINED
constexpr int SCREEN_FULLSCREEN = 0x1;     // full screen instead of a window
constexpr int SCREEN_OPENGL = 0x2;         // an OpenGL window: the program draws with OpenGL
constexpr int SCREEN_NO_SWITCH = 0x4;      // no Alt+Enter switch between window and full screen
constexpr int SCREEN_STENCIL_BUFFER = 0x10; // OpenGL screens: ask for a stencil buffer
constexpr int SCREEN_ACCUM_BUFFER = 0x20;  // OpenGL screens: ask for an accumulation buffer
constexpr int SCREEN_NULL = -1;            // the whole flags value: a framebuffer and no window
#endif

// Opens numbered mode `mode`, or closes the screen with mode 0. The modes (width x height,
// bits per pixel, text columns x rows):
//    1  320 x 200, 2, 40 x 25        9  640 x 350, 4, 80 x 25      15  400 x 300, 8, 50 x 37
//    2  640 x 200, 1, 80 x 25       10  640 x 350, 1, 80 x 25      16  512 x 384, 8, 64 x 24
//    7  320 x 200, 4, 40 x 25       11  640 x 480, 1, 80 x 30      17  640 x 400, 8, 80 x 25
//    8  640 x 200, 4, 80 x 25       12  640 x 480, 4, 80 x 30      18  640 x 480, 8, 80 x 30
//   13  320 x 200, 8, 40 x 25       14  320 x 240, 8, 40 x 30      19  800 x 600, 8, 100 x 37
//   20  1024 x 768, 8, 128 x 48     21  1280 x 1024, 8, 160 x 64
// For modes 14 and above a depth of 15, 16, 24 or 32 gives a true-colour screen of that size
// (0 keeps the mode's own depth). num_pages framebuffer pages (at least 1); refresh_rate in Hz or
// 0 for any. Returns 0 or a runtime error number; a failed call leaves the old screen open when
// its arguments were invalid.
int gfx_screen(int mode, int depth, int num_pages, int flags, int refresh_rate);

// Opens a screen of any size with depth 8, 15, 16, 24 or 32 (15 and 24 are kept as 16 and 32).
// Returns 0 or a runtime error number.
int gfx_screen_res(int width, int height, int depth, int num_pages, int flags, int refresh_rate);

// The open screen's width and height in pixels, depth in bits (1, 2, 4, 8, 16 or 32) and the
// bytes from one framebuffer row to the next; any pointer may be null. 0, or runtime error 1
// without a screen (the outputs are then 0).
int gfx_screen_info(int* width, int* height, int* depth, int* pitch);

// What the last gfx_screen or gfx_screen_res did to choose a display driver: one line per driver
// tried, with what it answered ("DirectX, full screen: found no display mode of 1280 x 1100 (or
// taller) at 8 bits", "GDI, windowed: opened"). Empty before the first screen and after closing
// one. The text stays valid until the next gfx_screen or gfx_screen_res; the library prints
// nothing itself.
const char* gfx_driver_report();

// --- drawing into the framebuffer ---------------------------------------------------------------

// Locks the screen for drawing and returns the first byte of the work page; null without a screen.
// A pixel is one byte (a palette index) at depth 8 or less, a 5-6-5 uint16_t at depth 16 and a
// 0x00RRGGBB uint32_t at depth 32. Keep the lock short: the window is not updated while it is held.
uint8_t* gfx_screen_lock();

// Gives the lock back and marks rows first..last as changed, so the display shows them.
void gfx_screen_unlock(int first_row, int last_row);

// A true colour 0x00RRGGBB as the open screen's pixel value (5-6-5 on 16-bit screens).
uint32_t gfx_colour_to_native(uint32_t colour);

// --- palettes (screens of 8 bits or less) -------------------------------------------------------

// Sets palette entry index. On 256-colour screens either colour is 0x00BBGGRR with components
// 0..63 (green and blue -1), or colour, green and blue are red, green and blue 0..255; on screens of
// 16 colours or fewer colour picks one of the mode's own colours. An index below 0 restores the
// mode's default palette.
void gfx_palette(int index, int colour, int green, int blue);

// Sets entries 0 .. 2^depth - 1 from values, each as gfx_palette's single colour; a negative value
// keeps its entry.
void gfx_palette_using(const int32_t* values);

// --- pages and presenting -----------------------------------------------------------------------

// Copies page src_page to page dst_page (-1: the work page, the shown page) and presents the
// frame; on OpenGL screens this swaps the buffers.
void gfx_flip(int src_page, int dst_page);

// Chooses the page drawn to and the page shown; -1 keeps a choice, both -1 reset to page 0.
void gfx_screen_set(int work_page, int visible_page);

// Waits for the next vertical retrace. 0, or runtime error 1 without a screen.
int gfx_screen_sync();

// A runtime string; the library hands them out and takes them, programs only pass them on.
struct RtString;

// A temporary string holding length bytes of text (-1: up to its terminating zero).
RtString* rt_string_temp(const char* text, int length);

// Sets the window title (at most 127 characters), also for windows opened later; a temporary
// string from rt_string_temp is released by the call.
void gfx_window_title(RtString* title);

// --- keyboard and mouse -------------------------------------------------------------------------

// Waits for a key and returns its code: a character 1..255 (13 Enter, 27 Escape), an extended key
// as (scancode << 8) | 0xFF (arrows: 72 up, 75 left, 77 right, 80 down), or 0x6BFF when the user
// closes the window. 0 at once without a screen.
int gfx_getkey();

// 1 when a key code is waiting to be read, else 0.
int gfx_keyhit();

// -1 while the key with this PC scancode is down (1 Escape, 28 Enter, 57 Space), else 0.
int rt_multikey(int scancode);

// Reads the mouse: position in pixels, wheel position, buttons (bit 0 left, 1 right, 2 middle).
// 0, or runtime error 1 with all four -1 when there is none to read (no window, the window is not
// active, or the pointer is outside it). Any pointer may be null.
int gfx_getmouse(int* x, int* y, int* wheel, int* buttons);

// Moves the pointer to x, y (when x >= 0) and shows (cursor > 0) or hides (cursor 0) it.
// 0, or runtime error 1 without a window.
int gfx_setmouse(int x, int y, int cursor);

// --- text, through the runtime's statements -----------------------------------------------------
// Without a screen these work on the program's console; while a screen is open they draw on it in
// the screen's built-in font, and the text cursor, colours and size are the screen's.

// Flags of rt_print.
#ifndef QZGFX_PRINT_FLAGS_DEFINED
#define QZGFX_PRINT_FLAGS_DEFINED
constexpr int RT_PRINT_NEWLINE = 0x1;       // end the line after the text
constexpr int RT_PRINT_EVEN_IF_EMPTY = 0x8; // act even when length is 0
#endif

// rt_cls's mode when the program gives none.
#ifndef QZGFX_CLS_OMITTED_DEFINED
#define QZGFX_CLS_OMITTED_DEFINED
constexpr int RT_CLS_OMITTED = -65536;
#endif

// rt_input's destination kinds.
#ifndef QZGFX_DEST_KINDS_DEFINED
#define QZGFX_DEST_KINDS_DEFINED
constexpr int RT_DEST_STRING = 0; // the library's own string record (for its internal callers)
constexpr int RT_DEST_FIXED = 1;  // a char buffer of size bytes, cut to size - 1 and zero-ended
#endif

// Prints length bytes of text at the cursor, scrolling the text view when it reaches the bottom.
void rt_print(const char* text, int length, int flags);

// Clears: mode 0 the whole page, 1 the graphics view, 2 the text view; RT_CLS_OMITTED picks the
// graphics view when one is set, else the page (or the text view when it is narrowed).
void rt_cls(int mode);

// Sets the text foreground and background (-1 keeps one): palette indexes on screens of 8 bits or
// less, 0x00RRGGBB on deeper ones. Returns the previous foreground | background << 16.
int rt_color(int fg, int bg);

// Places the text cursor at row, column (1-based; 0 keeps that coordinate).
void rt_locate(int row, int column);

// The text cursor's row and column (1-based), together or one at a time; any pointer may be null.
void rt_cursor(int* row, int* column);
int rt_cursor_row();
int rt_cursor_column();

// Sets the text size in columns and rows (0 keeps one). A screen takes a size only when its cells
// come out 8 pixels wide and 8, 14 or 16 high (640 x 480: 80 x 30 or 80 x 60); it then clears.
void rt_set_console_size(int columns, int rows);

// The text size in columns and rows; any pointer may be null.
void rt_console_size(int* columns, int* rows);

// Narrows the text view (where printing scrolls) to rows top..bottom, 1-based; 0, 0 gives the whole
// screen back. Reading it gives 0, 0 while the view is the whole screen.
void rt_set_view_rows(int top, int bottom);
void rt_view_rows(int* top, int* bottom);

// The character (mode 0) or the colours (mode 1: foreground + background * 16 on 16-colour
// screens, * 256 on 256-colour ones) printed in the cell at a 1-based column and row; 0 outside.
int rt_screen_cell(int column, int row, int mode);

// Reads one line of up to size - 1 bytes into buffer, with editing. Returns buffer, or null when
// no line could be read.
char* rt_line_input(char* buffer, int size);

// The input statement: prints prompt (null or a temporary from rt_string_temp, released by the
// call), then "? " when question is 1 and there is a prompt, reads a line into dest (kind
// RT_DEST_FIXED: a char buffer of size bytes) and ends the printed line when newline is 1.
// 0; runtime error 4 when no line was read, 1 when dest cannot take it (dest is then unchanged).
int rt_input(RtString* prompt, void* dest, int size, int kind, int question, int newline);

// Reads and writes the old display adapter's emulated ports on a screen: 0x3C7/0x3C8 pick a
// palette entry to read or write, 0x3C9 moves its red, green and blue (0..63) one at a time, 0x3DA
// bit 3 is set during the vertical retrace. -1 without a screen.
int rt_port_in(uint16_t port);
int rt_port_out(uint16_t port, uint8_t value);

// Sleeps ms milliseconds; -1 waits until a key is pressed on a graphics screen.
void rt_sleep(int ms);
