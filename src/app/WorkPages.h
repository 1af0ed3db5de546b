#pragma once

#include "app/PageControl.h"

// The work pages on the right. Their pages, in cycling order: the channels, the function
// settings, the service page, the COM port, the language and the skin.
class WorkPages : public PageControl
{
    Q_OBJECT

public:
    explicit WorkPages(QWidget* parent = nullptr);

    // Puts `content` on a new page called `name`; pages cycle in the order added.
    QWidget* addPage(const QString& name, QWidget* content);
};
