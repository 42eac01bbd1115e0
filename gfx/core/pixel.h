// Block and pixel routines chosen afresh at every mode set.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t CPU_FEATURE_MMX = 0x00800000;

// Processor feature flags (CPUID leaf 1 EDX bits 0..23) and family (bits 24..27); cached.
uint32_t cpu_features();

// Chooses fast_copy, fast_fill and the pixel primitives for the open screen's depth.
void gfx_select_pixel_routines();

using FastCopyFn = void* (*)(void* dest, const void* src, size_t count);
using FastFillFn = void* (*)(void* dest, int value, size_t count);
using PutPixelFn = void (*)(int x, int y, uint32_t colour);
using GetPixelFn = uint32_t (*)(int x, int y);
using FillSpanFn = void (*)(uint8_t* dest, uint32_t colour, int count);
using CopySpanFn = void (*)(uint8_t* dest, const uint8_t* src, int count);

extern FastCopyFn fast_copy;
extern FastFillFn fast_fill;
extern PutPixelFn put_pixel;
extern GetPixelFn get_pixel;
extern FillSpanFn fill_span;
extern CopySpanFn copy_span;

// The MMX block routines (plain C versions are memcpy and memset).
void* fast_copy_mmx(void* dest, const void* src, size_t count);
void* fast_fill_mmx(void* dest, int value, size_t count);
