#pragma once

#include "formula/FormulaNode.h"
#include "formula/FormulaReference.h"

#include <QString>
#include <vector>

// A formula as parsing leaves it: its nodes, what they name, and the node that gives its value.
struct FormulaProgram
{
    std::vector<FormulaNode> nodes;
    std::vector<quint32> children;
    std::vector<QString> texts;
    std::vector<FormulaReference> references; // each reference once, in the order first named
    quint32 root = 0;
    bool isVolatile = false;
    bool readsOwnFile = false;

    const FormulaNode& child(const FormulaNode& node, quint32 i) const
    {
        return nodes[children[node.firstChild + i]];
    }

    friend bool operator==(const FormulaProgram&, const FormulaProgram&) = default;
};
