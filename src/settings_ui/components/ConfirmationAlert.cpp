#include "settings_ui/components/ConfirmationAlert.h"

#include "core/AppIcon.h"
#include "settings_ui/components/SettingsFont.h"

#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int textWidth = 300;
constexpr int iconSide = 48;

// A message box sets its question in the body font; as an alert it reads better bold, over a
// message that wraps at a comfortable width. Its two labels are the box's own, found by the
// names Qt gives them.
void dress(QMessageBox &box)
{
    if (auto *question = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        question->setFont(SettingsFont::font(14, QFont::DemiBold));
    if (auto *message = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel"))) {
        message->setFont(SettingsFont::font(12));
        message->setMinimumWidth(textWidth);
    }
}

} // namespace

QMessageBox *ConfirmationAlert::open(QWidget *parent, const QString &question, const QString &message,
                                     const QString &actionTitle, std::function<void()> confirmed)
{
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Dressed like the window it comes from, light or dark.
    box->setAttribute(Qt::WA_WindowPropagation);
    box->setWindowModality(Qt::WindowModal);
    // The application's own tile, as an alert shows whose question it is.
    box->setIconPixmap(QPixmap::fromImage(AppIcon::image(iconSide, parent->devicePixelRatioF())));
    box->setTextFormat(Qt::PlainText);
    box->setText(question);
    box->setInformativeText(message);
    dress(*box);
    QPushButton *cancel = box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    QPushButton *action = box->addButton(actionTitle, QMessageBox::DestructiveRole);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, parent,
                     [action, confirmed = std::move(confirmed)](QAbstractButton *button) {
                         if (button == action)
                             confirmed();
                     });
    box->open();
    return box;
}
