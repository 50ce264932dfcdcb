#pragma once

#include <functional>

class QWidget;

// Sections shown or hidden by a master switch fade in and out (ease-in-out, 0.2 s): a
// picture of the page as it was fades away over the page as it becomes. With reduced motion,
// or off screen, the change is simply made.
class SectionReveal
{
public:
    static constexpr double fadeSeconds = 0.2;

    static void change(QWidget *page, const std::function<void()> &change);
};
