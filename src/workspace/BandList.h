#pragma once

#include <QObject>
#include <QStringList>

// The band box: texts such as "400-470MHz" and the selected one, which is the band every
// typed frequency is checked against. Entries are only ever added.
class BandList : public QObject
{
    Q_OBJECT

public:
    static inline const QString DefaultBand = QStringLiteral("400-470MHz");

    explicit BandList(QObject* parent = nullptr);

    const QStringList& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    int indexOf(const QString& band) const { return int(m_entries.indexOf(band)); }

    // -1 when nothing is selected.
    int selectedIndex() const { return m_selected; }
    QString selectedText() const { return m_entries.value(m_selected); }

    void append(const QString& band);
    // An index outside the list selects nothing. Every change of the selection is
    // announced, whoever made it.
    void select(int index);

signals:
    void entryAppended(const QString& band);
    void selectionChanged(int index);

private:
    QStringList m_entries;
    int m_selected = -1;
};
