// Random numbers from the C library's generator, kept to 15 bits whatever its range.
#include <cmath>
#include <cstdlib>

#include "rt/rt.h"

// Seeds with seconds truncated toward zero to 32 bits, then discards one value. Seconds outside
// the 32-bit range wrap modulo 2^32, and a value that is not finite seeds with 0, so no input
// leads to an undefined conversion.
void seed_random(double seconds) {
    constexpr double two_to_32 = 4294967296.0;
    double whole = std::trunc(seconds);
    if (!std::isfinite(whole)) {
        whole = 0.0;
    }
    double wrapped = std::fmod(whole, two_to_32);
    if (wrapped < 0.0) {
        wrapped += two_to_32;
    }
    std::srand(static_cast<unsigned>(static_cast<uint32_t>(wrapped)));
    std::rand();
}

// The low 15 bits of the next value over 32768: in [0, 32767/32768].
double random_unit() { return static_cast<double>(std::rand() & 0x7FFF) / 32768.0; }
