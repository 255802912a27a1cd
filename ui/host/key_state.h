// Whether Caps Lock, Num Lock and Scroll Lock are on, where the platform tells:
// Windows through the keyboard state, Linux through the keyboard's LEDs.
#pragma once

struct LockKeys {
    bool known = false; // false: the platform does not tell
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockKeys ReadLockKeys();
