#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class QProgressBar;

// One row per radio while several are written at once: the radio's port, its own bar, and
// once it has ended, how it went.
class RadioProgressRows : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 24;

    explicit RadioProgressRows(QWidget* parent = nullptr);

    // A row for each radio, bars at 0 and no result; none hides the rows.
    void setRadios(const QStringList& names);
    int count() const { return int(m_rows.size()); }

    void setProgress(int row, int percent);
    // The radio has ended: `text` says how, marked as a failure unless `succeeded`.
    void setResult(int row, const QString& text, bool succeeded);

    QLabel* nameLabel(int row) const { return m_rows.at(row).name; }
    QProgressBar* progressBar(int row) const { return m_rows.at(row).bar; }
    QLabel* resultLabel(int row) const { return m_rows.at(row).result; }

private:
    struct Row
    {
        QLabel* name = nullptr;
        QProgressBar* bar = nullptr;
        QLabel* result = nullptr;
    };

    QList<Row> m_rows;
};
