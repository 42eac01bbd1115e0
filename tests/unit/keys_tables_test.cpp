// The key tables: their shape and the regularities a keyboard's codes follow.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "gfx/input/enhanced_key_table.h"
#include "gfx/input/key_translation_table.h"
#include "rt/vk_scan_table.h"

namespace {

// The scancode rows of VK_SCAN_TABLE before its terminator.
std::set<int> scan_table_scancodes() {
    std::set<int> codes;
    for (const VkScanRow* row = VK_SCAN_TABLE; row->scancode != 0; ++row) {
        codes.insert(row->scancode);
    }
    return codes;
}

// The first row of VK_SCAN_TABLE for scancode, or null.
const VkScanRow* scan_row(int scancode) {
    for (const VkScanRow* row = VK_SCAN_TABLE; row->scancode != 0; ++row) {
        if (row->scancode == scancode) {
            return row;
        }
    }
    return nullptr;
}

} // namespace

TEST(VkScanTable, HasItsRowsInAscendingOrderThenTheTerminator) {
    int previous = 0;
    int count = 0;
    for (const VkScanRow* row = VK_SCAN_TABLE; row->scancode != 0; ++row) {
        EXPECT_GT(row->scancode, previous) << "row " << count;
        EXPECT_LT(row->scancode, 128);
        EXPECT_NE(row->vk1, 0) << "scancode " << int(row->scancode);
        previous = row->scancode;
        ++count;
    }
    EXPECT_EQ(count, VK_SCAN_TABLE_ROWS);
    EXPECT_EQ(VK_SCAN_TABLE[VK_SCAN_TABLE_ROWS].scancode, 0);
}

TEST(VkScanTable, LeavesOutExactlyTheScancodesWithoutAKey) {
    const std::set<int> codes = scan_table_scancodes();
    for (int sc = 0; sc < 128; ++sc) {
        const bool absent =
            sc == 0 || sc == 74 || sc == 76 || (sc >= 84 && sc <= 86) || (sc >= 89 && sc <= 124);
        EXPECT_EQ(codes.count(sc) == 0, absent) << "scancode " << sc;
    }
}

TEST(VkScanTable, MapsTheLetterRowsToTheirLetters) {
    const char* rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    const int first[] = {16, 30, 44};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; rows[r][i]; ++i) {
            EXPECT_EQ(scan_row(first[r] + i)->vk1, rows[r][i]);
        }
    }
    for (int d = 1; d <= 10; ++d) {
        EXPECT_EQ(scan_row(d + 1)->vk1, '0' + d % 10);
    }
    for (int f = 0; f < 10; ++f) {
        EXPECT_EQ(scan_row(59 + f)->vk1, 112 + f); // F1 .. F10
    }
}

TEST(KeyTranslationTable, LettersFollowTheUsLayout) {
    const char* rows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
    const int first[] = {16, 30, 44};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; rows[r][i]; ++i) {
            const int sc = first[r] + i;
            const KeyTranslationRow& row = KEY_TRANSLATION_TABLE[sc];
            const char c = rows[r][i];
            EXPECT_EQ(row.normal, c) << sc;
            EXPECT_EQ(row.shift, std::toupper(c)) << sc;
            EXPECT_EQ(row.ctrl, c - 'a' + 1) << sc;
            EXPECT_EQ(row.alt, sc << 8) << sc; // Alt+letter is the scancode itself
        }
    }
}

TEST(KeyTranslationTable, FunctionKeysRunInFourConsecutiveBlocks) {
    for (int f = 0; f < 10; ++f) {
        const KeyTranslationRow& row = KEY_TRANSLATION_TABLE[59 + f];
        EXPECT_EQ(row.normal, (0x3B + f) << 8);
        EXPECT_EQ(row.shift, (0x54 + f) << 8);
        EXPECT_EQ(row.ctrl, (0x5E + f) << 8);
        EXPECT_EQ(row.alt, (0x68 + f) << 8);
    }
    EXPECT_EQ(KEY_TRANSLATION_TABLE[87].normal, 0x8500);
    EXPECT_EQ(KEY_TRANSLATION_TABLE[88].alt, 0x8C00);
}

TEST(KeyTranslationTable, ExtendedEntriesAreWholeHighBytes) {
    for (int sc = 0; sc < KEY_TRANSLATION_ROWS; ++sc) {
        const KeyTranslationRow& row = KEY_TRANSLATION_TABLE[sc];
        for (unsigned v : {row.normal, row.shift, row.ctrl, row.alt}) {
            if (v > 255) {
                EXPECT_EQ(v & 0xFF, 0u) << "scancode " << sc;
            }
        }
    }
}

TEST(EnhancedKeyTable, CursorKeysGiveTheirScancodeAsExtendedCode) {
    for (const EnhancedKeyRow& row : ENHANCED_KEY_TABLE) {
        if (row.scancode >= 0x47) {
            EXPECT_EQ(row.normal, row.scancode << 8);
            EXPECT_EQ(row.shift, row.scancode << 8);
            EXPECT_EQ(row.ctrl, KEY_TRANSLATION_TABLE[row.scancode].ctrl) << row.scancode;
        }
        EXPECT_NE(row.alt, 0);
    }
}
