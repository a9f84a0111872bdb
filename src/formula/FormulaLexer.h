#pragma once

#include "formula/FormulaSyntaxError.h"
#include "formula/FormulaToken.h"

#include <QStringView>
#include <optional>
#include <vector>

// Cuts a typed formula into tokens, ending with an End token; blanks between tokens are
// skipped.
class FormulaLexer
{
public:
    // Reads text from index start (just after the "=").
    FormulaLexer(QStringView text, qsizetype start) : m_text(text), m_at(start) {}

    std::optional<FormulaSyntaxError> tokenize(std::vector<FormulaToken>& tokens);

private:
    std::optional<FormulaSyntaxError> readNumber(FormulaToken& token);
    std::optional<FormulaSyntaxError> readText(FormulaToken& token);
    std::optional<FormulaSyntaxError> readError(FormulaToken& token);
    void readWord(FormulaToken& token);
    bool readSymbol(FormulaToken& token);

    QStringView m_text;
    qsizetype m_at;
};
