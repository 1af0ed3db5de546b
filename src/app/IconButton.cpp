#include "app/IconButton.h"

#include "app/MenuIcon.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <utility>

IconButton::IconButton(const QString& objectName, const QString& iconName, const QString& caption,
                       QWidget* parent)
    : QWidget(parent), m_name(objectName), m_iconName(iconName), m_caption(caption)
{
    setObjectName(objectName + QStringLiteral("Frame"));
    resize(75, 86);
}

QToolButton* IconButton::button()
{
    build();
    return m_button;
}

QLabel* IconButton::label()
{
    build();
    return m_label;
}

void IconButton::build()
{
    if (m_button)
        return;
    m_button = new QToolButton(this);
    m_button->setObjectName(m_name);
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setIconSize(QSize(48, 48));
    m_button->setGeometry(5, 0, 65, 65);
    m_button->setToolTip(m_buttonToolTip);
    m_button->setEnabled(m_buttonEnabled);
    connect(m_button, &QToolButton::clicked, this, &IconButton::clicked);
    m_label = new QLabel(m_caption, this);
    m_label->setObjectName(m_name + QStringLiteral("Label"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(0, 66, 75, 20);
    m_label->installEventFilter(this);
    // Made after the frame came up, they come up with it.
    if (isVisible()) {
        m_button->show();
        m_label->show();
    }
}

void IconButton::showEvent(QShowEvent* event)
{
    build();
    // The icon is read when the frame first comes up, for the screen it comes up on.
    if (!m_iconName.isEmpty())
        m_button->setIcon(
            MenuIcon::load(std::exchange(m_iconName, QString()), devicePixelRatioF()));
    QWidget::showEvent(event);
}

void IconButton::setCaption(const QString& caption)
{
    m_caption = caption;
    if (m_label)
        m_label->setText(caption);
}

void IconButton::setButtonToolTip(const QString& text)
{
    m_buttonToolTip = text;
    if (m_button)
        m_button->setToolTip(text);
}

void IconButton::setButtonEnabled(bool enabled)
{
    m_buttonEnabled = enabled;
    if (m_button)
        m_button->setEnabled(enabled);
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
