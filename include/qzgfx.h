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
constexpr int SCREEN_FULLSCREEN = 0x1;      // full screen instead of a window
constexpr int SCREEN_OPENGL = 0x2;          // an OpenGL window: the program draws with OpenGL
constexpr int SCREEN_NO_SWITCH = 0x4;       // no Alt+Enter switch between window and full screen
constexpr int SCREEN_STENCIL_BUFFER = 0x10; // OpenGL screens: ask for a stencil buffer
constexpr int SCREEN_ACCUM_BUFFER = 0x20;   // OpenGL screens: ask for an accumulation buffer
constexpr int SCREEN_NULL = -1;             // the whole flags value: a framebuffer and no window

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

// How large a software screen is shown on the display, for the open screen and later ones:
// 1 to 8 shows each framebuffer pixel as a factor x factor block of display pixels (never
// smoothed); 0, the default, chooses by itself: the display's DPI over 96 rounded to the nearest
// whole number (1 at 96 DPI), lowered until the window fits the display's work area; -1 changes
// nothing. Returns the setting before the call; any other factor is runtime error 1 and changes
// nothing. An open window is made again at once at the new scale. A full screen that the display
// cannot show in a mode of the screen's own size is a borderless window over the whole display
// instead, with the picture at the largest whole scale that fits, centred on black; it does not
// use this setting. OpenGL screens are never scaled. The mouse functions always speak in
// framebuffer pixels.
int gfx_window_scale(int factor);

// --- drawing into the framebuffer ---------------------------------------------------------------

// Locks the screen for drawing and returns the first byte of the work page; null without a screen.
// A pixel is one byte (a palette index) at depth 8 or less, a 5-6-5 uint16_t at depth 16 and a
// 0x00RRGGBB uint32_t at depth 32. Keep the lock short: the window is not updated while it is held.
uint8_t* gfx_screen_lock();

// Gives the lock back and marks rows first..last as changed, so the display shows them.
void gfx_screen_unlock(int first_row, int last_row);

// A true colour 0x00RRGGBB as the open screen's pixel value (5-6-5 on 16-bit screens).
uint32_t gfx_colour_to_native(uint32_t colour);

// --- drawing ------------------------------------------------------------------------------------
// Coordinates are floats in pixels, or in the logical units set by gfx_window_coords; they are
// relative to the view (gfx_view) unless the view was set with screen non-zero, and are rounded
// half away from zero. Pixel positions further than 2^30 from the origin are held at that distance
// (and radii at 2^31). Every pixel drawn lies inside the view. A colour is a palette index at 8
// bits or less (masked to the depth), 0x00RRGGBB on deeper screens (5-6-5 at 16 bits; at 32 bits
// all four bytes are stored as given), and GFX_COLOUR_OMITTED stands for the text foreground colour.
// Operations draw into the image that gfx_set_target chose, else into the work page, and mark the
// rows they change for the display. They return 0, or runtime error 1 without a screen, with a
// NaN or infinite coordinate, length or angle, or with an argument outside its range (nothing is
// then drawn and the last point stays). The last point is where the last drawing ended.

// An image drawing can be redirected into (see gfx_set_target, and the images section below for
// its layout): the header, with the pixel rows after it in the same block.
struct ImageBuffer {
    int16_t width;  // width in pixels times 8
    int16_t height; // rows
    // the pixel rows follow, width * bytes_per_pixel bytes each, without padding
    uint8_t* data() { return reinterpret_cast<uint8_t*>(this + 1); }
};

constexpr int GFX_STEP_FIRST = 0x1;    // the first point is relative to the last point drawn
constexpr int GFX_STEP_SECOND = 0x2;   // the second point is relative to the first
constexpr int GFX_LINE = 0;            // gfx_line shapes: a line,
constexpr int GFX_BOX = 1;             // the outline of the box with these corners,
constexpr int GFX_BOX_FILLED = 2;      // or the filled box
constexpr int GFX_CIRCLE_FILLED = 0x4; // gfx_circle: fill the circle (or the pie of an arc)
constexpr uint32_t GFX_COLOUR_OMITTED = 0xFEFF00FFu; // a colour left out
constexpr float GFX_OMITTED = -32768.0f;             // a coordinate or angle left out
constexpr uint16_t GFX_STYLE_SOLID = 0xFFFF;         // gfx_line's solid style

// Sets pixel (x, y) (with GFX_STEP_FIRST: relative to the last point) and makes it the last point.
// A pixel outside the view is not drawn and is no error.
int gfx_pset(float x, float y, uint32_t colour, int step);

// Reads pixel (x, y) into *colour in the form gfx_pset takes (16-bit pixels widened to 0x00RRGGBB
// by repeating each component's top bits). Runtime error 1 outside the view, without a screen or
// with a null colour; the last point stays.
int gfx_point(float x, float y, uint32_t* colour);

// Draws from (x1, y1) to (x2, y2): shape GFX_LINE is a line of max(|dx|, |dy|) + 1 pixels, 8-
// connected, both ends included, the same pixels whichever end comes first; GFX_BOX and
// GFX_BOX_FILLED the box with those corners. style runs along the line from the first point (and
// around an outlined box as the view's border does): bit 15 first, a set bit draws, 0xFFFF is
// solid; filled boxes ignore it. With x1 and y1 both GFX_OMITTED the line starts at the last
// point (GFX_STEP_FIRST is then ignored). step: GFX_STEP_FIRST, GFX_STEP_SECOND. The second point
// becomes the last point.
int gfx_line(float x1, float y1, float x2, float y2, uint32_t colour, int shape, uint16_t style,
             int step);

// Draws a circle, ellipse or arc around (x, y). aspect is the vertical radius over the horizontal
// one and radius the larger of the two (a negative radius counts as its size; with window
// coordinates it scales like x); aspect 0 is the screen's own (1, or 0.5 where rows are
// shown twice), a negative aspect is runtime error 1. start and end (radians) draw the arc from
// start counter-clockwise to end, 0 pointing right and pi/2 up as seen on the screen; a negative
// angle stands for its absolute value and also draws the radius to that end; angles are taken
// modulo 2 pi; GFX_OMITTED for both (or equal angles) draws the whole outline, GFX_OMITTED for one
// of them stands for 0 (start) or 2 pi (end). Outline pixels lie within half a pixel of the true
// curve, 8-connected; a whole outline is closed and symmetric in both axes. flags: GFX_STEP_FIRST
// and GFX_CIRCLE_FILLED, which fills the outline and everything inside it (for an arc, the pie
// between the radii). The centre becomes the last point.
int gfx_circle(float x, float y, float radius, uint32_t colour, float start, float end,
               float aspect, int flags);

// Fills the 4-connected region around (x, y) that pixels of colour border and the view bound, with
// colour fill; border GFX_COLOUR_OMITTED means the fill colour. A start on a border pixel or
// outside the view fills nothing. Memory use is bounded by the view's size, whatever its shape.
// step: GFX_STEP_FIRST. (x, y) becomes the last point. Runtime error 1 also when memory runs out
// (the region may then be partly filled).
int gfx_paint(float x, float y, uint32_t fill, uint32_t border, int step);

// Sets logical coordinates for the view: (x1, y1) lands on its bottom-left pixel and (x2, y2) on
// its top-right one, y growing upward; with screen non-zero y grows downward and (x1, y1) is the
// top-left pixel. The corners are taken in either order and fitted to the view in force now.
// Lengths (radii) scale like x. All four GFX_OMITTED returns to pixels. Runtime error 1 without a
// screen or when the corners share an x or a y.
int gfx_window_coords(float x1, float y1, float x2, float y2, int screen);

// Draws length bytes of text (length -1: up to the terminating zero) with the top-left corner of
// the first character at (x, y), one 8-pixel cell per byte, in a built-in font: font 8, 14 or 16
// is the cell height, 0 the screen's current font. Only the set pixels of the glyphs are drawn;
// control characters are drawn as glyphs. The text cells and the last point are left alone.
int gfx_draw_text(float x, float y, const char* text, int length, uint32_t colour, int font);

// Sets the view, the rectangle (x1, y1)-(x2, y2) in pixels that drawing is clipped to, with a fill
// colour and a border colour one pixel outside it (GFX_COLOUR_OMITTED: none); with screen non-
// zero coordinates stay relative to the screen rather than to the view. Every corner GFX_OMITTED
// gives the whole screen back. Drawing returns to the screen first.
void gfx_view(int x1, int y1, int x2, int y2, uint32_t fill, uint32_t border, int screen);

// Makes image the drawing target, or the screen again with null, and returns image: the view
// becomes the whole image until drawing returns to the screen, whose view comes back. Null with
// runtime error 1 for an image that cannot be the target.
ImageBuffer* gfx_set_target(ImageBuffer* image);

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
constexpr int RT_PRINT_NEWLINE = 0x1;       // end the line after the text
constexpr int RT_PRINT_EVEN_IF_EMPTY = 0x8; // act even when length is 0

// rt_cls's mode when the program gives none.
constexpr int RT_CLS_OMITTED = -65536;

// rt_input's destination kinds.
constexpr int RT_DEST_STRING = 0; // the library's own string record (for its internal callers)
constexpr int RT_DEST_FIXED = 1;  // a char buffer of size bytes, cut to size - 1 and zero-ended

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

// --- timer and random numbers -------------------------------------------------------------------

// Seconds since an arbitrary origin, from the best clock the platform has.
double timer_seconds();

// Seeds the random numbers with seconds truncated to a 32-bit integer, then discards one value.
void seed_random(double seconds);

// A random number in [0, 32767/32768] with 15 bits of resolution.
double random_unit();

// --- images -------------------------------------------------------------------------------------
// An image is a block of pixels a program gets from the library, copies from and to the screen,
// and loads from and saves to files. Its layout: a 16-bit width field holding the width in pixels
// times 8, a 16-bit height in rows, then the rows back to back without padding, each width pixels
// of the image's bytes per pixel (1 at depths 1 to 8, 2 at 16, 4 at 32), in the screen's pixel
// forms above. Only images the library made (and has not destroyed) are taken: any other pointer,
// or an image whose two size fields were changed, is runtime error 1.

// The layout above as a record; ImageBuffer is declared with the drawing operations.

// Modes of gfx_put: how each pixel of the image meets the pixel under it.
constexpr int GFX_PUT_COPY = 0;        // the image's pixel replaces it
constexpr int GFX_PUT_TRANSPARENT = 1; // as COPY, but pixels of the mask colour are skipped
constexpr int GFX_PUT_XOR = 2;         // bits exclusive-or the image's
constexpr int GFX_PUT_AND = 3;         // bits and the image's
constexpr int GFX_PUT_OR = 4;          // bits or the image's
constexpr int GFX_PUT_INVERT = 5;      // the image's pixel with its bits inverted replaces it
constexpr int GFX_PUT_ALPHA = 6;       // blended with the image's pixel (32-bit screens only)

// The mask colours GFX_PUT_TRANSPARENT skips: 0 at 8 bits or less, 0xF81F (magenta) at 16 bits,
// 0xFF00FF (magenta, compared without the top byte) at 32 bits.
constexpr uint32_t GFX_MASK_COLOUR_16 = 0xF81Fu;
constexpr uint32_t GFX_MASK_COLOUR_32 = 0xFF00FFu;

// Makes an image of width 1..4095 by height 1..32767 pixels at depth 1, 2, 4, 8, 15, 16, 24 or 32
// (0: the open screen's; 15 and 24 are kept as 16 and 32), every pixel set to fill, given as the
// drawing operations take a colour: a palette index (masked to the depth) at 8 bits or less, a
// true colour 0x00RRGGBB at 16 bits (stored as 5-6-5) and 32 bits (stored as given, top byte
// included); 0xFEFF00FF is the screen's current foreground colour (0 without a screen or at
// another depth than the screen's). An image of a given depth needs no screen. Null with runtime
// error 1 for any other size or depth, for depth 0 without a screen, or when memory runs out.
// Release it with gfx_image_destroy.
ImageBuffer* gfx_image_create(int width, int height, int depth, uint32_t fill);

// Releases an image the library made; null does nothing. Any other pointer is runtime error 1 and
// is left alone. An image that is the drawing target stops being it (drawing returns to the
// screen) before it is released.
void gfx_image_destroy(ImageBuffer* image);

// The image's width and height in pixels, bytes per pixel, and its first pixel (the rows follow
// back to back); any pointer may be null. 0, or runtime error 1 (outputs untouched) for a null
// or foreign image.
int gfx_image_info(const ImageBuffer* image, int* width, int* height, int* bytes_per_pixel,
                   uint8_t** pixels);

// Loads a BMP (8 bits uncompressed or RLE8, 24 bits, 32 bits; stored bottom up or top down) or a
// TGA (types 2 and 10, 24 or 32 bits; turned upright and unmirrored by its descriptor) as a new
// image at the open screen's depth; the file's contents decide, not its name. On a screen of 8
// bits or less an 8-bit file keeps its indices (masked to the depth) and a true-colour file takes
// the nearest colour of the current palette (the lowest index among equals). On a 16- or 32-bit
// screen an 8-bit file goes through its own palette; at 32 bits the top byte is the file's alpha
// for files that carry alpha, else 0, as in every colour the library draws. Null with runtime
// error 1 without a screen, for a missing file, a file of any other kind, a picture larger than
// an image can be, or when memory runs out.
ImageBuffer* gfx_image_load(const char* path);

// The kinds of file gfx_image_decode reads.
constexpr int GFX_FILE_BMP = 1;
constexpr int GFX_FILE_TGA = 2;

// A BMP or TGA file decoded as it is stored, for a program that converts the pixels itself (into
// a texture, say): nothing is turned upright, unmirrored or matched to a screen.
struct DecodedImage {
    int32_t width;           // pixels, at least 1
    int32_t height;          // rows, at least 1
    int file_kind;           // GFX_FILE_BMP or GFX_FILE_TGA
    int file_bits;           // bits per pixel as stored in the file: 8, 24 or 32
    int channels;            // bytes per pixel: 1 (a palette index), 3 (R G B) or 4 (R G B A)
    bool run_length;         // the file stores its pixels run-length encoded (RLE8, TGA type 10)
    bool top_down;           // the file stores the top row first (else the bottom row)
    bool right_to_left;      // the file stores each row's rightmost pixel first (TGAs only)
    bool has_alpha;          // the fourth channel is the file's alpha (else it is 255)
    uint8_t* pixels;         // width * height * channels bytes, rows in file order, no padding
    uint8_t palette[256][3]; // with one channel: red, green, blue of each index (black where the
                             // file stores no entry)
};

// Decodes the file at path into *out: a BMP (8 bits uncompressed or RLE8, 24 bits, 32 bits) when
// it starts with "BM", else a TGA (types 2 and 10, 24 or 32 bits, image ID and colour map
// skipped). Rows and pixels keep the order the file stores them in, and bytes the file ends
// before read as 0; a BMP must hold at least one whole stored row, and a TGA run-length packet
// that runs past the last pixel fails. Needs no screen. 0, or runtime error 1 with *out untouched
// for a null argument, a missing file, a file of any other kind, a picture larger than the file
// can describe, or when memory runs out. Release the pixels with gfx_image_decode_free.
int gfx_image_decode(const char* path, DecodedImage* out);

// Releases the pixels gfx_image_decode gave image and sets its pixel pointer to null; null, or an
// image whose pixels were released already, does nothing.
void gfx_image_decode_free(DecodedImage* image);

// Saves an image, or with null the view of the screen's work page (or of the drawing target), as
// a BMP stored bottom up: images of 8 bits or less as 8 bits with the open screen's palette (its
// first 2^depth entries; an image of another depth than the screen's cannot be saved), 16-bit
// images as 24 bits, 32-bit images as 24 bits when every top byte is 0 and else as 32 bits whose
// alpha is the top byte. 0, or runtime error 1 for a foreign image, no screen where one is
// needed, or a file that cannot be written (a partly written file is removed).
int gfx_image_save(const ImageBuffer* image, const char* path);

// Copies the rectangle with corners (x1, y1) and (x2, y2), both included and in either order,
// from the drawing target into the top-left corner of image; the rest of the image is left as it
// was. Coordinates go through the window coordinates and the view as for every drawing operation;
// step takes GFX_STEP_FIRST and GFX_STEP_SECOND, and the second corner becomes the last point.
// 0, or runtime error 1 (nothing copied) without a screen, for a null or foreign image, an image
// of another depth than the screen's, NaN or infinite coordinates, a rectangle larger than the
// image or not wholly inside the view.
int gfx_get(float x1, float y1, float x2, float y2, ImageBuffer* image, int step);

// Draws image with its top-left corner at (x, y) into the drawing target in one of the
// GFX_PUT_* modes, clipped to the view wherever the image lies; (x, y) becomes the last point.
// At 8 bits or less results are masked to the depth; the bit modes at 32 bits work on all 32
// bits. GFX_PUT_ALPHA (32-bit screens only) blends each colour channel as
// (image * a + screen * (255 - a)) / 255, rounded to nearest, with a the image pixel's top byte
// when alpha is -1, else alpha 0..255 for the whole image; the screen pixel keeps its top byte.
// Other modes ignore alpha. Only rows where a pixel was written are marked changed. 0, or
// runtime error 1 (nothing drawn) without a screen, for a null or foreign image, an image of
// another depth than the screen's, the drawing target itself, an unknown mode, GFX_PUT_ALPHA
// below 32 bits or with alpha outside -1..255, or NaN or infinite coordinates.
int gfx_put(float x, float y, const ImageBuffer* image, int mode, int alpha);
