#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes as the suites read and write them, outside the code under test.

// The whole file; empty when it cannot be read.
QByteArray readAll(const QString& path);
// Replaces the file with `bytes`; fails the running test when the file cannot be opened.
void writeAll(const QString& path, const QByteArray& bytes);
