#include "formula/DateSerial.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"
#include "formula/WholeArgument.h"

namespace {

constexpr double LastSerial = 2958465; // 9999-12-31

FormulaValue today(FunctionArguments& arguments)
{
    return FormulaValue::number(serialFromDate(arguments.context().currentDateTime().date()));
}

FormulaValue now(FunctionArguments& arguments)
{
    return FormulaValue::number(serialFromDateTime(arguments.context().currentDateTime()));
}

// Months and days past their ends carry over: DATE(2026,13,1) is 2027-01-01, DATE(2026,3,0)
// 2026-02-28. Years 0 to 1899 count from 1900.
FormulaValue date(FunctionArguments& arguments)
{
    const Checked<double> year = arguments.number(0);
    const Checked<double> month = arguments.number(1);
    const Checked<double> day = arguments.number(2);
    if (const std::optional<FormulaError> error = firstError(year, month, day))
        return *error;
    qint64 wholeYear = wholeArgument(*year);
    if (wholeYear >= 0 && wholeYear < 1900)
        wholeYear += 1900;
    const qint64 wholeMonth = wholeArgument(*month);
    const qint64 wholeDay = wholeArgument(*day);
    if (wholeYear < 1900 || wholeYear > 9999 || std::abs(wholeMonth) > 120000 || std::abs(wholeDay) > 4000000)
        return FormulaError::Num;
    const QDate first = QDate(int(wholeYear), 1, 1).addMonths(int(wholeMonth - 1));
    const double serial = serialFromDate(first) + double(wholeDay - 1);
    if (serial < 0 || serial > LastSerial)
        return FormulaError::Num;
    return FormulaValue::number(serial);
}

template <int SerialParts::*field> FormulaValue part(FunctionArguments& arguments)
{
    const Checked<double> serial = arguments.number(0);
    if (!serial)
        return serial.error();
    const std::optional<SerialParts> parts = serialParts(*serial);
    if (!parts)
        return FormulaError::Num;
    return FormulaValue::number((*parts).*field);
}

constexpr FormulaFunction Functions[] = {
    {u"TODAY", u"TODAY()", u"今天的日期", 0, 0, today, true},
    {u"NOW", u"NOW()", u"当前的日期和时间", 0, 0, now, true},
    {u"DATE", u"DATE(年, 月, 日)", u"由年、月、日组成日期", 3, 3, date},
    {u"YEAR", u"YEAR(日期)", u"日期的年份", 1, 1, part<&SerialParts::year>},
    {u"MONTH", u"MONTH(日期)", u"日期的月份，1 到 12", 1, 1, part<&SerialParts::month>},
    {u"DAY", u"DAY(日期)", u"日期是当月的第几天，1 到 31", 1, 1, part<&SerialParts::day>},
    {u"HOUR", u"HOUR(时间)", u"时间的小时数，0 到 23", 1, 1, part<&SerialParts::hour>},
    {u"MINUTE", u"MINUTE(时间)", u"时间的分钟数，0 到 59", 1, 1, part<&SerialParts::minute>},
    {u"SECOND", u"SECOND(时间)", u"时间的秒数，0 到 59", 1, 1, part<&SerialParts::second>},
};

} // namespace

std::span<const FormulaFunction> dateFunctions()
{
    return Functions;
}
