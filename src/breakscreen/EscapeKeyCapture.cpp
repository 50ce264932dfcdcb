#include "breakscreen/EscapeKeyCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>

EscapeKeyCapture::EscapeKeyCapture(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{
}

EscapeKeyCapture::~EscapeKeyCapture()
{
    setOn(false);
}

void EscapeKeyCapture::setOn(bool on)
{
    if (on == m_on || !QCoreApplication::instance())
        return;
    m_on = on;
    if (on)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool EscapeKeyCapture::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
        return QObject::eventFilter(watched, event);
    // Claiming the shortcut check keeps an Escape shortcut elsewhere from firing; the press
    // itself follows as a key event.
    event->accept();
    if (type == QEvent::ShortcutOverride)
        return true;
    return m_handler && m_handler();
}
