#pragma once

#include <QIcon>
#include <QString>

// The menu icons, which the build draws as pictures of raw pixels (see qv3307-iconraster):
// NAME.rgba of 48 x 48 pixels and NAME@2x.rgba of twice that, uncompressed in the
// program's resources.
namespace MenuIcon {

// The side of an icon, in pixels.
constexpr int Size = 48;

// The icon called `name` for a screen of `devicePixelRatio` device pixels to a pixel; a null
// icon when there is none. Only the pictures the screen needs are read.
QIcon load(const QString& name, qreal devicePixelRatio);

} // namespace MenuIcon
