// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the commands that draw nothing (--version, --help, export, results): the
// smallest program of the toolkit's core that starts, prints its version and ends. Time
// `quorvel --version` against it, whole processes in alternation (`/usr/bin/time`, `perf stat`).
//
//   ./bare_core --version
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QTextStream(stdout) << "bare_core " << QCoreApplication::applicationVersion() << '\n';
    return 0;
}
