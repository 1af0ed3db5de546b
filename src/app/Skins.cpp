#include "app/Skins.h"

#include <QDir>
#include <QFile>

Skins::Skins(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QStringList Skins::names()
{
    return {QStringLiteral("sentinel_red"), QStringLiteral("Sentinel_blue"),
            QStringLiteral("Watercolor")};
}

QString Skins::styleSheet(int index) const
{
    if (index < 0 || index >= Count)
        return {};
    QFile file(QDir(m_programFolder).filePath(QStringLiteral("skins/%1.qss").arg(names()[index])));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
