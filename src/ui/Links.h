#pragma once

#include <QString>

namespace powerball::ui {

// Web addresses behind the link labels and the banners.
inline QString makerHomePage() {
    return QStringLiteral("http://www.velmar.de");
}

inline QString drawsAndOddsPage() {
    return QStringLiteral("https://www.powerball.com");
}

} // namespace powerball::ui
