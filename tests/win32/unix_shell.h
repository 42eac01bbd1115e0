// Running Unix programs (xdotool, ImageMagick) from a test program under Wine.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

// Starts script with /bin/sh without waiting for it. Wine gives no process handle to wait on for a
// Unix program, so the shell leaves its exit status in a file under /tmp (drive Z: to Wine);
// returns that file's Windows path, or an empty string when the shell could not be started.
inline std::string start_unix_shell(const std::string& script) {
    static int runs = 0;
    const std::string marker =
        "/tmp/qzgfx-shell-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
    const std::string command = "/bin/sh -c \"" + script + "; echo $? > " + marker + ".tmp && mv " +
                                marker + ".tmp " + marker + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        ADD_FAILURE() << "cannot start " << command << ": error " << GetLastError();
        return {};
    }
    if (pi.hThread) {
        CloseHandle(pi.hThread);
    }
    if (pi.hProcess) {
        CloseHandle(pi.hProcess);
    }
    std::string windows_path = "Z:" + marker;
    for (char& c : windows_path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return windows_path;
}

// Runs script with /bin/sh and returns its exit status, or -1 when it could not be started or did
// not end within timeout_ms. Between polls of the status file idle runs (a 10 ms sleep when null),
// so a test whose window is pumped on its own thread keeps that window answering.
inline int run_unix_shell(const std::string& script, int timeout_ms = 30000,
                          void (*idle)() = nullptr) {
    const std::string status_file = start_unix_shell(script);
    if (status_file.empty()) {
        return -1;
    }
    for (int waited = 0; waited < timeout_ms; waited += 10) {
        if (FILE* f = std::fopen(status_file.c_str(), "r")) {
            int status = -1;
            if (std::fscanf(f, "%d", &status) != 1) {
                status = -1;
            }
            std::fclose(f);
            DeleteFileA(status_file.c_str());
            return status;
        }
        if (idle) {
            idle();
        } else {
            Sleep(10);
        }
    }
    ADD_FAILURE() << "did not finish: " << script;
    return -1;
}
