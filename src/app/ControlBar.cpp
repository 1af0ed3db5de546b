#include "app/ControlBar.h"

#include "app/HoverNavigation.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"

#include <QEvent>
#include <QToolButton>

namespace {
constexpr int ButtonWidth = 80;
constexpr int SpacerWidth = 10;
constexpr int ButtonHeight = 45;
} // namespace

ControlBar::ControlBar(QWidget* parent) : QWidget(parent), m_toolbar(new QWidget(this))
{
    setObjectName(QStringLiteral("controlBar"));
    setAttribute(Qt::WA_StyledBackground);
    m_toolbar->setObjectName(QStringLiteral("toolbar"));
    m_toolbar->setGeometry(HoverNavigation::ToolbarLeft, 2, 354, ButtonHeight);
    m_toolbar->installEventFilter(this);

    const QString names[] = {QStringLiteral("fileMenuButton"), QStringLiteral("programMenuButton"),
                             QStringLiteral("optionsMenuButton"), QStringLiteral("helpMenuButton")};
    const int pitch = ButtonWidth + SpacerWidth;
    for (int menu = 0; menu < MenuCount; ++menu) {
        auto* button = new QToolButton(m_toolbar);
        button->setObjectName(names[menu]);
        button->setText(BuiltInLanguages::defaultCaption(LanguageString::FileMenu + menu));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(menu * pitch, 0, ButtonWidth, ButtonHeight);
        button->installEventFilter(this);
        m_menuButtons[menu] = button;
    }
    // The spacers are widgets of their own, so that moving from a button onto the gap
    // beside it is a new entry, as moving from one button to the next is.
    for (int gap = 0; gap < MenuCount - 1; ++gap) {
        auto* spacer = new QWidget(m_toolbar);
        spacer->setObjectName(QStringLiteral("toolbarSpacer%1").arg(gap + 1));
        spacer->setGeometry(gap * pitch + ButtonWidth, 0, SpacerWidth, ButtonHeight);
        spacer->installEventFilter(this);
    }
}

void ControlBar::applyCaptions(const LanguageTable& table)
{
    for (int menu = 0; menu < MenuCount; ++menu)
        m_menuButtons[menu]->setText(table.string(LanguageString::FileMenu + menu));
}

bool ControlBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        emit toolbarEntered();
    return QWidget::eventFilter(watched, event);
}
