#pragma once

#include <QString>

// The value of a cell read from a spreadsheet file, of the kinds spreadsheets hold. Booleans and
// errors keep the text a spreadsheet shows for them (TRUE, FALSE, #N/A, #DIV/0!), so that the
// grid, which holds numbers and text, can show them as they were.
struct ImportedValue
{
    enum class Kind : quint8
    {
        Empty,
        Number,
        Text,
        Boolean,
        Error
    };

    Kind kind = Kind::Empty;
    double number = 0; // a Number's value; 1 or 0 for a Boolean
    QString text;      // a Text's value; TRUE or FALSE for a Boolean; the error as shown

    static ImportedValue ofNumber(double number) { return {Kind::Number, number, {}}; }
    // An empty text is an empty cell: the grid holds no other.
    static ImportedValue ofText(QString text)
    {
        return text.isEmpty() ? ImportedValue{} : ImportedValue{Kind::Text, 0, std::move(text)};
    }
    static ImportedValue ofBoolean(bool value)
    {
        return {Kind::Boolean, value ? 1.0 : 0.0, value ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
    }
    static ImportedValue ofError(QString shown) { return {Kind::Error, 0, std::move(shown)}; }

    bool isEmpty() const { return kind == Kind::Empty; }
    friend bool operator==(const ImportedValue&, const ImportedValue&) = default;
};
