// The account of the last driver choice: one line per driver tried, with what it answered.
#pragma once

#include "qzgfx.h" // gfx_driver_report, the account as programs read it

// Forgets the last choice's account; set-mode calls it first.
void gfx_driver_report_clear();

// Records why the driver being tried cannot open the screen, printf style, and returns -1 for the
// driver to return. The first reason of a try is kept; a driver's init, or its display thread
// before the thread signals or ends, calls it.
int gfx_driver_refuse(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Records how the driver being tried opened the screen, when it differs from what was asked
// ("over the desktop at scale 3"), printf style; the try's "opened" line ends with it.
void gfx_driver_report_detail(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Driver choice: starts a try, forgetting the last try's reason and detail.
void gfx_driver_report_begin_try();

// Driver choice: appends the line of a finished try of driver `name` with the screen flags
// `flags` and refresh rate `rate`: "opened", or the reason the driver gave (or that it failed).
void gfx_driver_report_try(const char* name, int flags, int rate, bool opened);

// Driver choice: appends a line saying that the Null driver was taken without a try, and why.
void gfx_driver_report_null(const char* why);
