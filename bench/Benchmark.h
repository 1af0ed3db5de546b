#pragma once

#include <QString>

#include <functional>
#include <optional>

// One figure: a name and the code that measures it. The code returns nothing when it
// could not measure, after saying why on the error output.
struct Benchmark
{
    QString name;
    std::function<std::optional<double>()> measure;
};
