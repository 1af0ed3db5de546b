#include "app/WorkPages.h"

WorkPages::WorkPages(QWidget* parent) : PageControl(parent)
{
    setObjectName(QStringLiteral("workPages"));
}

QWidget* WorkPages::addPage(const QString& name, QWidget* content)
{
    content->setObjectName(name);
    addWidget(content);
    return content;
}
