#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaValue.h"

// Receives the cells of a range one by one; returns false to stop the walk.
class CellVisitor
{
public:
    virtual bool visit(CellAddress cell, const FormulaValue& value) = 0;

protected:
    ~CellVisitor() = default;
};
