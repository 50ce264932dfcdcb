#include "settings_ui/components/ReturnPressesButtons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

const char *const coveredProperty = "lumenpause.returnPressesButtons";

bool isEnter(const QKeyEvent &key)
{
    // Keypad Enter carries the keypad modifier; any other modifier makes another command.
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
           && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void ReturnPressesButtons::cover(QWidget *root)
{
    // Never destroyed before the application: its filter outlives every window it serves.
    static ReturnPressesButtons *const filter = [] {
        auto *made = new ReturnPressesButtons(qApp);
        qApp->installEventFilter(made);
        return made;
    }();
    Q_UNUSED(filter);
    root->setProperty(coveredProperty, true);
}

bool ReturnPressesButtons::covers(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->property(coveredProperty).toBool())
            return true;
    }
    return false;
}

bool ReturnPressesButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button || qobject_cast<QPushButton *>(button) || !button->hasFocus())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!isEnter(*key) || !covers(button))
        return false;
    QKeyEvent space(key->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), key->isAutoRepeat(),
                    ushort(key->count()));
    QCoreApplication::sendEvent(button, &space);
    // Refused, Return goes on to the parents as it always did.
    key->setAccepted(space.isAccepted());
    return true;
}
