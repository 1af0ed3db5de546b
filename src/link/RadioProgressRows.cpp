#include "link/RadioProgressRows.h"

#include <QLabel>
#include <QProgressBar>

namespace {
constexpr int NameWidth = 44;
constexpr int BarWidth = 100;
constexpr int Gap = 6;
} // namespace

RadioProgressRows::RadioProgressRows(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("radioProgressRows"));
    hide();
}

void RadioProgressRows::setRadios(const QStringList& names)
{
    for (const Row& row : std::as_const(m_rows)) {
        delete row.name;
        delete row.bar;
        delete row.result;
    }
    m_rows.clear();
    for (int index = 0; index < names.size(); ++index) {
        const int top = index * RowHeight;
        Row row{new QLabel(names.at(index), this), new QProgressBar(this), new QLabel(this)};
        row.name->setGeometry(0, top, NameWidth, RowHeight - 4);
        row.bar->setRange(0, 100);
        row.bar->setValue(0);
        row.bar->setTextVisible(false);
        row.bar->setGeometry(NameWidth + Gap, top, BarWidth, RowHeight - 4);
        row.result->setGeometry(NameWidth + BarWidth + 2 * Gap, top,
                                width() - NameWidth - BarWidth - 2 * Gap, RowHeight - 4);
        row.result->setToolTip({});
        for (QWidget* part : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.bar),
                              static_cast<QWidget*>(row.result)})
            part->show();
        m_rows << row;
    }
    setVisible(!names.isEmpty());
}

void RadioProgressRows::setProgress(int row, int percent)
{
    if (row >= 0 && row < count())
        m_rows.at(row).bar->setValue(percent);
}

void RadioProgressRows::setResult(int row, const QString& text, bool succeeded)
{
    if (row < 0 || row >= count())
        return;
    QLabel* result = m_rows.at(row).result;
    // The whole text stays within reach when the row is too narrow for it.
    result->setText(text);
    result->setToolTip(text);
    result->setStyleSheet(succeeded ? QString() : QStringLiteral("color: #e04040"));
    if (succeeded)
        m_rows.at(row).bar->setValue(100);
}
