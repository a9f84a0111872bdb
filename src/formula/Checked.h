#pragma once

#include "formula/FormulaError.h"

#include <optional>
#include <utility>

// A value read from a formula argument, or the error that took its place.
template <typename T> class Checked
{
public:
    Checked(T value) : m_value(std::move(value)) {}
    Checked(FormulaError error) : m_error(error), m_failed(true) {}

    explicit operator bool() const { return !m_failed; }
    const T& operator*() const { return m_value; }
    const T* operator->() const { return &m_value; }
    FormulaError error() const { return m_error; }

private:
    T m_value{};
    FormulaError m_error = FormulaError::Value;
    bool m_failed = false;
};

// The error of the first argument that holds one, as a function reports it.
template <typename... T> std::optional<FormulaError> firstError(const Checked<T>&... values)
{
    std::optional<FormulaError> error;
    ((error = error || values ? error : std::optional<FormulaError>(values.error())), ...);
    return error;
}
