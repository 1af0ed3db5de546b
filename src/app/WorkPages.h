#pragma once

#include "app/PageControl.h"

#include <QList>

#include <functional>

// The work pages on the right. Their pages, in cycling order: the channels, the function
// settings, the service page, the COM port, the language and the skin. A page that the
// first frame does not show can be built the first time it is shown or asked for, so that
// the window comes up sooner and holds only the pages the user visits.
class WorkPages : public PageControl
{
    Q_OBJECT

public:
    using Builder = std::function<QWidget*()>;

    explicit WorkPages(QWidget* parent = nullptr);

    // Puts `content` on a new page called `name`; pages cycle in the order added.
    QWidget* addPage(const QString& name, QWidget* content);
    // Keeps the next place in the cycle for a page called `name` that `build` makes when the
    // page is first needed.
    void addPageBuiltLater(const QString& name, Builder build);

    // The page at `index`, built now if it was not yet.
    QWidget* pageAt(int index) override;

private:
    struct Later
    {
        QString name;
        Builder build; // empty once built
    };
    QList<Later> m_later; // one per page, in page order
};
