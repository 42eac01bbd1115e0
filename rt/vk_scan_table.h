// Which Win32 virtual keys set each PC keyboard scancode's pressed flag.
//
// The runtime keeps it because its console multikey answers from it before any screen exists; the
// graphics library samples its key state through the same rows.
#pragma once

#include <cstdint>

// One scancode and the one or two virtual keys that press it (vk2 is 0 when there is none).
struct VkScanRow {
    uint8_t scancode, vk1, vk2;
};

// Rows in ascending scancode order, ended by a row whose scancode is 0.
extern const VkScanRow VK_SCAN_TABLE[];

// The number of rows before the terminating row.
constexpr int VK_SCAN_TABLE_ROWS = 86;
