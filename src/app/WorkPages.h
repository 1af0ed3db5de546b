#pragma once

#include "app/PageControl.h"

// The work page control "TeSPageControl1" on the right. Its pages, in cycling order:
// x1 (channels), x2 (function settings), powercha (service), commchang (COM port),
// language and skin.
class WorkPages : public PageControl
{
    Q_OBJECT

public:
    explicit WorkPages(QWidget* parent = nullptr);

    // Puts `content` on a new page called `name`; pages cycle in the order added.
    QWidget* addPage(const QString& name, QWidget* content);
};
