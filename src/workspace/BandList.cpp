#include "workspace/BandList.h"

BandList::BandList(QObject* parent) : QObject(parent) {}

void BandList::append(const QString& band)
{
    m_entries.append(band);
    emit entryAppended(band);
}

void BandList::select(int index)
{
    if (index < 0 || index >= count())
        index = -1;
    if (index == m_selected)
        return;
    m_selected = index;
    emit selectionChanged(index);
}
