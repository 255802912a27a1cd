#include "ui/host/key_state.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QDir>
#include <QFile>
#endif

#ifdef _WIN32

LockKeys ReadLockKeys()
{
    LockKeys keys;
    keys.known = true;
    keys.caps = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    keys.num = (::GetKeyState(VK_NUMLOCK) & 1) != 0;
    keys.scroll = (::GetKeyState(VK_SCROLL) & 1) != 0;
    return keys;
}

#else

namespace {

// Any keyboard LED of this kind that is lit counts.
bool LedLit(const QStringList& leds, const QString& suffix, bool& found)
{
    bool lit = false;
    for (const QString& led : leds) {
        if (!led.endsWith(suffix))
            continue;
        QFile brightness(QStringLiteral("/sys/class/leds/") + led + QStringLiteral("/brightness"));
        if (!brightness.open(QIODevice::ReadOnly))
            continue;
        found = true;
        lit = lit || brightness.readAll().trimmed().toInt() > 0;
    }
    return lit;
}

} // namespace

LockKeys ReadLockKeys()
{
    LockKeys keys;
    const QStringList leds = QDir(QStringLiteral("/sys/class/leds")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    keys.caps = LedLit(leds, QStringLiteral("::capslock"), keys.known);
    keys.num = LedLit(leds, QStringLiteral("::numlock"), keys.known);
    keys.scroll = LedLit(leds, QStringLiteral("::scrolllock"), keys.known);
    return keys;
}

#endif
