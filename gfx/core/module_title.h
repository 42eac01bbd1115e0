// The default window title, taken from the program's file name.
#pragma once

// Fills gfx_title with the program's file name without its directory and extension.
void gfx_title_from_module();

// Cuts path (in place) down to the part after its last directory separator, ended at its last '.'.
void gfx_title_from_path(char* path);
