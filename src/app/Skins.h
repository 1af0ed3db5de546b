#pragma once

#include <QString>
#include <QStringList>

// The three skins. Skin i is the style sheet skins/<name i>.qss in the program folder; the
// theme index is the skin's position in names().
class Skins
{
public:
    static constexpr int Count = 3;

    explicit Skins(QString programFolder);

    static QStringList names();
    // The style sheet of skin `index`; empty when the index or the file is not there.
    QString styleSheet(int index) const;

private:
    QString m_programFolder;
};
