#pragma once

#include <QIcon>
#include <QString>

// The menu icons, which the build draws as pictures: NAME.png of 48 x 48 pixels and
// NAME@2x.png of twice that, in the program's resources.
namespace MenuIcon {

// The icon called `name` for a screen of `devicePixelRatio` device pixels to a pixel; a null
// icon when there is none. Only the pictures the screen needs are read.
QIcon load(const QString& name, qreal devicePixelRatio);

} // namespace MenuIcon
