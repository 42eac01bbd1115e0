// The input statement: a prompt, one line from the line editor, and its assignment.
#include "rt/rt.h"

namespace {

constexpr int LINE_BYTES = 1024;

// Prints "? " when asked, reads one line and prints the line end when asked. Returns the line,
// or null when none was read.
const char* read_after_prompt(char* line, bool question, int newline) {
    if (question) {
        rt_print("? ", 2, 0);
    }
    const char* got = rt_line_input(line, LINE_BYTES);
    if (newline) {
        rt_print("\r\n", 2, 0);
    }
    return got;
}

// The length of a zero-terminated 16-bit text.
int wide_length(const uint16_t* text) {
    int n = 0;
    while (text[n] != 0) {
        ++n;
    }
    return n;
}

} // namespace

// Runs a pending line end out, prints the prompt, reads and stores the line.
int rt_read_prompted_line(RtString* prompt, void* dest, int size, int kind, int question,
                          int newline) {
    rt_print(nullptr, 0, RT_PRINT_EVEN_IF_EMPTY);
    const bool has_prompt = prompt != nullptr;
    if (has_prompt && rt_string_length(prompt) > 0) {
        rt_print(prompt->data, static_cast<int>(rt_string_length(prompt)), 0);
    }
    rt_string_release_temp(prompt);
    char line[LINE_BYTES];
    const char* got = read_after_prompt(line, has_prompt && question, newline);
    if (!got) {
        return rt_set_error(RT_ERR_NO_LINE);
    }
    if (rt_string_store(dest, size, kind, got, -1) != 0) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    return 0;
}

// The same with a wide prompt and a wide destination.
int rt_read_prompted_line_wide(const uint16_t* prompt, uint16_t* dest, int size, int question,
                               int newline) {
    rt_print(nullptr, 0, RT_PRINT_EVEN_IF_EMPTY);
    if (prompt) {
        rt_print_wide(prompt, wide_length(prompt), 0);
    }
    char line[LINE_BYTES];
    const char* got = read_after_prompt(line, prompt != nullptr && question, newline);
    if (!got) {
        return rt_set_error(RT_ERR_NO_LINE);
    }
    if (!dest || size < 1) {
        return rt_set_error(RT_ERR_ILLEGAL_CALL);
    }
    rt_widen_line(dest, size, got);
    return 0;
}

// Slot 20 on a graphics screen, else the steps above on the console.
int rt_input(RtString* prompt, void* dest, int size, int kind, int question, int newline) {
    if (rt_hooks.input_line) {
        return rt_hooks.input_line(prompt, dest, size, kind, question, newline);
    }
    return rt_read_prompted_line(prompt, dest, size, kind, question, newline);
}

// Slot 21 on a graphics screen, else the steps above on the console.
int rt_input_wide(const uint16_t* prompt, uint16_t* dest, int size, int question, int newline) {
    if (rt_hooks.input_line_wide) {
        return rt_hooks.input_line_wide(prompt, dest, size, question, newline);
    }
    return rt_read_prompted_line_wide(prompt, dest, size, question, newline);
}
