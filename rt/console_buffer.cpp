// The console buffer's size across resizes.
#include <algorithm>

#include "rt/platform.h"

// Grows each dimension to the request and never shrinks it below what the buffer holds.
void rt_console_buffer_size(int current_columns, int current_rows, int* columns, int* rows) {
    *columns = std::max(*columns, current_columns);
    *rows = std::max(*rows, current_rows);
}
