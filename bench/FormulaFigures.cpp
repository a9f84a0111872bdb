#include "Figures.h"

#include "formula/Formula.h"
#include "formula/FormulaContext.h"

#include <QFileInfo>
#include <vector>

namespace {

// The table's first columns as a formula reads them: a number in A, a file's name in B.
class NameColumns : public FormulaContext
{
public:
    explicit NameColumns(const QStringList& files)
    {
        m_names.reserve(size_t(files.size()));
        for (const QString& file : files)
            m_names.push_back(QFileInfo(file).fileName());
    }

    qsizetype rows() const { return qsizetype(m_names.size()); }

    FormulaValue cellValue(qsizetype row, int column) const override
    {
        const qsizetype i = row - 2;
        if (i < 0 || i >= rows())
            return {};
        if (column == 1)
            return FormulaValue::number(double(i + 1));
        if (column == 2)
            return FormulaValue::text(m_names[size_t(i)]);
        return {};
    }

    QDateTime currentDateTime() const override { return m_now; }

private:
    std::vector<QString> m_names;
    QDateTime m_now = QDateTime::currentDateTime();
};

} // namespace

void measureFormulaFigure(const BenchContext& context, QList<Figure>& figures)
{
    const NameColumns cells(context.tree.files);
    const std::shared_ptr<const Formula> formula =
        Formula::parse(QStringLiteral("=LEFT(B2,3)&\"-\"&TEXT(A2,\"000\")"), {2, 3}).formula;
    std::vector<FormulaValue> results(size_t(cells.rows()));

    Figure figure;
    figure.name = QStringLiteral("formula column =LEFT(B2,3)&\"-\"&TEXT(A2,\"000\")");
    figure.size = cells.rows();
    figure.measured = measure(context.runs, [&] {
        for (qsizetype i = 0; i < cells.rows(); ++i)
            results[size_t(i)] = formula->evaluate(cells, {i + 2, 3});
    });
    figure.target = QStringLiteral("<300ms");
    figure.limit = timeLimitFor(300, cells.rows());
    figures << figure;
}
