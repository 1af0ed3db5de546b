#include "app/WorkPages.h"

#include <utility>

WorkPages::WorkPages(QWidget* parent) : PageControl(parent)
{
    setObjectName(QStringLiteral("workPages"));
    // However a page comes up, it is built first.
    connect(this, &QStackedWidget::currentChanged, this, [this](int index) { pageAt(index); });
}

QWidget* WorkPages::addPage(const QString& name, QWidget* content)
{
    content->setObjectName(name);
    addWidget(content);
    m_later.append({name, {}});
    return content;
}

void WorkPages::addPageBuiltLater(const QString& name, Builder build)
{
    // An empty stand-in holds the page's place until the page itself is built.
    addWidget(new QWidget(this));
    m_later.append({name, std::move(build)});
}

QWidget* WorkPages::pageAt(int index)
{
    if (index < 0 || index >= m_later.size() || !m_later[index].build)
        return widget(index);
    const Builder build = std::exchange(m_later[index].build, {});
    QWidget* standIn = widget(index);
    QWidget* content = build();
    content->setObjectName(m_later[index].name);
    const bool current = currentWidget() == standIn;
    insertWidget(index, content);
    if (current)
        setCurrentWidget(content);
    removeWidget(standIn);
    delete standIn;
    return content;
}
