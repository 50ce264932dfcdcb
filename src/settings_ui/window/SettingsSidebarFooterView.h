#pragma once

#include <QVariantMap>
#include <QWidget>

class SchemeLabel;

// The foot of the sidebar: the application's name on the left and its version on the
// right, "v" and the information dictionary's "CFBundleShortVersionString", or "vUnknown"
// when that is missing, not text or blank.
class SettingsSidebarFooterView : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsSidebarFooterView(const QVariantMap &info, QWidget *parent = nullptr);

    static QString versionText(const QVariantMap &info);
    QString shownVersion() const;

private:
    SchemeLabel *m_version;
};
