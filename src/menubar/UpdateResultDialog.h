#pragma once

#include "core/UpdateCheckResult.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class ThemeManager;

// Tells the person who asked for an update check what came of it: that they are up to
// date, that a newer version exists (with a button to its page), or why the check failed.
// Non-modal, and reused for every check. Light or dark as the user's theme has it, like the
// application's other windows.
class UpdateResultDialog : public QDialog
{
    Q_OBJECT

public:
    using UrlOpener = std::function<bool(const QUrl &)>;

    // opener opens the release page; the desktop's browser unless a test hands in its own.
    explicit UpdateResultDialog(ThemeManager &theme, QWidget *parent = nullptr, UrlOpener opener = {});

    void showResult(const UpdateCheckResult &result);

private:
    void openPage();

    UrlOpener m_opener;
    QUrl m_pageUrl;
    QLabel *m_heading;
    QLabel *m_message;
    QPushButton *m_openButton;
    QPushButton *m_closeButton;
};
