#pragma once

#include "core/Cancellable.h"
#include "core/ServiceRef.h"
#include "settings_ui/components/NamedColors.h"

#include <QUrl>
#include <QVariantMap>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class AppServices;
class Clock;
class IconRowButton;
struct ContentServices;

// The settings window's About pane: the application's icon, name and version, the update
// check, the product site's feedback, home and contact pages, and a share text copied to the
// clipboard, then a one-line footer. It changes no setting. The share row says "Copied!" for
// two seconds after each copy, timed on the window's clock; nothing of it outlives the pane
// or runs while the window is hidden.
class AboutDetailView : public QWidget
{
    Q_OBJECT

public:
    static constexpr double copiedSeconds = 2.0;

    static QWidget *make(const ContentServices &services);

    explicit AboutDetailView(const ContentServices &services, QWidget *parent = nullptr);

    static QUrl homePage();
    static QUrl contactPage();
    static QUrl feedbackPage();
    // What Share puts on the clipboard: a line about Lumenpause and the home page.
    static QString shareText();

    bool showsCopied() const { return m_showCopied; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildHeaderCard();
    QWidget *buildLinksCard();
    IconRowButton *linkRow(const QString &name, const QString &symbol, NamedColor tint, const QString &title);
    void openPage(const QUrl &page);
    void checkForUpdates();
    void share();
    void setShowCopied(bool shown);

    Clock &m_clock;
    ServiceRef<AppServices> m_appServices;
    std::function<bool(const QUrl &)> m_openUrl;
    std::optional<QVariantMap> m_info;
    IconRowButton *m_shareRow = nullptr;
    bool m_showCopied = false;
    // One reset per copy; the first to come ends "Copied!" and drops the others.
    std::vector<CancellableHandle> m_copiedResets;
};
