#include "formula/FormulaLexer.h"

#include <charconv>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool startsWord(QChar c)
{
    return c.isLetter() || c == u'_' || c == u'\\' || c == u'$';
}

bool continuesWord(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'$';
}

} // namespace

std::optional<FormulaSyntaxError> FormulaLexer::tokenize(std::vector<FormulaToken>& tokens)
{
    for (;;) {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
        FormulaToken token;
        token.position = m_at;
        if (m_at == m_text.size()) {
            tokens.push_back(std::move(token));
            return std::nullopt;
        }
        const QChar c = m_text[m_at];
        std::optional<FormulaSyntaxError> error;
        if (isDigit(c) || (c == u'.' && m_at + 1 < m_text.size() && isDigit(m_text[m_at + 1])))
            error = readNumber(token);
        else if (c == u'"')
            error = readText(token);
        else if (c == u'#')
            error = readError(token);
        else if (startsWord(c))
            readWord(token);
        else if (!readSymbol(token))
            return FormulaSyntaxError{m_at, QStringLiteral("无法识别的字符“%1”").arg(c)};
        if (error)
            return error;
        tokens.push_back(std::move(token));
    }
}

std::optional<FormulaSyntaxError> FormulaLexer::readNumber(FormulaToken& token)
{
    char buffer[64];
    int length = 0;
    const auto take = [&] {
        if (length < 63)
            buffer[length++] = char(m_text[m_at].unicode());
        ++m_at;
    };
    while (m_at < m_text.size() && isDigit(m_text[m_at]))
        take();
    if (m_at < m_text.size() && m_text[m_at] == u'.') {
        take();
        while (m_at < m_text.size() && isDigit(m_text[m_at]))
            take();
    }
    if (m_at < m_text.size() && (m_text[m_at] == u'e' || m_text[m_at] == u'E')) {
        take();
        if (m_at < m_text.size() && (m_text[m_at] == u'+' || m_text[m_at] == u'-'))
            take();
        const qsizetype exponentStart = m_at;
        while (m_at < m_text.size() && isDigit(m_text[m_at]))
            take();
        if (m_at == exponentStart)
            return FormulaSyntaxError{token.position, QStringLiteral("数字的写法有误")};
    }
    if (m_at < m_text.size() && (continuesWord(m_text[m_at]) || m_text[m_at] == u'.'))
        return FormulaSyntaxError{token.position, QStringLiteral("数字的写法有误")};
    token.kind = FormulaToken::Kind::Number;
    std::from_chars(buffer, buffer + length, token.number);
    return std::nullopt;
}

std::optional<FormulaSyntaxError> FormulaLexer::readText(FormulaToken& token)
{
    token.kind = FormulaToken::Kind::Text;
    for (++m_at; m_at < m_text.size(); ++m_at) {
        if (m_text[m_at] != u'"') {
            token.text += m_text[m_at];
        } else if (m_at + 1 < m_text.size() && m_text[m_at + 1] == u'"') {
            token.text += u'"';
            ++m_at;
        } else {
            ++m_at;
            return std::nullopt;
        }
    }
    return FormulaSyntaxError{token.position, QStringLiteral("文本缺少结尾的引号")};
}

std::optional<FormulaSyntaxError> FormulaLexer::readError(FormulaToken& token)
{
    // The longest error text is seven characters; try the longest piece first.
    for (qsizetype length = std::min<qsizetype>(7, m_text.size() - m_at); length >= 4; --length)
        if (const std::optional<FormulaError> error = errorFromText(m_text.sliced(m_at, length))) {
            token.kind = FormulaToken::Kind::Error;
            token.error = *error;
            m_at += length;
            return std::nullopt;
        }
    return FormulaSyntaxError{token.position, QStringLiteral("无法识别的错误值")};
}

void FormulaLexer::readWord(FormulaToken& token)
{
    const qsizetype start = m_at;
    for (++m_at; m_at < m_text.size() && continuesWord(m_text[m_at]);)
        ++m_at;
    token.kind = FormulaToken::Kind::Word;
    token.text = m_text.sliced(start, m_at - start).toString();
}

bool FormulaLexer::readSymbol(FormulaToken& token)
{
    using Kind = FormulaToken::Kind;
    const QChar c = m_text[m_at];
    const QChar next = m_at + 1 < m_text.size() ? m_text[m_at + 1] : QChar();
    static constexpr std::pair<char16_t, Kind> Singles[] = {
        {u'+', Kind::Plus},      {u'-', Kind::Minus},      {u'*', Kind::Star},    {u'/', Kind::Slash},
        {u'^', Kind::Caret},     {u'&', Kind::Ampersand},  {u'%', Kind::Percent}, {u'=', Kind::Equal},
        {u'(', Kind::LeftParen}, {u')', Kind::RightParen}, {u',', Kind::Comma},   {u':', Kind::Colon},
        {u'<', Kind::Less},      {u'>', Kind::Greater},
    };
    if (c == u'<' && (next == u'>' || next == u'=')) {
        token.kind = next == u'>' ? Kind::NotEqual : Kind::LessOrEqual;
        m_at += 2;
        return true;
    }
    if (c == u'>' && next == u'=') {
        token.kind = Kind::GreaterOrEqual;
        m_at += 2;
        return true;
    }
    for (const auto& [symbol, kind] : Singles)
        if (c == symbol) {
            token.kind = kind;
            ++m_at;
            return true;
        }
    return false;
}
