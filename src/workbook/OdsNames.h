#pragma once

#include <QLatin1String>

// The namespaces of an OpenDocument spreadsheet's markup. Names are looked up by namespace, not
// by the prefixes that files usually but not always give them.
namespace OdsNames {
inline constexpr QLatin1String Office{"urn:oasis:names:tc:opendocument:xmlns:office:1.0"};
inline constexpr QLatin1String Style{"urn:oasis:names:tc:opendocument:xmlns:style:1.0"};
inline constexpr QLatin1String Fo{"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"};
inline constexpr QLatin1String Table{"urn:oasis:names:tc:opendocument:xmlns:table:1.0"};
inline constexpr QLatin1String Text{"urn:oasis:names:tc:opendocument:xmlns:text:1.0"};
inline constexpr QLatin1String Number{"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"};
// LibreOffice's own attributes, such as the error a formula gave.
inline constexpr QLatin1String CalcExt{
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0"};
} // namespace OdsNames
