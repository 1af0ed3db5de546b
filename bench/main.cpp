// qv3307-bench [NAME...]: runs the named benchmarks, or all of them, and prints one line
// per figure: its name and its value.

#include "BenchmarkList.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList wanted = QCoreApplication::arguments().mid(1);
    const QList<Benchmark> all = benchmarkList();

    for (const QString& name : wanted) {
        const bool known =
            std::any_of(all.begin(), all.end(), [&](const Benchmark& b) { return b.name == name; });
        if (!known) {
            std::fprintf(stderr, "qv3307-bench: no benchmark named %s\n", qPrintable(name));
            return 2;
        }
    }

    int status = 0;
    for (const Benchmark& benchmark : all) {
        if (!wanted.isEmpty() && !wanted.contains(benchmark.name))
            continue;
        const std::optional<double> value = benchmark.measure();
        if (!value) {
            status = 1;
            continue;
        }
        std::printf("%s %.4f\n", qPrintable(benchmark.name), *value);
        std::fflush(stdout);
    }
    return status;
}
