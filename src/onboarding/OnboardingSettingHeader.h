#pragma once

#include <QWidget>

class SchemeLabel;

// The head of a card: the round symbol badge beside a title over a caption.
class OnboardingSettingHeader : public QWidget
{
    Q_OBJECT

public:
    OnboardingSettingHeader(const QString &icon, const QString &title, const QString &caption,
                            QWidget *parent = nullptr);

    QString caption() const;
    void setCaption(const QString &caption);

private:
    SchemeLabel *m_caption;
};
