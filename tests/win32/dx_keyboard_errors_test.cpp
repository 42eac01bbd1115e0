// How the DirectDraw driver's keyboard sampling treats each answer of GetDeviceState, through a
// keyboard device of the test's own.
#include "dx_test_support.h"

#include "gfx/drivers/dx_state.h"

namespace {

// A keyboard device whose GetDeviceState gives a chosen answer and state, counting Acquire calls.
class FakeKeyboard : public IDirectInputDeviceA {
public:
    HRESULT answer = DI_OK;
    BYTE state[256] = {};
    int acquired = 0;

    STDMETHOD_(HRESULT, QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(GetCapabilities)(LPDIDEVCAPS) override { return E_NOTIMPL; }
    STDMETHOD(EnumObjects)(LPDIENUMDEVICEOBJECTSCALLBACKA, LPVOID, DWORD) override {
        return E_NOTIMPL;
    }
    STDMETHOD(GetProperty)(REFGUID, LPDIPROPHEADER) override { return E_NOTIMPL; }
    STDMETHOD(SetProperty)(REFGUID, LPCDIPROPHEADER) override { return E_NOTIMPL; }
    STDMETHOD(Acquire)() override {
        ++acquired;
        return DI_OK;
    }
    STDMETHOD(Unacquire)() override { return DI_OK; }
    STDMETHOD(GetDeviceState)(DWORD size, LPVOID data) override {
        if (SUCCEEDED(answer)) {
            std::memcpy(data, state, std::min<DWORD>(size, sizeof state));
        } else {
            std::memset(data, 0x80, size); // garbage a failed call might leave
        }
        return answer;
    }
    STDMETHOD(GetDeviceData)(DWORD, LPDIDEVICEOBJECTDATA, LPDWORD, DWORD) override {
        return E_NOTIMPL;
    }
    STDMETHOD(SetDataFormat)(LPCDIDATAFORMAT) override { return E_NOTIMPL; }
    STDMETHOD(SetEventNotification)(HANDLE) override { return E_NOTIMPL; }
    STDMETHOD(SetCooperativeLevel)(HWND, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetObjectInfo)(LPDIDEVICEOBJECTINSTANCEA, DWORD, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(GetDeviceInfo)(LPDIDEVICEINSTANCEA) override { return E_NOTIMPL; }
    STDMETHOD(RunControlPanel)(HWND, DWORD) override { return E_NOTIMPL; }
    STDMETHOD(Initialize)(HINSTANCE, DWORD, REFGUID) override { return E_NOTIMPL; }
};

// A windowless screen whose key_state the sampling writes, with the fake keyboard installed.
class DxKeyboardAnswers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, gfx_context);
        ASSERT_EQ(0, gfx_screen_res(32, 32, 8, 0, SCREEN_NULL, 0));
        dx.keyboard = &keyboard;
        std::memset(gfx_context->key_state, 0, 128);
        gfx_context->key_state[30] = 1; // A held before
    }
    void TearDown() override {
        dx.keyboard = nullptr;
        gfx_screen(0, 0, 0, 0, 0);
    }
    FakeKeyboard keyboard;
};

TEST_F(DxKeyboardAnswers, ALostOrUnacquiredKeyboardIsAcquiredAgainAndKeyStateKept) {
    for (HRESULT lost : {DIERR_INPUTLOST, DIERR_NOTACQUIRED}) {
        keyboard.answer = lost;
        keyboard.acquired = 0;
        EXPECT_FALSE(dx_sample_keyboard());
        EXPECT_EQ(1, keyboard.acquired);
        EXPECT_EQ(1, gfx_context->key_state[30]);
        EXPECT_EQ(0, gfx_context->key_state[29]);
    }
}

TEST_F(DxKeyboardAnswers, AnyOtherFailureLeavesKeyStateAsItWas) {
    for (HRESULT failure : {E_FAIL, DIERR_INVALIDPARAM, E_ACCESSDENIED}) {
        keyboard.answer = failure;
        keyboard.acquired = 0;
        EXPECT_FALSE(dx_sample_keyboard());
        EXPECT_EQ(0, keyboard.acquired);
        EXPECT_EQ(1, gfx_context->key_state[30]);
        for (int i = 0; i < 128; ++i) {
            if (i != 30) {
                ASSERT_EQ(0, gfx_context->key_state[i]) << "scancode " << i;
            }
        }
    }
}

TEST_F(DxKeyboardAnswers, ASuccessfulReadReplacesKeyStateWithTheFoldedState) {
    keyboard.answer = DI_OK;
    keyboard.state[128 + 29] = 0x80; // right Ctrl
    keyboard.state[128 + 72] = 0x80; // the separate Up key
    keyboard.state[1] = 0x80;        // Escape
    EXPECT_TRUE(dx_sample_keyboard());
    for (int i = 0; i < 128; ++i) {
        const int want = (i == 1 || i == 29 || i == 72) ? 1 : 0;
        EXPECT_EQ(want, gfx_context->key_state[i]) << "scancode " << i;
    }
}

} // namespace
