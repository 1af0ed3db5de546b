#include "app/IconButton.h"

#include "app/MenuIcon.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <utility>

IconButton::IconButton(const QString& objectName, const QString& iconName, const QString& caption,
                       QWidget* parent)
    : QWidget(parent), m_button(new QToolButton(this)), m_label(new QLabel(caption, this)),
      m_iconName(iconName)
{
    setObjectName(objectName + QStringLiteral("Frame"));
    m_button->setObjectName(objectName);
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setIconSize(QSize(48, 48));
    m_button->setGeometry(5, 0, 65, 65);
    m_label->setObjectName(objectName + QStringLiteral("Label"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(0, 66, 75, 20);
    m_label->installEventFilter(this);
    resize(75, 86);
    connect(m_button, &QToolButton::clicked, this, &IconButton::clicked);
}

void IconButton::showEvent(QShowEvent* event)
{
    // The icon is read when its page first comes up, for the screen it comes up on.
    if (!m_iconName.isEmpty())
        m_button->setIcon(
            MenuIcon::load(std::exchange(m_iconName, QString()), devicePixelRatioF()));
    QWidget::showEvent(event);
}

void IconButton::setCaption(const QString& caption)
{
    m_label->setText(caption);
}

bool IconButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label && m_captionClickable && m_button->isEnabled() &&
        event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit clicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
