// The driver choice's account, kept in fixed buffers: nothing is allocated and nothing printed.
#include "gfx/core/driver_report.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "gfx/core/types.h"

namespace {

// Room for every try of the longest choice (four passes of three drivers, two tries each).
constexpr size_t REPORT_SIZE = 4096;
constexpr size_t REASON_SIZE = 200;

char report[REPORT_SIZE];
size_t report_length = 0;
char reason[REASON_SIZE];
char detail[REASON_SIZE];

// Appends one line; a line that does not fit is left out whole.
void append_line(const char* line) {
    const size_t n = std::strlen(line);
    if (report_length + n + 2 > REPORT_SIZE) {
        return;
    }
    std::memcpy(report + report_length, line, n);
    report_length += n;
    report[report_length++] = '\n';
    report[report_length] = '\0';
}

} // namespace

// The lines so far, zero-terminated.
const char* gfx_driver_report() { return report; }

// Empties the account.
void gfx_driver_report_clear() {
    report_length = 0;
    report[0] = '\0';
}

// Keeps the first reason a try gives.
int gfx_driver_refuse(const char* format, ...) {
    if (reason[0] == '\0') {
        va_list args;
        va_start(args, format);
        std::vsnprintf(reason, sizeof reason, format, args);
        va_end(args);
    }
    return -1;
}

// Keeps the last detail a try gives.
void gfx_driver_report_detail(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(detail, sizeof detail, format, args);
    va_end(args);
}

// Forgets the reason and the detail of the last try.
void gfx_driver_report_begin_try() {
    reason[0] = '\0';
    detail[0] = '\0';
}

// "<name>, <windowed or full screen>[, <rate> Hz]: <answer>", the answer "opened" followed by the
// detail, if any.
void gfx_driver_report_try(const char* name, int flags, int rate, bool opened) {
    char line[2 * REASON_SIZE + 80];
    char rate_text[24] = "";
    if (rate > 0) {
        std::snprintf(rate_text, sizeof rate_text, ", %d Hz", rate);
    }
    const char* answer = opened ? "opened" : (reason[0] ? reason : "could not open the screen");
    const char* space = opened && detail[0] ? " " : "";
    std::snprintf(line, sizeof line, "%s, %s%s: %s%s%s", name,
                  (flags & SCREEN_FULLSCREEN) ? "full screen" : "windowed", rate_text, answer,
                  space, opened ? detail : "");
    append_line(line);
}

// "Null: opened (<why>)".
void gfx_driver_report_null(const char* why) {
    char line[REASON_SIZE];
    std::snprintf(line, sizeof line, "Null: opened (%s)", why);
    append_line(line);
}
