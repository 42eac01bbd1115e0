// Xvfb runs no window manager, yet Wine would wait two seconds for one every time it hides a
// window it leaves to the manager, which makes every closed screen cost two seconds. Before the
// first window exists, this program asks Wine (in the tests' own prefix) to place its windows
// itself. What the driver draws and how it is read back stay the same.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

class UnmanagedWindows : public ::testing::Environment {
public:
    void SetUp() override {
        HKEY key = nullptr;
        const char* path = "Software\\Wine\\AppDefaults\\gdi_tests.exe\\X11 Driver";
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS) {
            return;
        }
        RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
        RegCloseKey(key);
    }
};

[[maybe_unused]] ::testing::Environment* const unmanaged =
    ::testing::AddGlobalTestEnvironment(new UnmanagedWindows);

} // namespace
