// Code page 437 as Unicode code points, for picking glyphs out of console fonts.
#include "cp437.h"

const Cp437Char CP437_UNICODE[256] = {
    {{0x0000, 0x0000, 0x0000}}, // 00 blank
    {{0x263A, 0x0000, 0x0000}}, // 01 white smiling face
    {{0x263B, 0x0000, 0x0000}}, // 02 black smiling face
    {{0x2665, 0x0000, 0x0000}}, // 03 black heart suit
    {{0x2666, 0x0000, 0x0000}}, // 04 black diamond suit
    {{0x2663, 0x0000, 0x0000}}, // 05 black club suit
    {{0x2660, 0x0000, 0x0000}}, // 06 black spade suit
    {{0x2022, 0x25CF, 0x0000}}, // 07 bullet
    {{0x25D8, 0x0000, 0x0000}}, // 08 inverse bullet
    {{0x25CB, 0x0000, 0x0000}}, // 09 white circle
    {{0x25D9, 0x0000, 0x0000}}, // 0A inverse white circle
    {{0x2642, 0x0000, 0x0000}}, // 0B male sign
    {{0x2640, 0x0000, 0x0000}}, // 0C female sign
    {{0x266A, 0x0000, 0x0000}}, // 0D eighth note
    {{0x266B, 0x0000, 0x0000}}, // 0E beamed eighth notes
    {{0x263C, 0x2600, 0x0000}}, // 0F white sun with rays
    {{0x25BA, 0x0000, 0x0000}}, // 10 black right-pointing pointer
    {{0x25C4, 0x0000, 0x0000}}, // 11 black left-pointing pointer
    {{0x2195, 0x0000, 0x0000}}, // 12 up down arrow
    {{0x203C, 0x0000, 0x0000}}, // 13 double exclamation mark
    {{0x00B6, 0x0000, 0x0000}}, // 14 pilcrow sign
    {{0x00A7, 0x0000, 0x0000}}, // 15 section sign
    {{0x25AC, 0x0000, 0x0000}}, // 16 black rectangle
    {{0x21A8, 0x0000, 0x0000}}, // 17 up down arrow with base
    {{0x2191, 0x0000, 0x0000}}, // 18 upwards arrow
    {{0x2193, 0x0000, 0x0000}}, // 19 downwards arrow
    {{0x2192, 0x0000, 0x0000}}, // 1A rightwards arrow
    {{0x2190, 0x0000, 0x0000}}, // 1B leftwards arrow
    {{0x221F, 0x0000, 0x0000}}, // 1C right angle
    {{0x2194, 0x0000, 0x0000}}, // 1D left right arrow
    {{0x25B2, 0x0000, 0x0000}}, // 1E black up-pointing triangle
    {{0x25BC, 0x0000, 0x0000}}, // 1F black down-pointing triangle
    {{0x0020, 0x0000, 0x0000}}, // 20 space
    {{0x0021, 0x0000, 0x0000}}, // 21 exclamation mark
    {{0x0022, 0x0000, 0x0000}}, // 22 quotation mark
    {{0x0023, 0x0000, 0x0000}}, // 23 number sign
    {{0x0024, 0x0000, 0x0000}}, // 24 dollar sign
    {{0x0025, 0x0000, 0x0000}}, // 25 percent sign
    {{0x0026, 0x0000, 0x0000}}, // 26 ampersand
    {{0x0027, 0x0000, 0x0000}}, // 27 apostrophe
    {{0x0028, 0x0000, 0x0000}}, // 28 left parenthesis
    {{0x0029, 0x0000, 0x0000}}, // 29 right parenthesis
    {{0x002A, 0x0000, 0x0000}}, // 2A asterisk
    {{0x002B, 0x0000, 0x0000}}, // 2B plus sign
    {{0x002C, 0x0000, 0x0000}}, // 2C comma
    {{0x002D, 0x0000, 0x0000}}, // 2D hyphen-minus
    {{0x002E, 0x0000, 0x0000}}, // 2E full stop
    {{0x002F, 0x0000, 0x0000}}, // 2F solidus
    {{0x0030, 0x0000, 0x0000}}, // 30 digit zero
    {{0x0031, 0x0000, 0x0000}}, // 31 digit one
    {{0x0032, 0x0000, 0x0000}}, // 32 digit two
    {{0x0033, 0x0000, 0x0000}}, // 33 digit three
    {{0x0034, 0x0000, 0x0000}}, // 34 digit four
    {{0x0035, 0x0000, 0x0000}}, // 35 digit five
    {{0x0036, 0x0000, 0x0000}}, // 36 digit six
    {{0x0037, 0x0000, 0x0000}}, // 37 digit seven
    {{0x0038, 0x0000, 0x0000}}, // 38 digit eight
    {{0x0039, 0x0000, 0x0000}}, // 39 digit nine
    {{0x003A, 0x0000, 0x0000}}, // 3A colon
    {{0x003B, 0x0000, 0x0000}}, // 3B semicolon
    {{0x003C, 0x0000, 0x0000}}, // 3C less-than sign
    {{0x003D, 0x0000, 0x0000}}, // 3D equals sign
    {{0x003E, 0x0000, 0x0000}}, // 3E greater-than sign
    {{0x003F, 0x0000, 0x0000}}, // 3F question mark
    {{0x0040, 0x0000, 0x0000}}, // 40 commercial at
    {{0x0041, 0x0000, 0x0000}}, // 41 latin capital letter a
    {{0x0042, 0x0000, 0x0000}}, // 42 latin capital letter b
    {{0x0043, 0x0000, 0x0000}}, // 43 latin capital letter c
    {{0x0044, 0x0000, 0x0000}}, // 44 latin capital letter d
    {{0x0045, 0x0000, 0x0000}}, // 45 latin capital letter e
    {{0x0046, 0x0000, 0x0000}}, // 46 latin capital letter f
    {{0x0047, 0x0000, 0x0000}}, // 47 latin capital letter g
    {{0x0048, 0x0000, 0x0000}}, // 48 latin capital letter h
    {{0x0049, 0x0000, 0x0000}}, // 49 latin capital letter i
    {{0x004A, 0x0000, 0x0000}}, // 4A latin capital letter j
    {{0x004B, 0x0000, 0x0000}}, // 4B latin capital letter k
    {{0x004C, 0x0000, 0x0000}}, // 4C latin capital letter l
    {{0x004D, 0x0000, 0x0000}}, // 4D latin capital letter m
    {{0x004E, 0x0000, 0x0000}}, // 4E latin capital letter n
    {{0x004F, 0x0000, 0x0000}}, // 4F latin capital letter o
    {{0x0050, 0x0000, 0x0000}}, // 50 latin capital letter p
    {{0x0051, 0x0000, 0x0000}}, // 51 latin capital letter q
    {{0x0052, 0x0000, 0x0000}}, // 52 latin capital letter r
    {{0x0053, 0x0000, 0x0000}}, // 53 latin capital letter s
    {{0x0054, 0x0000, 0x0000}}, // 54 latin capital letter t
    {{0x0055, 0x0000, 0x0000}}, // 55 latin capital letter u
    {{0x0056, 0x0000, 0x0000}}, // 56 latin capital letter v
    {{0x0057, 0x0000, 0x0000}}, // 57 latin capital letter w
    {{0x0058, 0x0000, 0x0000}}, // 58 latin capital letter x
    {{0x0059, 0x0000, 0x0000}}, // 59 latin capital letter y
    {{0x005A, 0x0000, 0x0000}}, // 5A latin capital letter z
    {{0x005B, 0x0000, 0x0000}}, // 5B left square bracket
    {{0x005C, 0x0000, 0x0000}}, // 5C reverse solidus
    {{0x005D, 0x0000, 0x0000}}, // 5D right square bracket
    {{0x005E, 0x0000, 0x0000}}, // 5E circumflex accent
    {{0x005F, 0x0000, 0x0000}}, // 5F low line
    {{0x0060, 0x0000, 0x0000}}, // 60 grave accent
    {{0x0061, 0x0000, 0x0000}}, // 61 latin small letter a
    {{0x0062, 0x0000, 0x0000}}, // 62 latin small letter b
    {{0x0063, 0x0000, 0x0000}}, // 63 latin small letter c
    {{0x0064, 0x0000, 0x0000}}, // 64 latin small letter d
    {{0x0065, 0x0000, 0x0000}}, // 65 latin small letter e
    {{0x0066, 0x0000, 0x0000}}, // 66 latin small letter f
    {{0x0067, 0x0000, 0x0000}}, // 67 latin small letter g
    {{0x0068, 0x0000, 0x0000}}, // 68 latin small letter h
    {{0x0069, 0x0000, 0x0000}}, // 69 latin small letter i
    {{0x006A, 0x0000, 0x0000}}, // 6A latin small letter j
    {{0x006B, 0x0000, 0x0000}}, // 6B latin small letter k
    {{0x006C, 0x0000, 0x0000}}, // 6C latin small letter l
    {{0x006D, 0x0000, 0x0000}}, // 6D latin small letter m
    {{0x006E, 0x0000, 0x0000}}, // 6E latin small letter n
    {{0x006F, 0x0000, 0x0000}}, // 6F latin small letter o
    {{0x0070, 0x0000, 0x0000}}, // 70 latin small letter p
    {{0x0071, 0x0000, 0x0000}}, // 71 latin small letter q
    {{0x0072, 0x0000, 0x0000}}, // 72 latin small letter r
    {{0x0073, 0x0000, 0x0000}}, // 73 latin small letter s
    {{0x0074, 0x0000, 0x0000}}, // 74 latin small letter t
    {{0x0075, 0x0000, 0x0000}}, // 75 latin small letter u
    {{0x0076, 0x0000, 0x0000}}, // 76 latin small letter v
    {{0x0077, 0x0000, 0x0000}}, // 77 latin small letter w
    {{0x0078, 0x0000, 0x0000}}, // 78 latin small letter x
    {{0x0079, 0x0000, 0x0000}}, // 79 latin small letter y
    {{0x007A, 0x0000, 0x0000}}, // 7A latin small letter z
    {{0x007B, 0x0000, 0x0000}}, // 7B left curly bracket
    {{0x007C, 0x0000, 0x0000}}, // 7C vertical line
    {{0x007D, 0x0000, 0x0000}}, // 7D right curly bracket
    {{0x007E, 0x0000, 0x0000}}, // 7E tilde
    {{0x2302, 0x0000, 0x0000}}, // 7F house
    {{0x00C7, 0x0000, 0x0000}}, // 80 latin capital letter c with cedilla
    {{0x00FC, 0x0000, 0x0000}}, // 81 latin small letter u with diaeresis
    {{0x00E9, 0x0000, 0x0000}}, // 82 latin small letter e with acute
    {{0x00E2, 0x0000, 0x0000}}, // 83 latin small letter a with circumflex
    {{0x00E4, 0x0000, 0x0000}}, // 84 latin small letter a with diaeresis
    {{0x00E0, 0x0000, 0x0000}}, // 85 latin small letter a with grave
    {{0x00E5, 0x0000, 0x0000}}, // 86 latin small letter a with ring above
    {{0x00E7, 0x0000, 0x0000}}, // 87 latin small letter c with cedilla
    {{0x00EA, 0x0000, 0x0000}}, // 88 latin small letter e with circumflex
    {{0x00EB, 0x0000, 0x0000}}, // 89 latin small letter e with diaeresis
    {{0x00E8, 0x0000, 0x0000}}, // 8A latin small letter e with grave
    {{0x00EF, 0x0000, 0x0000}}, // 8B latin small letter i with diaeresis
    {{0x00EE, 0x0000, 0x0000}}, // 8C latin small letter i with circumflex
    {{0x00EC, 0x0000, 0x0000}}, // 8D latin small letter i with grave
    {{0x00C4, 0x0000, 0x0000}}, // 8E latin capital letter a with diaeresis
    {{0x00C5, 0x0000, 0x0000}}, // 8F latin capital letter a with ring above
    {{0x00C9, 0x0000, 0x0000}}, // 90 latin capital letter e with acute
    {{0x00E6, 0x0000, 0x0000}}, // 91 latin small letter ae
    {{0x00C6, 0x0000, 0x0000}}, // 92 latin capital letter ae
    {{0x00F4, 0x0000, 0x0000}}, // 93 latin small letter o with circumflex
    {{0x00F6, 0x0000, 0x0000}}, // 94 latin small letter o with diaeresis
    {{0x00F2, 0x0000, 0x0000}}, // 95 latin small letter o with grave
    {{0x00FB, 0x0000, 0x0000}}, // 96 latin small letter u with circumflex
    {{0x00F9, 0x0000, 0x0000}}, // 97 latin small letter u with grave
    {{0x00FF, 0x0000, 0x0000}}, // 98 latin small letter y with diaeresis
    {{0x00D6, 0x0000, 0x0000}}, // 99 latin capital letter o with diaeresis
    {{0x00DC, 0x0000, 0x0000}}, // 9A latin capital letter u with diaeresis
    {{0x00A2, 0x0000, 0x0000}}, // 9B cent sign
    {{0x00A3, 0x0000, 0x0000}}, // 9C pound sign
    {{0x00A5, 0x0000, 0x0000}}, // 9D yen sign
    {{0x20A7, 0x0000, 0x0000}}, // 9E peseta sign
    {{0x0192, 0x0000, 0x0000}}, // 9F latin small letter f with hook
    {{0x00E1, 0x0000, 0x0000}}, // A0 latin small letter a with acute
    {{0x00ED, 0x0000, 0x0000}}, // A1 latin small letter i with acute
    {{0x00F3, 0x0000, 0x0000}}, // A2 latin small letter o with acute
    {{0x00FA, 0x0000, 0x0000}}, // A3 latin small letter u with acute
    {{0x00F1, 0x0000, 0x0000}}, // A4 latin small letter n with tilde
    {{0x00D1, 0x0000, 0x0000}}, // A5 latin capital letter n with tilde
    {{0x00AA, 0x0000, 0x0000}}, // A6 feminine ordinal indicator
    {{0x00BA, 0x0000, 0x0000}}, // A7 masculine ordinal indicator
    {{0x00BF, 0x0000, 0x0000}}, // A8 inverted question mark
    {{0x2310, 0x0000, 0x0000}}, // A9 reversed not sign
    {{0x00AC, 0x0000, 0x0000}}, // AA not sign
    {{0x00BD, 0x0000, 0x0000}}, // AB vulgar fraction one half
    {{0x00BC, 0x0000, 0x0000}}, // AC vulgar fraction one quarter
    {{0x00A1, 0x0000, 0x0000}}, // AD inverted exclamation mark
    {{0x00AB, 0x0000, 0x0000}}, // AE left-pointing double angle quotation mark
    {{0x00BB, 0x0000, 0x0000}}, // AF right-pointing double angle quotation mark
    {{0x2591, 0x0000, 0x0000}}, // B0 light shade
    {{0x2592, 0x0000, 0x0000}}, // B1 medium shade
    {{0x2593, 0x0000, 0x0000}}, // B2 dark shade
    {{0x2502, 0x0000, 0x0000}}, // B3 box drawings light vertical
    {{0x2524, 0x0000, 0x0000}}, // B4 box drawings light vertical and left
    {{0x2561, 0x0000, 0x0000}}, // B5 box drawings vertical single and left double
    {{0x2562, 0x0000, 0x0000}}, // B6 box drawings vertical double and left single
    {{0x2556, 0x0000, 0x0000}}, // B7 box drawings down double and left single
    {{0x2555, 0x0000, 0x0000}}, // B8 box drawings down single and left double
    {{0x2563, 0x0000, 0x0000}}, // B9 box drawings double vertical and left
    {{0x2551, 0x0000, 0x0000}}, // BA box drawings double vertical
    {{0x2557, 0x0000, 0x0000}}, // BB box drawings double down and left
    {{0x255D, 0x0000, 0x0000}}, // BC box drawings double up and left
    {{0x255C, 0x0000, 0x0000}}, // BD box drawings up double and left single
    {{0x255B, 0x0000, 0x0000}}, // BE box drawings up single and left double
    {{0x2510, 0x0000, 0x0000}}, // BF box drawings light down and left
    {{0x2514, 0x0000, 0x0000}}, // C0 box drawings light up and right
    {{0x2534, 0x0000, 0x0000}}, // C1 box drawings light up and horizontal
    {{0x252C, 0x0000, 0x0000}}, // C2 box drawings light down and horizontal
    {{0x251C, 0x0000, 0x0000}}, // C3 box drawings light vertical and right
    {{0x2500, 0x0000, 0x0000}}, // C4 box drawings light horizontal
    {{0x253C, 0x0000, 0x0000}}, // C5 box drawings light vertical and horizontal
    {{0x255E, 0x0000, 0x0000}}, // C6 box drawings vertical single and right double
    {{0x255F, 0x0000, 0x0000}}, // C7 box drawings vertical double and right single
    {{0x255A, 0x0000, 0x0000}}, // C8 box drawings double up and right
    {{0x2554, 0x0000, 0x0000}}, // C9 box drawings double down and right
    {{0x2569, 0x0000, 0x0000}}, // CA box drawings double up and horizontal
    {{0x2566, 0x0000, 0x0000}}, // CB box drawings double down and horizontal
    {{0x2560, 0x0000, 0x0000}}, // CC box drawings double vertical and right
    {{0x2550, 0x0000, 0x0000}}, // CD box drawings double horizontal
    {{0x256C, 0x0000, 0x0000}}, // CE box drawings double vertical and horizontal
    {{0x2567, 0x0000, 0x0000}}, // CF box drawings up single and horizontal double
    {{0x2568, 0x0000, 0x0000}}, // D0 box drawings up double and horizontal single
    {{0x2564, 0x0000, 0x0000}}, // D1 box drawings down single and horizontal double
    {{0x2565, 0x0000, 0x0000}}, // D2 box drawings down double and horizontal single
    {{0x2559, 0x0000, 0x0000}}, // D3 box drawings up double and right single
    {{0x2558, 0x0000, 0x0000}}, // D4 box drawings up single and right double
    {{0x2552, 0x0000, 0x0000}}, // D5 box drawings down single and right double
    {{0x2553, 0x0000, 0x0000}}, // D6 box drawings down double and right single
    {{0x256B, 0x0000, 0x0000}}, // D7 box drawings vertical double and horizontal single
    {{0x256A, 0x0000, 0x0000}}, // D8 box drawings vertical single and horizontal double
    {{0x2518, 0x0000, 0x0000}}, // D9 box drawings light up and left
    {{0x250C, 0x0000, 0x0000}}, // DA box drawings light down and right
    {{0x2588, 0x0000, 0x0000}}, // DB full block
    {{0x2584, 0x0000, 0x0000}}, // DC lower half block
    {{0x258C, 0x0000, 0x0000}}, // DD left half block
    {{0x2590, 0x0000, 0x0000}}, // DE right half block
    {{0x2580, 0x0000, 0x0000}}, // DF upper half block
    {{0x03B1, 0x0000, 0x0000}}, // E0 greek small letter alpha
    {{0x00DF, 0x03B2, 0x0000}}, // E1 latin small letter sharp s
    {{0x0393, 0x0000, 0x0000}}, // E2 greek capital letter gamma
    {{0x03C0, 0x0000, 0x0000}}, // E3 greek small letter pi
    {{0x03A3, 0x2211, 0x0000}}, // E4 greek capital letter sigma
    {{0x03C3, 0x0000, 0x0000}}, // E5 greek small letter sigma
    {{0x00B5, 0x03BC, 0x0000}}, // E6 micro sign
    {{0x03C4, 0x0000, 0x0000}}, // E7 greek small letter tau
    {{0x03A6, 0x0000, 0x0000}}, // E8 greek capital letter phi
    {{0x0398, 0x0000, 0x0000}}, // E9 greek capital letter theta
    {{0x03A9, 0x2126, 0x0000}}, // EA greek capital letter omega
    {{0x03B4, 0x0000, 0x0000}}, // EB greek small letter delta
    {{0x221E, 0x0000, 0x0000}}, // EC infinity
    {{0x03C6, 0x03D5, 0x2205}}, // ED greek small letter phi
    {{0x03B5, 0x2208, 0x0000}}, // EE greek small letter epsilon
    {{0x2229, 0x0000, 0x0000}}, // EF intersection
    {{0x2261, 0x0000, 0x0000}}, // F0 identical to
    {{0x00B1, 0x0000, 0x0000}}, // F1 plus-minus sign
    {{0x2265, 0x0000, 0x0000}}, // F2 greater-than or equal to
    {{0x2264, 0x0000, 0x0000}}, // F3 less-than or equal to
    {{0x2320, 0x0000, 0x0000}}, // F4 top half integral
    {{0x2321, 0x0000, 0x0000}}, // F5 bottom half integral
    {{0x00F7, 0x0000, 0x0000}}, // F6 division sign
    {{0x2248, 0x0000, 0x0000}}, // F7 almost equal to
    {{0x00B0, 0x0000, 0x0000}}, // F8 degree sign
    {{0x2219, 0x00B7, 0x0000}}, // F9 bullet operator
    {{0x00B7, 0x0000, 0x0000}}, // FA middle dot
    {{0x221A, 0x0000, 0x0000}}, // FB square root
    {{0x207F, 0x0000, 0x0000}}, // FC superscript latin small letter n
    {{0x00B2, 0x0000, 0x0000}}, // FD superscript two
    {{0x25A0, 0x0000, 0x0000}}, // FE black square
    {{0x00A0, 0x0020, 0x0000}}, // FF no-break space
};
