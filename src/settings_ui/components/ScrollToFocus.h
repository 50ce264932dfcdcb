#pragma once

class QWidget;

// Brings into view a widget the focus was moved to by code: a scroll area follows Tab by
// itself, but not a setFocus().
class ScrollToFocus
{
public:
    // Scrolls each scroll area around `widget`, innermost first, until it shows; its page is
    // laid out first, as it may have been put in place a moment ago.
    static void reveal(QWidget *widget);
};
