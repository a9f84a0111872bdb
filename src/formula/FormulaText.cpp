#include "formula/FormulaText.h"

#include "formula/FormulaProgram.h"
#include "formula/FunctionCatalog.h"
#include "formula/ValueText.h"

#include <algorithm>
#include <iterator>

namespace {

QStringView operatorText(FormulaOperator op)
{
    static constexpr QStringView Texts[] = {u"+", u"-",  u"*", u"/", u"^",  u"&",
                                            u"=", u"<>", u"<", u">", u"<=", u">="};
    return Texts[int(op)];
}

// The functions a workbook file names with "_xlfn.", being newer than the file format.
bool isNewerThanTheFileFormat(QStringView name)
{
    static constexpr QStringView Newer[] = {u"CONCAT",    u"TEXTJOIN",     u"UNICHAR",     u"UNICODE",
                                            u"REGEXTEST", u"REGEXEXTRACT", u"REGEXREPLACE"};
    return std::find(std::begin(Newer), std::end(Newer), name) != std::end(Newer);
}

class Writer
{
public:
    Writer(const FormulaProgram& program, CellAddress host, FormulaDialect dialect)
        : m_program(program), m_host(host), m_dialect(dialect)
    {
    }

    void write(const FormulaNode& node);
    QString m_text;

private:
    void writeChildren(const FormulaNode& node, QStringView separator);

    const FormulaProgram& m_program;
    CellAddress m_host;
    FormulaDialect m_dialect;
};

void Writer::write(const FormulaNode& node)
{
    switch (node.kind) {
    case FormulaNode::Kind::Number:
        m_text += generalNumberText(node.number);
        break;
    case FormulaNode::Kind::Text:
        m_text += u'"' + QString(m_program.texts[node.index]).replace(u'"', QStringLiteral("\"\"")) + u'"';
        break;
    case FormulaNode::Kind::Boolean:
        m_text += node.number != 0 ? u"TRUE" : u"FALSE";
        break;
    case FormulaNode::Kind::Error:
        m_text += errorText(node.error);
        break;
    case FormulaNode::Kind::Missing:
        break;
    case FormulaNode::Kind::Reference:
        m_text += m_program.references[node.index].text(m_host);
        break;
    case FormulaNode::Kind::Name:
        m_text += m_program.texts[node.index];
        break;
    case FormulaNode::Kind::Parentheses:
        m_text += u'(';
        write(m_program.child(node, 0));
        m_text += u')';
        break;
    case FormulaNode::Kind::Negate:
    case FormulaNode::Kind::UnaryPlus:
        m_text += node.kind == FormulaNode::Kind::Negate ? u'-' : u'+';
        write(m_program.child(node, 0));
        break;
    case FormulaNode::Kind::Percent:
        write(m_program.child(node, 0));
        m_text += u'%';
        break;
    case FormulaNode::Kind::Operator:
        writeChildren(node, operatorText(node.op));
        break;
    case FormulaNode::Kind::UnknownCall:
    case FormulaNode::Kind::Call: {
        const QStringView name = node.kind == FormulaNode::Kind::Call
                                     ? FunctionCatalog::function(node.index).name
                                     : QStringView(m_program.texts[node.index]);
        if (m_dialect == FormulaDialect::Workbook && isNewerThanTheFileFormat(name))
            m_text += u"_xlfn.";
        m_text += name;
        m_text += u'(';
        writeChildren(node, u",");
        m_text += u')';
        break;
    }
    }
}

void Writer::writeChildren(const FormulaNode& node, QStringView separator)
{
    for (quint32 i = 0; i < node.childCount; ++i) {
        if (i > 0)
            m_text += separator;
        write(m_program.child(node, i));
    }
}

} // namespace

QString formulaText(const FormulaProgram& program, CellAddress host, FormulaDialect dialect)
{
    Writer writer(program, host, dialect);
    writer.m_text += u'=';
    writer.write(program.nodes[program.root]);
    return writer.m_text;
}

bool callsOwnFunctions(const FormulaProgram& program)
{
    return std::any_of(program.nodes.begin(), program.nodes.end(), [](const FormulaNode& node) {
        return node.kind == FormulaNode::Kind::Call &&
               FunctionCatalog::function(node.index).name == u"FILEINFO";
    });
}
