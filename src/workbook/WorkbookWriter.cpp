#include "workbook/WorkbookWriter.h"

#include "base/NativeName.h"
#include "formula/Formula.h"
#include "table/GridDesign.h"
#include "table/Sheet.h"
#include "table/SheetModel.h"
#include "workbook/OpcPackage.h"
#include "workbook/ScratchFolder.h"
#include "workbook/WorkbookLimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <xlsxwriter.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace {

// How a cell looks beyond its value. The workbook's default font is 11 pt, as the sheet's.
struct Look
{
    bool bold = false;
    qint64 color = -1; // 0xRRGGBB, -1 for the default colour
    double fontSize = Sheet::DefaultFontSize;
    bool text = false;

    auto operator<=>(const Look&) const = default;
};

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Characters an XML document cannot hold: most controls, lone surrogates, U+FFFE and U+FFFF.
bool isForbiddenInXml(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (c < 0x20)
        return c != u'\t' && c != u'\n' && c != u'\r';
    if (c == 0xFFFE || c == 0xFFFF)
        return true;
    if (QChar::isHighSurrogate(c))
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (QChar::isLowSurrogate(c))
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

// A spreadsheet reads "_x0041_" in a cell's text as the character it encodes: characters XML
// cannot hold are written that way, and a literal "_x0041_" gets its underscore escaped, so that
// the text comes back as it was.
QByteArray workbookText(const QString& text)
{
    static const QRegularExpression encodedCharacter(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    QString escaped = text;
    if (escaped.contains(QStringLiteral("_x")))
        escaped.replace(encodedCharacter, QStringLiteral("_x005F_"));
    for (qsizetype i = escaped.size() - 1; i >= 0; --i) {
        if (isForbiddenInXml(escaped, i))
            escaped.replace(i, 1,
                            QStringLiteral("_x%1_").arg(QString::number(escaped[i].unicode(), 16).toUpper(),
                                                        4, QChar(u'0')));
    }
    return escaped.toUtf8();
}

int pixelsForPoints(double points)
{
    return qRound(points * 96.0 / 72.0);
}

// Writes one sheet into one worksheet, with one workbook format per distinct look.
class SheetWriting
{
public:
    SheetWriting(lxw_workbook* workbook, lxw_worksheet* worksheet, const Sheet& sheet)
        : m_workbook(workbook), m_worksheet(worksheet), m_sheet(sheet)
    {
        const int columns = std::max(sheet.usedColumnCount(), int(Sheet::H));
        m_columnLooks.resize(columns + 1);
        for (int c = 1; c <= columns; ++c) {
            m_columnLooks[c].fontSize = sheet.fontSize(c);
            m_columnLooks[c].text = sheet.hasColumnTextFormat(c);
        }
    }

    // Cells whose names hold bytes that are not text: the workbook, which holds only text, gets
    // them as \xHH.
    qsizetype rawByteCells() const { return m_rawByteCells; }

    lxw_error write()
    {
        ::worksheet_set_default_row(m_worksheet, GridDesign::RowHeightPt, LXW_FALSE);
        const lxw_error error = writeColumns();
        return error == LXW_NO_ERROR ? writeCells() : error;
    }

private:
    lxw_format* format(const Look& look)
    {
        if (look == Look{})
            return nullptr;
        auto [it, added] = m_formats.try_emplace(look, nullptr);
        if (added) {
            lxw_format* format = ::workbook_add_format(m_workbook);
            if (look.bold)
                ::format_set_bold(format);
            // libxlsxwriter takes 0 for "no colour" and has a value of its own for black.
            if (look.color >= 0)
                ::format_set_font_color(format, look.color == 0 ? lxw_color_t(LXW_COLOR_BLACK)
                                                                : lxw_color_t(look.color));
            if (look.fontSize != Sheet::DefaultFontSize)
                ::format_set_font_size(format, look.fontSize);
            if (look.text)
                ::format_set_num_format(format, "@");
            it->second = format;
        }
        return it->second;
    }

    // Columns keep the sheet's widths; those without one get the grid's designed width, so
    // the workbook opens looking like the grid.
    lxw_error writeColumns()
    {
        for (int c = 1; c < int(m_columnLooks.size()); ++c) {
            lxw_format* columnFormat = format(m_columnLooks[c]);
            const lxw_col_t column = lxw_col_t(c - 1);
            const std::optional<double> characters = m_sheet.columnWidth(c);
            const lxw_error error =
                characters ? ::worksheet_set_column(m_worksheet, column, column, *characters, columnFormat)
                           : ::worksheet_set_column_pixels(m_worksheet, column, column,
                                                           pixelsForPoints(GridDesign::columnWidthPt(c)),
                                                           columnFormat);
            if (error != LXW_NO_ERROR)
                return error;
        }
        return LXW_NO_ERROR;
    }

    // Constant-memory workbooks take their rows strictly in order, top to bottom.
    lxw_error writeCells()
    {
        const qsizetype rows = m_sheet.usedRowCount();
        for (qsizetype r = 1; r <= rows; ++r) {
            for (int c = 1; c < int(m_columnLooks.size()); ++c) {
                const lxw_error error = writeCell(r, c);
                if (error != LXW_NO_ERROR)
                    return error;
            }
        }
        return LXW_NO_ERROR;
    }

    lxw_error writeCell(qsizetype row, int column)
    {
        Look look = m_columnLooks[column];
        look.bold = m_sheet.isBold(row, column);
        if (const auto color = m_sheet.color(row, column))
            look.color = *color;
        const lxw_row_t r = lxw_row_t(row - 1);
        const lxw_col_t c = lxw_col_t(column - 1);
        const Sheet::Value value = m_sheet.value(row, column);
        // A formula goes as a formula with its value kept beside it, so the spreadsheet shows the
        // same names and keeps the formula; one of the program's own functions it could not
        // calculate, so that cell goes as its value.
        if (const Sheet::FormulaPointer formula = m_sheet.formula(row, column);
            formula && formula->isPortable())
            return writeFormula(r, c, workbookText(formula->workbookText({row, column})), value, look);
        if (const auto* number = std::get_if<double>(&value); number && std::isfinite(*number))
            return ::worksheet_write_number(m_worksheet, r, c, *number, format(look));
        if (const auto* boolean = std::get_if<bool>(&value))
            return ::worksheet_write_boolean(m_worksheet, r, c, *boolean, format(look));
        // An empty cell needs writing only for a look of its own; the column gives the rest.
        if (std::holds_alternative<std::monostate>(value))
            return look.bold || look.color >= 0 ? ::worksheet_write_blank(m_worksheet, r, c, format(look))
                                                : LXW_NO_ERROR;
        QString text = m_sheet.text(row, column);
        if (NativeName::hasRawBytes(text)) {
            text = NativeName::display(text);
            ++m_rawByteCells;
        }
        return ::worksheet_write_string(m_worksheet, r, c, workbookText(text).constData(), format(look));
    }

    lxw_error writeFormula(lxw_row_t r, lxw_col_t c, const QByteArray& formula, const Sheet::Value& value,
                           const Look& look)
    {
        if (const auto* number = std::get_if<double>(&value); number && std::isfinite(*number))
            return ::worksheet_write_formula_num(m_worksheet, r, c, formula.constData(), format(look),
                                                 *number);
        QString cached;
        if (const auto* text = std::get_if<QString>(&value))
            cached = NativeName::display(*text);
        else if (const auto* boolean = std::get_if<bool>(&value))
            cached = *boolean ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        else if (const auto* error = std::get_if<FormulaError>(&value))
            cached = errorText(*error);
        return ::worksheet_write_formula_str(m_worksheet, r, c, formula.constData(), format(look),
                                             workbookText(cached).constData());
    }

    lxw_workbook* m_workbook;
    lxw_worksheet* m_worksheet;
    const Sheet& m_sheet;
    std::vector<Look> m_columnLooks; // by column number, from 1
    std::map<Look, lxw_format*> m_formats;
    qsizetype m_rawByteCells = 0;
};

QString describe(lxw_error error, const QString& path)
{
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("内存不足");
    case LXW_ERROR_CREATING_XLSX_FILE:
        return QStringLiteral("无法创建文件 %1").arg(nativePath(path));
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return QStringLiteral("无法使用临时文件，磁盘可能已满");
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return QStringLiteral("无法写入文件 %1，磁盘可能已满").arg(nativePath(path));
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return QStringLiteral("有单元格的文字超过工作簿单元格最多 %1 个字符")
            .arg(WorkbookLimits::MaxCellText);
    default:
        return QStringLiteral("写入工作簿时出错（%1）").arg(QString::fromUtf8(::lxw_strerror(error)));
    }
}

// libxlsxwriter writes its parts through temporary files without checking those writes: on a full
// disk it would close a workbook cut short and call it done. The rows' file is checked before
// the workbook is closed, and every part of the closed workbook after.
bool rowsReachedTheirFile(lxw_worksheet* worksheet)
{
    FILE* rows = worksheet->optimize_tmpfile;
    return !rows || (std::fflush(rows) == 0 && !std::ferror(rows));
}

// Every part of the workbook ends with the end of its root element: nothing was cut off.
bool isWhole(const QString& path)
{
    OpcPackage package;
    const auto parts = package.open(path) ? package.partEdges(512, 64) : std::nullopt;
    if (!parts || parts->isEmpty())
        return false;
    static const QRegularExpression root(QStringLiteral("<([A-Za-z_][\\w.:-]*)"));
    for (const OpcPackage::PartEdges& part : *parts) {
        const QString head = QString::fromUtf8(part.head);
        const QRegularExpressionMatch match =
            root.match(head, head.startsWith(u"<?") ? head.indexOf(u"?>") : 0);
        if (!match.hasMatch() ||
            !part.tail.trimmed().endsWith(QByteArray("</") + match.captured(1).toUtf8() + '>'))
            return false;
    }
    return true;
}

} // namespace

WorkbookWriter::WorkbookWriter(const Sheet& sheet, const QDateTime& createdAt)
    : m_sheet(sheet), m_createdAt(createdAt)
{
}

bool WorkbookWriter::write(const QString& path)
{
    m_error.clear();
    m_rawByteCells = 0;
    if (!fitsWorkbook() || !reserve(path))
        return false;

    const QByteArray fileName = QFile::encodeName(path);
    // libxlsxwriter's own temporary files go beside the workbook, in a folder known writable,
    // inside one of their own that is cleared whatever the library leaves behind.
    const ScratchFolder scratch(QFileInfo(path).absolutePath());
    if (!scratch.isValid()) {
        QFile::remove(path);
        return fail(describe(LXW_ERROR_CREATING_TMPFILE, path));
    }
    QByteArray temporaryFolder = scratch.path();
    lxw_workbook_options options{};
    // Rows go straight to a temporary file, so memory stays flat however long the table is.
    options.constant_memory = LXW_TRUE;
    options.tmpdir = temporaryFolder.data();
    lxw_workbook* workbook = ::workbook_new_opt(fileName.constData(), &options);
    if (!workbook) {
        QFile::remove(path);
        return fail(describe(LXW_ERROR_MEMORY_MALLOC_FAILED, path));
    }
    lxw_doc_properties properties{};
    properties.created = time_t(m_createdAt.toSecsSinceEpoch());
    ::workbook_set_properties(workbook, &properties);

    lxw_error error = LXW_ERROR_CREATING_TMPFILE;
    if (lxw_worksheet* worksheet = ::workbook_add_worksheet(workbook, nullptr)) {
        SheetWriting writing(workbook, worksheet, m_sheet);
        error = writing.write();
        m_rawByteCells = writing.rawByteCells();
        if (error == LXW_NO_ERROR && !rowsReachedTheirFile(worksheet))
            error = LXW_ERROR_CREATING_TMPFILE;
    }
    // A bad path or a full disk shows only here, when the file itself is written.
    const lxw_error closed = ::workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error == LXW_NO_ERROR && !isWhole(path))
        error = LXW_ERROR_READING_TMPFILE;
    if (error != LXW_NO_ERROR) {
        QFile::remove(path);
        return fail(describe(error, path));
    }
    return true;
}

// Checks what libxlsxwriter would refuse only halfway through, with a warning on stderr.
bool WorkbookWriter::fitsWorkbook()
{
    const qsizetype rows = m_sheet.usedRowCount();
    if (rows > WorkbookLimits::MaxRows)
        return fail(
            QStringLiteral("表格有 %1 行，超过工作簿最多 %2 行").arg(rows).arg(WorkbookLimits::MaxRows));
    const int columns = m_sheet.usedColumnCount();
    if (columns > WorkbookLimits::MaxColumns)
        return fail(QStringLiteral("表格有 %1 列，超过工作簿最多 %2 列")
                        .arg(columns)
                        .arg(WorkbookLimits::MaxColumns));
    for (int c = 1; c <= columns; ++c) {
        for (qsizetype r = 1; r <= rows; ++r) {
            const Sheet::Value value = m_sheet.value(r, c);
            const auto* text = std::get_if<QString>(&value);
            if (text && text->size() > WorkbookLimits::MaxCellText)
                return fail(QStringLiteral("单元格 %1%2 的文字有 %3 个字符，超过工作簿单元格最多 %4 个字符")
                                .arg(SheetModel::columnName(c))
                                .arg(r)
                                .arg(text->size())
                                .arg(WorkbookLimits::MaxCellText));
        }
    }
    return true;
}

// Creating the file first keeps an existing one untouched and reports an unusable folder
// before any work, with a reason libxlsxwriter would only give at the end.
bool WorkbookWriter::reserve(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.exists() || file.isSymLink())
        return fail(QStringLiteral("文件 %1 已存在").arg(nativePath(path)));
    if (!folder.isDir())
        return fail(QStringLiteral("找不到文件夹 %1").arg(nativePath(folder.filePath())));
    QFile reserved(path);
    if (!reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (!folder.isWritable())
            return fail(QStringLiteral("没有在文件夹 %1 中写入的权限").arg(nativePath(folder.filePath())));
        return fail(QStringLiteral("无法创建文件 %1（%2）").arg(nativePath(path), reserved.errorString()));
    }
    return true;
}

bool WorkbookWriter::fail(const QString& reason)
{
    m_error = reason;
    return false;
}
