#include "Report.h"

#include <QMap>
#include <QTextStream>

#include <algorithm>

bool Figure::holds() const
{
    if (memoryFigure)
        return measured.peakKiB / 1024.0 < limit;
    if (baselineMs)
        return ratio() <= limit;
    return measured.medianMs < limit;
}

double timeLimitFor(double msAt100000, qsizetype size)
{
    return msAt100000 * std::max(1.0, double(size) / 100000.0);
}

void printTable(const QList<Figure>& figures)
{
    QTextStream out(stdout);
    auto line = [&out](const QString& a, const QString& b, const QString& c, const QString& d,
                       const QString& e, const QString& f, const QString& g, const QString& h) {
        out << a.leftJustified(46) << b.rightJustified(9) << c.rightJustified(12) << d.rightJustified(12)
            << e.rightJustified(8) << f.rightJustified(10) << g.rightJustified(10) << h.rightJustified(6)
            << '\n';
    };
    line(QStringLiteral("figure"), QStringLiteral("size"), QStringLiteral("median ms"),
         QStringLiteral("baseline"), QStringLiteral("ratio"), QStringLiteral("peak MiB"),
         QStringLiteral("target"), QStringLiteral("ok"));
    for (const Figure& f : figures) {
        line(f.name, QString::number(f.size), QString::number(f.measured.medianMs, 'f', 1),
             f.baselineMs ? QString::number(*f.baselineMs, 'f', 1) : QStringLiteral("-"),
             f.baselineMs ? QString::number(f.ratio(), 'f', 2) + u'x' : QStringLiteral("-"),
             QString::number(f.measured.peakKiB / 1024.0, 'f', 0), f.target,
             f.holds() ? QStringLiteral("yes") : QStringLiteral("NO"));
    }
    out.flush();
}

void printGrowth(const QList<Figure>& figures)
{
    QMap<QString, QList<const Figure*>> byName;
    QStringList order;
    for (const Figure& f : figures) {
        if (!byName.contains(f.name))
            order << f.name;
        byName[f.name] << &f;
    }
    QTextStream out(stdout);
    out << "\ngrowth between the two largest sizes (linear = the ratio of the sizes; target: at most 1.2 "
           "times that)\n";
    for (const QString& name : order) {
        const auto& runs = byName[name];
        if (runs.size() < 2)
            continue;
        const Figure* small = runs[runs.size() - 2];
        const Figure* large = runs.last();
        const double sizeRatio = double(large->size) / double(small->size);
        const auto value = [large](const Figure* f) {
            return large->memoryFigure ? double(f->measured.peakKiB) : f->measured.medianMs;
        };
        const double valueRatio = value(small) > 0 ? value(large) / value(small) : 0;
        out << name.leftJustified(46) << QString::number(small->size).rightJustified(9) << " -> "
            << QString::number(large->size).rightJustified(8)
            << (large->memoryFigure ? "  memory x" : "  time x") << QString::number(valueRatio, 'f', 1)
            << " (sizes x" << QString::number(sizeRatio, 'f', 0) << ")"
            << (valueRatio <= sizeRatio * 1.2 ? "  ok" : "  NO");
        // Where the baseline grows as much, the growth is the system's, not the program's.
        if (small->baselineMs && large->baselineMs && *small->baselineMs > 0)
            out << "  baseline x" << QString::number(*large->baselineMs / *small->baselineMs, 'f', 1);
        out << '\n';
    }
    out.flush();
}
