#pragma once

#include "Benchmark.h"

#include <QList>

// Every benchmark the program knows, in the order they run. A new figure is one more
// entry here.
QList<Benchmark> benchmarkList();
