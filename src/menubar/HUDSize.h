#pragma once

#include <QString>

// How large the floating notice is drawn, chosen by the "hudStyle" setting.
enum class HUDSize { compact, standard, large };

// "compact" and "large" choose those sizes; any other text, an empty one included, is the
// standard size, so a hand-edited setting still gives a usable notice.
HUDSize hudSizeFromText(const QString &text);
